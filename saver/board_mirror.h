#pragma once
// The replay plays on a board model of its own; every square it changes is
// handed on to the visible board through the control's public `piece` member,
// as any host of the control would.

#include "board_model.h"

namespace quill {
class Varnel;
}

namespace morvane {

class BoardMirror : public quill::BoardObserver {
public:
    BoardMirror(quill::BoardModel& model, quill::Varnel& board);
    ~BoardMirror() override;
    BoardMirror(const BoardMirror&) = delete;
    BoardMirror& operator=(const BoardMirror&) = delete;

    void squareChanged(int index) override;

private:
    quill::BoardModel& model_;
    quill::Varnel& board_;
};

} // namespace morvane
