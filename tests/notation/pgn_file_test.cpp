// Reading the game file: its bytes as they are, and a reader that has settled on
// its file (looked twice, a block read) still seeing every kind of change at the very next look.
#include "pgn_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "game_file_reader.h"

namespace {

struct Change {
    const char* name;
    std::function<void(const std::string& path)> apply;
    const char* after; // the file's first bytes afterwards; null when it is gone
};

void write(const std::string& path, const char* text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

const Change kChanges[] = {
    {"RewrittenInPlaceSameSize", [](const std::string& p) { write(p, "second game"); }, "second game"},
    {"Grown", [](const std::string& p) { write(p, "a longer game"); }, "a longer game"},
    {"ReplacedByRename",
     [](const std::string& p) {
         write(p + ".new", "other file!");
         std::rename((p + ".new").c_str(), p.c_str());
     },
     "other file!"},
    {"Removed", [](const std::string& p) { std::remove(p.c_str()); }, nullptr},
};

TEST(GameFileReader, SeesEveryChangeAtTheNextLook)
{
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        char path[] = "/tmp/morvane3-watch-XXXXXX";
        ::close(::mkstemp(path));
        write(path, "first game!");
        morvane::GameFileReader reader;
        for (int look = 0; look < 3; ++look) {
            ASSERT_TRUE(reader.exists(path));
            ASSERT_EQ(reader.read(1, 11).value(), "first game!");
        }
        change.apply(path);
        ASSERT_EQ(reader.exists(path), change.after != nullptr);
        if (change.after) {
            EXPECT_EQ(reader.read(1, 100).value(), change.after);
        }
        std::remove(path);
    }
}

TEST(PgnFile, BytesAsTheyAre)
{
    char path[] = "/tmp/morvane3-pgnfile-XXXXXX";
    ::close(::mkstemp(path));
    const std::string bytes = std::string("[Event \"\xe9t\xe9\"]\r\n1. e4 *\0tail", 27);
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(morvane::readWholeFile(path), bytes);
    EXPECT_EQ(morvane::readByteRange(path, 20, 100), bytes.substr(19));
    EXPECT_EQ(morvane::readByteRange(path, 0, 5), "");
    EXPECT_FALSE(morvane::readWholeFile("/nonexistent/x.pgn"));
    EXPECT_FALSE(morvane::isFile("/tmp"));
    std::remove(path);
}

} // namespace
