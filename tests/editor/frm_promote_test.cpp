// "Promote a pawn" answered by clicking its options, on its own and from the editor.

#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "frm_promote.h"

namespace {

using morvane::FrmPromote;

// In the next promotion dialog that opens, checks its default, clicks
// `choices` in order on their round buttons, where a person clicks, then OK.
void answer(std::vector<int> choices, bool& seen)
{
    QTimer::singleShot(0, [choices, &seen] {
        auto* dialog = qobject_cast<FrmPromote*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("Option1(3)")->isChecked());
        for (int choice : choices) {
            auto* button = dialog->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(choice));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    });
}

TEST(PromoteDialog, ChoicesGiveThePieceCode)
{
    struct Row {
        std::vector<int> choices;
        quill::PieceNum code;
    };
    const Row rows[] = {
        {{}, quill::WQueen},
        {{FrmPromote::Rook, FrmPromote::Queen, FrmPromote::Bishop}, quill::Wbishop}, // the last click counts
    };
    for (const Row& row : rows) {
        bool seen = false;
        answer(row.choices, seen);
        EXPECT_EQ(FrmPromote::Promote(1, nullptr), row.code);
        EXPECT_TRUE(seen);
    }
    FrmPromote dialog;
    ASSERT_EQ(dialog.findChildren<QPushButton*>().size(), 1) << "no Cancel";
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(PromoteDialog, EditorWritesTheChosenBlackPiece)
{
    edtest::Editor e(true);
    e.load(edtest::lines("a4 h5 a5 h4 a6 h3 axb7 hxg2 Nc3"));
    bool seen = false;
    answer({FrmPromote::Knight}, seen);
    e.drag("g2", "h1");
    EXPECT_TRUE(seen);
    EXPECT_EQ(e.black(5), "5. gxh1=N");
    EXPECT_EQ(e.form->board().piece(8, 8), quill::Bknight);
}

} // namespace
