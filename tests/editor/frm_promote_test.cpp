// "Promote a pawn" answered by clicking its options, on its own and from the editor.

#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "frm_promote.h"
#include "move_list.h"

namespace {

using morvane::FrmPromote;

QRadioButton* option(QWidget* dialog, int index)
{
    return dialog->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(index));
}

// Clicks `choices` in order, then OK, in the next promotion dialog that opens.
// Records what the dialog showed when it opened.
struct Answer {
    explicit Answer(std::vector<int> clicks) : choices(std::move(clicks)) {}

    std::vector<int> choices;
    bool seen = false;
    QString title;
    bool queenChecked = false;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<FrmPromote*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            title = dialog->windowTitle();
            queenChecked = option(dialog, FrmPromote::Queen)->isChecked();
            for (int choice : choices) {
                // On the round button itself, where a person clicks.
                QRadioButton* button = option(dialog, choice);
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        });
    }
};

TEST(PromoteDialog, ChoicesGiveThePieceCodeOfTheSide)
{
    struct Row {
        const char* name;
        int side;
        std::vector<int> choices;
        quill::PieceNum code;
    };
    const std::vector<Row> rows = {
        {"OK at once promotes a White pawn to a queen", 1, {}, quill::WQueen},
        {"OK at once promotes a Black pawn to a queen", 2, {}, quill::BQueen},
        {"knight for Black", 2, {FrmPromote::Knight}, quill::Bknight},
        {"rook for White", 1, {FrmPromote::Rook}, quill::Wrook},
        {"the last of several choices counts",
         1,
         {FrmPromote::Rook, FrmPromote::Queen, FrmPromote::Bishop},
         quill::Wbishop},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answer answer(row.choices);
        answer.arm();
        EXPECT_EQ(FrmPromote::Promote(row.side, nullptr), row.code);
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.title, QStringLiteral("Promote a pawn"));
        EXPECT_TRUE(answer.queenChecked);
    }
}

TEST(PromoteDialog, OffersFourPiecesAndNoCancel)
{
    FrmPromote dialog;
    QStringList captions;
    for (int i = 0; i < 4; ++i)
        captions << option(&dialog, i)->text();
    EXPECT_EQ(captions, (QStringList{"Rook", "Knight", "Bishop", "Queen"}));
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(PromoteDialog, EditorWritesTheChosenBlackPiece)
{
    edtest::Editor e(true);
    e.load(edtest::lines("a4 h5 a5 h4 a6 h3 axb7 hxg2 Nc3"));
    Answer answer({FrmPromote::Knight});
    answer.arm();
    e.drag("g2", "h1");
    EXPECT_TRUE(answer.seen);
    EXPECT_EQ(e.black(5), "5. gxh1=N");
    EXPECT_EQ(e.form->board().piece(8, 8), quill::Bknight);
}

} // namespace
