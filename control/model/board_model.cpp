#include "board_model.h"

#include <cassert>

namespace quill {

namespace {
constexpr std::array<PieceNum, 8> kBlackBackRank = {Brook, Bknight, Bbishop, BQueen, Bking, Bbishop, Bknight, Brook};
constexpr std::array<PieceNum, 8> kWhiteBackRank = {Wrook, Wknight, Wbishop, WQueen, wking, Wbishop, Wknight, Wrook};
} // namespace

BoardModel::BoardModel()
{
    pieces_.fill(None);
}

void BoardModel::invalidSquare(std::int32_t number)
{
    throw ControlError(number, error::InvalidSquareText);
}

void BoardModel::SetSquare(PieceNum code, int index)
{
    assert(index >= 1 && index <= 64);
    pieces_[static_cast<std::size_t>(index)] = code;
    if (observer_)
        observer_->squareChanged(index);
}

void BoardModel::NewGame()
{
    if (!observer_) {
        // Nobody to tell square by square: the position is written at once.
        pieces_.fill(None);
        for (int col = 1; col <= 8; ++col) {
            const auto c = static_cast<std::size_t>(col - 1);
            pieces_[static_cast<std::size_t>(SquareIndex(col, 1))] = kBlackBackRank[c];
            pieces_[static_cast<std::size_t>(SquareIndex(col, 2))] = Bpawn;
            pieces_[static_cast<std::size_t>(SquareIndex(col, 7))] = Wpawn;
            pieces_[static_cast<std::size_t>(SquareIndex(col, 8))] = kWhiteBackRank[c];
        }
        return;
    }
    for (int k = 1; k <= 64; ++k)
        SetSquare(None, k);
    for (int col = 1; col <= 8; ++col)
        SetSquare(kBlackBackRank[static_cast<std::size_t>(col - 1)], SquareIndex(col, 1));
    for (int col = 1; col <= 8; ++col)
        SetSquare(Bpawn, SquareIndex(col, 2));
    for (int col = 1; col <= 8; ++col)
        SetSquare(Wpawn, SquareIndex(col, 7));
    for (int col = 1; col <= 8; ++col)
        SetSquare(kWhiteBackRank[static_cast<std::size_t>(col - 1)], SquareIndex(col, 8));
}

void BoardModel::Clear()
{
    for (int k = 1; k <= 64; ++k)
        SetSquare(None, k);
}

void BoardModel::setPiece(std::int16_t col, std::int16_t row, PieceNum code)
{
    validate(col, row);
    if (designMode_)
        throw ControlError(error::SetNotPermittedAtDesignTime, error::DesignTimeText);
    persistedPiece_ = static_cast<std::int16_t>(code);
    if (observer_)
        observer_->propertyChanged("Piece");
    SetSquare(code, SquareIndex(col, row));
}

void BoardModel::MovePiece(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow)
{
    validate(fromCol, fromRow);
    validate(toCol, toRow);
    const PieceNum moving = pieces_[static_cast<std::size_t>(SquareIndex(fromCol, fromRow))];
    SetSquare(moving, SquareIndex(toCol, toRow));
    SetSquare(None, SquareIndex(fromCol, fromRow));
}

bool BoardModel::IsSelected(std::int16_t col, std::int16_t row) const
{
    validate(col, row);
    return selected_[static_cast<std::size_t>(SquareIndex(col, row))];
}

void BoardModel::setSelected(std::int16_t col, std::int16_t row, bool on)
{
    validate(col, row);
    selected_[static_cast<std::size_t>(SquareIndex(col, row))] = on;
}

} // namespace quill
