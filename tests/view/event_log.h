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
                add(QString::asprintf("PieceDrop %d %d %d %d %d %d %s target %d", fc, fr, tc, tr, oldPiece, newPiece,
                                      legal ? "True" : "False", int(board.piece(tc, tr))));
            });
    }

    QStringList events;

private:
    void add(const QString& line) { events.append(line); }
    static QString mouse(const char* name, qint16 c, qint16 r, qint16 b, qint16 s, float x, float y)
    {
        return QString::asprintf("%s %d %d b%d s%d @%g,%g", name, c, r, b, s, double(x), double(y));
    }
};
