#pragma once
// Records every event a board raises, as text, for comparing whole sequences.

#include <QObject>
#include <QStringList>

#include "varnel.h"

class EventLog : public QObject {
public:
    explicit EventLog(quill::Varnel& board)
    {
        using quill::Varnel;
        connect(&board, &Varnel::Click, this,
                [this](qint16 c, qint16 r) { add(QStringLiteral("Click %1 %2").arg(c).arg(r)); });
        connect(&board, &Varnel::DblClick, this,
                [this](qint16 c, qint16 r) { add(QStringLiteral("DblClick %1 %2").arg(c).arg(r)); });
        connect(&board, &Varnel::MouseDown, this, [this](qint16 c, qint16 r, qint16 b, qint16 s, float x, float y) {
            add(mouse("MouseDown", c, r, b, s, x, y));
        });
        connect(&board, &Varnel::MouseMove, this, [this](qint16 c, qint16 r, qint16 b, qint16 s, float x, float y) {
            add(mouse("MouseMove", c, r, b, s, x, y));
        });
        connect(&board, &Varnel::MouseUp, this, [this](qint16 c, qint16 r, qint16 b, qint16 s, float x, float y) {
            add(mouse("MouseUp", c, r, b, s, x, y));
        });
        connect(
            &board, &Varnel::PieceDrop, this,
            [this, &board](qint16 fc, qint16 fr, qint16 tc, qint16 tr, qint32 oldPiece, qint32 newPiece, bool legal) {
                // What stands on the target while the host handles the event.
                add(QStringLiteral("PieceDrop %1 %2 %3 %4 %5 %6 %7 target %8")
                        .arg(fc)
                        .arg(fr)
                        .arg(tc)
                        .arg(tr)
                        .arg(oldPiece)
                        .arg(newPiece)
                        .arg(legal ? "True" : "False")
                        .arg(board.piece(tc, tr)));
            });
    }

    QStringList events;

private:
    void add(const QString& line) { events.append(line); }
    static QString mouse(const char* name, qint16 c, qint16 r, qint16 b, qint16 s, float x, float y)
    {
        return QStringLiteral("%1 %2 %3 b%4 s%5 @%6,%7")
            .arg(QLatin1String(name))
            .arg(c)
            .arg(r)
            .arg(b)
            .arg(s)
            .arg(x)
            .arg(y);
    }
};
