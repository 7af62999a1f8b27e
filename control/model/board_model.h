#pragma once
// The chessboard control's position: 64 piece codes, the selection flags, and the
// move-pattern and check questions asked of them. Works with or without a view.

#include <array>
#include <cassert>
#include <cstdint>

#include <quillboard/control_error.h>
#include <quillboard/piece_codes.h>

namespace quill {

// What the model tells the side that draws it. Both hooks are optional.
class BoardObserver {
public:
    virtual ~BoardObserver() = default;
    // One square's code changed (index 1..64); the view redraws that square.
    virtual void squareChanged(int index) = 0;
    // A persisted property changed ("Piece"), for the host's property storage.
    virtual void propertyChanged(const char* /*name*/) {}
};

class BoardModel {
public:
    BoardModel();

    void setObserver(BoardObserver* observer) { observer_ = observer; }
    // While the host is in design mode `piece` let is refused with error 382.
    void setDesignMode(bool on) { designMode_ = on; }
    bool designMode() const { return designMode_; }

    // Position
    void NewGame();
    void Clear();
    // Inline: the decoders read single squares for every pawn move.
    PieceNum piece(std::int16_t col, std::int16_t row) const
    {
        validate(col, row, error::InvalidSquareOnRead);
        return pieces_[static_cast<std::size_t>(SquareIndex(col, row))];
    }
    void setPiece(std::int16_t col, std::int16_t row, PieceNum code);
    void MovePiece(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow);
    // Code at a square index 1..64, for drawing and scanning; no range check beyond an
    // assert. Inline: decoders scan the whole board for every piece move.
    PieceNum codeAt(int index) const
    {
        assert(index >= 1 && index <= 64);
        return pieces_[static_cast<std::size_t>(index)];
    }
    // The 64 codes in square-index order (index 1 first), for whole-board scans.
    const PieceNum* squares() const { return pieces_.data() + 1; }
    std::int16_t persistedPieceValue() const { return persistedPiece_; }

    // Selection flags (drawing of the selection belongs to the view).
    bool IsSelected(std::int16_t col, std::int16_t row) const;
    void setSelected(std::int16_t col, std::int16_t row, bool on);
    bool selectedAt(int index) const { return selected_[static_cast<std::size_t>(index)]; }

    // Rules
    bool IsLegalMove(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow) const;
    bool IsKingChecked(PieceNum king) const;

    // The only writer of the position.
    void SetSquare(PieceNum code, int index);

private:
    static void validate(int col, int row, std::int32_t number = error::InvalidSquare)
    {
        if (!onBoard(col, row))
            invalidSquare(number);
    }
    [[noreturn]] static void invalidSquare(std::int32_t number);
    bool pathClear(int fromCol, int fromRow, int toCol, int toRow) const;

    std::array<PieceNum, 65> pieces_{};
    std::array<bool, 65> selected_{};
    std::int16_t persistedPiece_ = 0;
    bool designMode_ = false;
    BoardObserver* observer_ = nullptr;
};

} // namespace quill
