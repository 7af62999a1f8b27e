// The real program, started as its host would start it, on an offscreen display.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
};

std::string tempSettings()
{
    static int n = 0;
    return (std::filesystem::temp_directory_path() /
            ("morvane3-entry-" + std::to_string(::getpid()) + "-" + std::to_string(++n) + ".db"))
        .string();
}

// The full-screen saver allows one copy per home folder; runs that may overlap
// (other suites run at the same time) each get a home of their own.
std::string tempHome()
{
    static int n = 0;
    const auto home = std::filesystem::temp_directory_path() /
                      ("morvane3-home-" + std::to_string(::getpid()) + "-" + std::to_string(++n));
    std::filesystem::create_directories(home);
    return home.string();
}

ProgramRun runProgram(const std::string& args, int exitAfterMs = 1500, const std::string& settings = tempSettings(),
                      const std::string& home = tempHome())
{
    const std::string cmd = "HOME='" + home + "' MORVANE3_SETTINGS='" + settings +
                            "' MORVANE3_EXIT_AFTER_MS=" + std::to_string(exitAfterMs) +
                            " MORVANE3_REPORT_WINDOWS=1 QT_QPA_PLATFORM=offscreen '" + MORVANE3_BINARY + "' " + args +
                            " 2>&1";
    ProgramRun run;
    FILE* pipe = ::popen(cmd.c_str(), "r");
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe))
        run.out += buf;
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

bool shows(const ProgramRun& run, const std::string& title)
{
    return run.out.find("window: " + title + "\n") != std::string::npos;
}

} // namespace

TEST(ProgramStart, EachSwitchOpensItsWindow)
{
    const struct {
        const char* args;
        const char* title;
        int mode;
    } rows[] = {
        {"", "Morvane 3.0 Settings", 1},   {"/c:1234", "Morvane 3.0 Settings", 1}, {"' /s '", "Morvane 3", 2},
        {"/e", "Morvane 3.0 Settings", 5}, {"whatever", "Morvane 3", 2},
    };
    for (const auto& row : rows) {
        const ProgramRun run = runProgram(row.args);
        EXPECT_EQ(run.status, 0) << row.args << "\n" << run.out;
        EXPECT_TRUE(shows(run, row.title)) << row.args << "\n" << run.out;
        EXPECT_NE(run.out.find("mode: " + std::to_string(row.mode)), std::string::npos) << run.out;
    }
}

TEST(ProgramStart, PreviewWithoutAUsableWindowIsRefused)
{
    ProgramRun run = runProgram("/p");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("/P needs the id"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("window:"), std::string::npos);

    run = runProgram("/p 0");
    EXPECT_EQ(run.status, 2);
    run = runProgram("/p:1234"); // no such window on this display
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("no window 1234"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("window:"), std::string::npos);

    // XScreenSaver's settings preview naming no window, or one that is not there.
    for (const char* args : {"--window-id 0xzz", "-window-id 0x1234"}) {
        run = runProgram(args);
        EXPECT_EQ(run.status, 2) << args << "\n" << run.out;
        EXPECT_EQ(run.out.find("window:"), std::string::npos) << args;
    }
}

TEST(ProgramStart, ASecondFullScreenSaverEndsQuietly)
{
    const std::string home = tempHome();
    ProgramRun first;
    std::thread t([&] { first = runProgram("/s", 4000, tempSettings(), home); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const ProgramRun second = runProgram("/s", 1500, tempSettings(), home);
    t.join();
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out.find("window:"), std::string::npos) << "the second saver showed something";
    EXPECT_TRUE(shows(first, "Morvane 3")) << first.out;
    // Once the first has ended, a new one starts normally.
    EXPECT_TRUE(shows(runProgram("/s", 1500, tempSettings(), home), "Morvane 3"));
}
