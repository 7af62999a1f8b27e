#include "board_mirror.h"

#include <quillboard/varnel.h>

namespace morvane {

BoardMirror::BoardMirror(quill::BoardModel& model, quill::Varnel& board) : model_(model), board_(board)
{
    model_.setObserver(this);
}

BoardMirror::~BoardMirror()
{
    model_.setObserver(nullptr);
}

void BoardMirror::squareChanged(int index)
{
    const auto col = static_cast<std::int16_t>(quill::colOfIndex(index));
    const auto row = static_cast<std::int16_t>(quill::rowOfIndex(index));
    board_.setPiece(col, row, model_.codeAt(index));
}

} // namespace morvane
