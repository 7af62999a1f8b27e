// Reading a move line back into its fields; the differential test holds the builder
// of the lines to the literal model.
#include "move_list.h"

#include <gtest/gtest.h>

TEST(MoveFields, LongMovesKeepTheirWholeText)
{
    // Fields of up to eight characters keep the fixed layout; longer ones grow the line.
    const std::string line = morvane::moveLine(7, "exd8=Q+!!", "Kxd8");
    EXPECT_EQ(line, "7. exd8=Q+!!    Kxd8");
    EXPECT_EQ(morvane::moveFields(line).white, "exd8=Q+!!");
    EXPECT_EQ(morvane::moveFields(line).black, "Kxd8");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(7, "Qh5", "Nbxd7+!?!")).black, "Nbxd7+!?!");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(3, "", "e5")).black, "e5");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(123, "Rxa8+", "")).white, "Rxa8+");
}
