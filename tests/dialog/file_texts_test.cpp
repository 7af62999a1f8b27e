// Texts taken from a PGN file are shown as written, never as markup.
#include <QTemporaryFile>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include "match_list_model.h"

TEST(MatchList, TooltipsShowTagsAsWritten)
{
    const std::string text = "[Event \"<b>Open</b>\"]\n[White \"<img src=x width=20000>\"]\n[Black \"B\"]\n\n1. e4 *\n";
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.flush();
    morvane::MatchListModel model;
    model.setGames(file.fileName().toStdString(), {{1, static_cast<std::int64_t>(text.size())}});
    const QString tip = model.data(model.index(0), Qt::ToolTipRole).toString();
    const QString shown = Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
    EXPECT_TRUE(shown.contains(QStringLiteral("<b>Open</b>"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("<img src=x width=20000>"))) << shown.toStdString();
}
