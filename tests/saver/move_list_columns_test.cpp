// The printed move list at any font: Black's column clears White's widest entry
// and the header, and what does not fit its column is shortened, not overprinted.
#include <gtest/gtest.h>

#include "move_list_view.h"

using morvane::MoveListView;
using morvane::TwipScale;

TEST(MoveListColumns, BlackStartsAfterWhitesWidestEntryAndNothingOverprints)
{
    const struct {
        double points;
        QString widestWhite;
        bool moved; // the column leaves 1400 twips
    } rows[] = {
        {12, QStringLiteral("1. e4"), false},
        {12, QStringLiteral("10. bxa8=Q"), true},
        {24, QStringLiteral("11. cxd4"), true},
        {24, QStringLiteral("123. ") + QString(40, QChar('Q')), true}, // wider than the list
    };
    for (const auto& r : rows) {
        MoveListView view;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(r.points);
        view.setTextFont(font);
        view.setMetrics(TwipScale(1.5), 12 * 600, 600);
        view.resize(400, 12 * 60);
        const double column = view.fitBlackColumn(1400, {r.widestWhite});
        EXPECT_EQ(column > 1400, r.moved) << r.widestWhite.toStdString();
        view.printWhite(r.widestWhite);
        view.printBlack(QStringLiteral("Bd6+"));
        const auto entries = view.entries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_LT(entries[0].rect.right(), entries[1].rect.left()) << r.widestWhite.toStdString();
        EXPECT_LE(entries[1].rect.right(), view.width()) << "Black's entry stays in the list";
    }
}
