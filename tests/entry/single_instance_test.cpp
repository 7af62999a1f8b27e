// The full-screen saver's single-instance socket may only live where no other
// user can take its name first.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "single_instance.h"

namespace {

TEST(SingleInstance, TheSocketLivesInAFolderOnlyTheUserCanWrite)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "morvane3-instance-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::string run = pattern + "/run";
    const std::string tmp = pattern + "/tmp";
    const std::string planted = tmp + "/morvane3-" + std::to_string(::getuid());
    std::filesystem::create_directories(run);
    std::filesystem::create_directories(tmp);
    ::setenv("TMPDIR", tmp.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);

    ::chmod(run.c_str(), 0700);
    EXPECT_TRUE(morvane::SingleInstance::defaultName().startsWith(QString::fromStdString(run + "/")));

    ::chmod(run.c_str(), 0777); // a runtime folder others may write is no better than /tmp
    EXPECT_TRUE(morvane::SingleInstance::defaultName().startsWith(QString::fromStdString(planted + "/")));
    struct stat info {};
    ASSERT_EQ(::stat(planted.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ::chmod(planted.c_str(), 0777); // as if another user had made it first
    EXPECT_TRUE(morvane::SingleInstance::defaultName().isEmpty());

    ::unsetenv("TMPDIR");
    ::unsetenv("XDG_RUNTIME_DIR");
    std::filesystem::remove_all(pattern);
}

} // namespace
