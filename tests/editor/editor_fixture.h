#pragma once
// A game editor driven as a user drives it: drags reported square by square to
// the board, buttons clicked, labels and the board read back.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <memory>
#include <sstream>
#include <string>

#include "board_model.h"
#include "frm_ge.h"
#include "move_list.h"
#include "placement.h"
#include "scripted_dialogs.h"
#include <quillboard/varnel.h>

namespace edtest {

inline int squareOf(const std::string& square)
{
    return quill::SquareIndex(square[0] - 'a' + 1, 9 - (square[1] - '0'));
}

class Editor {
public:
    explicit Editor(bool realPromotionDialog = false)
    {
        morvane::EditorServices services;
        if (!realPromotionDialog) {
            services.promote = [this](int) {
                const quill::PieceNum code = promotions.empty() ? quill::WQueen : promotions.front();
                if (!promotions.empty())
                    promotions.pop_front();
                return code;
            };
        }
        form = std::make_unique<morvane::FrmGE>(dialogs, std::move(services));
    }

    // Presses on one square and drops on another, as a mouse drag does.
    void drag(const std::string& from, const std::string& to)
    {
        form->board().reportPress(squareOf(from), quill::Varnel::kLeftButton, 0);
        form->board().reportDrop(squareOf(to));
    }

    // Drags "e2e4 e7e5 ..." in turn.
    void play(const std::string& moves)
    {
        std::istringstream in(moves);
        for (std::string m; in >> m;)
            drag(m.substr(0, 2), m.substr(2, 2));
    }

    void load(const std::vector<std::string>& lines)
    {
        form->loadMoveLines(lines);
        form->finishLoading();
    }

    QLabel* label(bool white, int index) const
    {
        return form->findChild<QLabel*>(
            QStringLiteral("%1(%2)").arg(white ? "lblWhiteList" : "lblBlackList").arg(index));
    }
    std::string white(int index) const { return label(true, index)->text().toStdString(); }
    std::string black(int index) const { return label(false, index)->text().toStdString(); }

    QPushButton* button(const QString& name) const { return form->findChild<QPushButton*>(name); }
    QPushButton* navigate(int index) const { return button(QStringLiteral("CmdNavigate(%1)").arg(index)); }
    void click(QPushButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }

    // What the board shows, as a FEN placement.
    std::string placement() const
    {
        quill::BoardModel copy;
        for (std::int16_t col = 1; col <= 8; ++col)
            for (std::int16_t row = 1; row <= 8; ++row)
                copy.setPiece(col, row, form->board().piece(col, row));
        return morvane::piecePlacement(copy);
    }

    testutil::ScriptedDialogs dialogs;
    std::deque<quill::PieceNum> promotions;
    std::unique_ptr<morvane::FrmGE> form;
};

// Numbered move lines, as the settings dialog hands them over, from "e4 e5 Nf3 ...".
inline std::vector<std::string> lines(const std::string& sans)
{
    std::istringstream in(sans);
    std::vector<std::string> out;
    for (std::string white, black; in >> white;) {
        black.clear();
        in >> black;
        out.push_back(morvane::moveLine(static_cast<int>(out.size()) + 1, white, black));
    }
    return out;
}

inline constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

} // namespace edtest
