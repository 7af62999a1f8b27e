#include "pgn_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "game_file_reader.h"

TEST(PgnFile, BytesAsTheyAreAndAFileReplacedUnderItsName)
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

    morvane::GameFileReader reader;
    ASSERT_TRUE(reader.exists(path));
    EXPECT_EQ(reader.read(1, 7).value(), "[Event ");
    // Replaced by another file of the same name (a new inode), as a save may do.
    const std::string other = std::string(path) + ".new";
    std::ofstream(other, std::ios::binary) << "second version";
    ASSERT_EQ(std::rename(other.c_str(), path), 0);
    ASSERT_TRUE(reader.exists(path));
    EXPECT_EQ(reader.read(8, 100).value(), "version");
    std::remove(path);
    EXPECT_FALSE(reader.exists(path));
    EXPECT_FALSE(reader.read(1, 5));
}
