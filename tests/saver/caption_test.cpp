// The comment on the move on the board, in its box under the status line.
#include <QFontMetrics>

#include "saver_fixture.h"

using savertest::SaverTest;

TEST_F(SaverTest, CaptionStandsUnderTheStatusLineInThreeLinesAtMost)
{
    data.write("default.pgn",
               "[Event \"Notes\"]\n[White \"W\"]\n[Black \"B\"]\n\n1. e4 { [%clk 0:05:00]"
               " Tempo gained, the centre taken, and a long line of thought that goes on "
               "and on well past what three short lines could ever hold in this box, even when the box is as "
               "wide as the board on a large screen, because it keeps going with more and more words. }"
               " e5 { Short. } *\n");
    settings.save("ShowComments", "1");
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
        makeSaver(width, height);
        auto* caption = child<QLabel>("lblCaption");
        EXPECT_TRUE(caption->isVisibleTo(saver.get()));
        EXPECT_EQ(rect("lblCaption").top(), rect("Label5").bottom() + 1);
        saver->Timer2_Timer();
        saver->Timer1_Timer();
        const QStringList lines = caption->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << caption->text().toStdString();
        EXPECT_TRUE(lines.front().startsWith(QStringLiteral("Tempo gained")));
        EXPECT_TRUE(lines.back().endsWith(QChar(0x2026)));
        for (const QString& line : lines)
            EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(line), caption->width());
        saver->Timer1_Timer();
        EXPECT_EQ(caption->text(), "Short.");
    }
    settings.save("ShowComments", "0");
    makeSaver();
    EXPECT_FALSE(child("lblCaption")->isVisibleTo(saver.get()));
}
