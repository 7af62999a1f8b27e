// Games that start from a set-up position: the board, the empty White field
// when Black moves first, and the en passant right the set-up gives.

#include <QListWidget>

#include "frm_ge.h"

namespace morvane {

void FrmGE::setStart(const GameStart& start)
{
    start_ = start;
    decoder_.Chess960 = start.chess960;
    decoder_.Rooks = start.rooks;
    encoder_.Chess960 = start.chess960;
    encoder_.Rooks = start.rooks;
}

void FrmGE::setUpBoard()
{
    morvane::setStart(model_, start_);
    pushBoard();
}

void FrmGE::holdBlackFirst()
{
    if (firstPosition() == 0)
        return;
    // Half-move 1 is White's empty field: the same board, Black to move.
    history_.store(0, model_);
    List1->addItem(QStringLiteral("%1. ").arg(firstMove()));
    currentPosition_ = 1;
    selectedHalfMove_ = 1;
    sideToMove_ = 2;
}

const Snapshot* FrmGE::setUpTwoBack(int position, Snapshot& scratch) const
{
    if (start_.enPassant.size() != 2 || position != firstPosition() + 1 || !history_.has(firstPosition()))
        return nullptr;
    // The pawn that crossed the square stands back on its start square.
    const int col = start_.enPassant[0] - 'a' + 1;
    const bool whitePassed = start_.enPassant[1] == '3';
    const int landed = whitePassed ? 5 : 4;
    const int started = whitePassed ? 7 : 2;
    scratch = history_.at(firstPosition());
    auto& landedSquare = scratch[static_cast<std::size_t>(quill::SquareIndex(col, landed) - 1)];
    auto& startedSquare = scratch[static_cast<std::size_t>(quill::SquareIndex(col, started) - 1)];
    startedSquare = landedSquare;
    landedSquare = quill::None;
    return &scratch;
}

} // namespace morvane
