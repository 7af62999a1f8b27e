// The design-time properties in the host's property storage.

#include <gtest/gtest.h>

#include "board_look.h"
#include <quillboard/memory_property_bag.h>

using namespace quill;

namespace {

// Remembers which names were asked for, in order.
class RecordingBag : public MemoryPropertyBag {
public:
    QVariant read(const QString& name, const QVariant& defaultValue) override
    {
        reads.append(name);
        return MemoryPropertyBag::read(name, defaultValue);
    }
    QStringList reads;
};

TEST(BoardProperties, EmptyStorageGivesTheDefaults)
{
    RecordingBag bag;
    Varnel board;
    board.setBoardStyle(Classic);
    board.setEnableDrag(true);
    board.setDragStyle(DragNothing);
    QStringList notices;
    QObject::connect(&board, &Varnel::propertyChanged, &board, [&](const QString& name) { notices.append(name); });
    board.readProperties(bag);
    EXPECT_EQ(bag.reads, (QStringList{"Enabled", "Piece", "IsSelected", "Picture", "DragStyle", "EnableDrag",
                                      "BoardStyle", "SelectionColor"}));
    EXPECT_EQ(board.DragStyle(), DragMove);
    EXPECT_FALSE(board.EnableDrag());
    board.setPiece(3, 3, Wknight);
    EXPECT_EQ(notices, (QStringList{"BoardStyle", "Piece"})); // BoardStyle applied through its let
    EXPECT_EQ(board.Picture(Wpawn), ImageSet::modern().at(Wpawn));
}

TEST(BoardProperties, SavedPropertiesComeBackAndAWrongTypeFailsTheLoad)
{
    MemoryPropertyBag bag;
    {
        Varnel saved;
        saved.setBoardStyle(Classic);
        saved.setSelectionColor(255);
        saved.setEnableDrag(true);
        saved.setDragStyle(DragCopy);
        saved.setEnabled(false);
        saved.setPiece(3, 3, Wknight);
        saved.writeProperties(bag);
    }
    EXPECT_EQ(bag.read("Enabled", -1), QVariant(0));    // False travels as 0
    EXPECT_EQ(bag.read("EnableDrag", 0), QVariant(-1)); // True travels as -1
    EXPECT_EQ(bag.read("Piece", 0).toInt(), Wknight);   // the last code set, though the position is not kept
    Varnel loaded;
    loaded.readProperties(bag);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_TRUE(loaded.EnableDrag());
    EXPECT_EQ(loaded.DragStyle(), DragCopy);
    EXPECT_EQ(loaded.Picture(Wpawn), ImageSet::classic().at(Wpawn));
    EXPECT_EQ(loaded.piece(3, 3), None); // the position itself is never kept
    // It selects in the saved colour: 255 is red as 0x00BBGGRR.
    loaded.SelectSquare(1, 1);
    EXPECT_EQ(boardlook::grab(loaded).pixelColor(0, 0), boardlook::kRed);

    bag.write("DragStyle", QStringLiteral("sideways"), 2);
    EXPECT_THROW(loaded.readProperties(bag), ControlError);
}

} // namespace
