#include "placement.h"

#include <array>

namespace morvane {

namespace {

constexpr std::string_view kLetters = "pnbrqkPNBRQK";
constexpr std::array<quill::PieceNum, 12> kCodes = {quill::Bpawn,   quill::Bknight, quill::Bbishop, quill::Brook,
                                                    quill::BQueen,  quill::Bking,   quill::Wpawn,   quill::Wknight,
                                                    quill::Wbishop, quill::Wrook,   quill::WQueen,  quill::wking};

char letterOf(quill::PieceNum code)
{
    for (std::size_t k = 0; k < kCodes.size(); ++k) {
        if (kCodes[k] == code)
            return kLetters[k];
    }
    return 0;
}

} // namespace

std::string piecePlacement(const quill::BoardModel& board)
{
    std::string fen;
    fen.reserve(72);
    for (int row = 1; row <= 8; ++row) {
        int empty = 0;
        for (int col = 1; col <= 8; ++col) {
            const char letter = letterOf(board.codeAt(quill::SquareIndex(col, row)));
            if (letter == 0) {
                ++empty;
                continue;
            }
            if (empty > 0)
                fen += static_cast<char>('0' + empty);
            empty = 0;
            fen += letter;
        }
        if (empty > 0)
            fen += static_cast<char>('0' + empty);
        if (row < 8)
            fen += '/';
    }
    return fen;
}

bool setPlacement(quill::BoardModel& board, std::string_view placement)
{
    std::array<quill::PieceNum, 64> squares{};
    squares.fill(quill::None);
    int row = 1;
    int col = 1;
    for (const char c : placement) {
        if (c == '/') {
            if (col != 9 || row == 8)
                return false;
            ++row;
            col = 1;
        } else if (c >= '1' && c <= '8') {
            col += c - '0';
            if (col > 9)
                return false;
        } else if (const std::size_t k = kLetters.find(c); k != std::string_view::npos && col <= 8) {
            squares[static_cast<std::size_t>(quill::SquareIndex(col, row) - 1)] = kCodes[k];
            ++col;
        } else {
            return false;
        }
    }
    if (row != 8 || col != 9)
        return false;
    for (int index = 1; index <= 64; ++index)
        board.SetSquare(squares[static_cast<std::size_t>(index - 1)], index);
    return true;
}

} // namespace morvane
