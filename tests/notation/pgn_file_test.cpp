#include "pgn_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game_file_reader.h"

namespace {

struct ScratchFile {
    std::string path;
    explicit ScratchFile(const std::string& bytes)
    {
        char pattern[] = "/tmp/morvane3-pgnfile-XXXXXX";
        const int fd = ::mkstemp(pattern);
        ::close(fd);
        path = pattern;
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~ScratchFile() { std::remove(path.c_str()); }
};

TEST(PgnFile, WholeFileAndRangesAsBytes)
{
    const std::string bytes = std::string("[Event \"\xe9t\xe9\"]\r\n1. e4 *\0tail", 27);
    ScratchFile file(bytes);
    EXPECT_EQ(morvane::readWholeFile(file.path), bytes);
    EXPECT_EQ(morvane::readByteRange(file.path, 1, 7), "[Event ");
    EXPECT_EQ(morvane::readByteRange(file.path, 20, 100), bytes.substr(19));
    EXPECT_EQ(morvane::readByteRange(file.path, 5, 0), "");
    EXPECT_EQ(morvane::readByteRange(file.path, 0, 5), "");
    EXPECT_FALSE(morvane::readWholeFile("/nonexistent/x.pgn"));
    EXPECT_FALSE(morvane::readByteRange("/nonexistent/x.pgn", 1, 5));
    EXPECT_TRUE(morvane::isFile(file.path));
    EXPECT_FALSE(morvane::isFile("/tmp"));
}

TEST(GameFileReader, FollowsAFileReplacedUnderItsName)
{
    ScratchFile file("first version");
    morvane::GameFileReader reader;
    ASSERT_TRUE(reader.exists(file.path));
    EXPECT_EQ(reader.read(1, 5).value(), "first");
    // Replaced by another file of the same name (a new inode), as a save may do.
    const std::string other = file.path + ".new";
    std::ofstream(other, std::ios::binary) << "second version";
    ASSERT_EQ(std::rename(other.c_str(), file.path.c_str()), 0);
    ASSERT_TRUE(reader.exists(file.path));
    EXPECT_EQ(reader.read(1, 6).value(), "second");
    EXPECT_EQ(reader.read(8, 100).value(), "version");
    EXPECT_FALSE(reader.exists(file.path + ".gone"));
    EXPECT_FALSE(reader.read(1, 5));
}

} // namespace
