#pragma once
// Records every event a board raises, as text, for comparing whole sequences.

#include <QObject>
#include <QStringList>

#include <quillboard/varnel.h>

class EventLog : public QObject {
public:
    explicit EventLog(quill::Varnel& board)
    {
        using quill::Varnel;
        connect(&board, &Varnel::Click, this, [this](qint16 c, qint16 r) { add("Click %d %d", c, r); });
        connect(&board, &Varnel::DblClick, this, [this](qint16 c, qint16 r) { add("DblClick %d %d", c, r); });
        for (const auto& [signal, format] : {std::pair{&Varnel::MouseDown, "MouseDown %d %d b%d s%d @%g,%g"},
                                             std::pair{&Varnel::MouseMove, "MouseMove %d %d b%d s%d @%g,%g"},
                                             std::pair{&Varnel::MouseUp, "MouseUp %d %d b%d s%d @%g,%g"}}) {
            connect(&board, signal, this, [this, format](qint16 c, qint16 r, qint16 b, qint16 s, float x, float y) {
                add(format, c, r, b, s, double(x), double(y));
            });
        }
        // What stands on the target while the host handles the event.
        connect(&board, &Varnel::PieceDrop, this,
                [this, &board](qint16 fc, qint16 fr, qint16 tc, qint16 tr, qint32 old, qint32 now, bool legal) {
                    add("PieceDrop %d %d %d %d %d %d %s target %d", fc, fr, tc, tr, old, now, legal ? "True" : "False",
                        int(board.piece(tc, tr)));
                });
    }

    QStringList events;

private:
    template <typename... Args> void add(const char* format, Args... args)
    {
        events.append(QString::asprintf(format, args...));
    }
};
