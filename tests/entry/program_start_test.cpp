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
    bool shows(const std::string& title) const { return out.find("window: " + title + "\n") != std::string::npos; }
};

// A folder of its own per run: the full-screen saver allows one copy per home folder, and other suites run
// at the same time.
std::string tempHome()
{
    static int n = 0;
    const auto home = std::filesystem::temp_directory_path() /
                      ("morvane3-home-" + std::to_string(::getpid()) + "-" + std::to_string(++n));
    std::filesystem::create_directories(home);
    return home.string();
}

ProgramRun runProgram(const std::string& args, int exitAfterMs = 1500, const std::string& home = tempHome())
{
    const std::string cmd = "HOME='" + home + "' MORVANE3_SETTINGS='" + tempHome() +
                            "/s.db' MORVANE3_EXIT_AFTER_MS=" + std::to_string(exitAfterMs) +
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

} // namespace

TEST(ProgramStart, EachSwitchOpensItsWindowAndAPreviewWithoutAUsableWindowIsRefused)
{
    const struct {
        const char* args;
        int status;
        const char* shown; // title, or "" for no window at all
        const char* output;
    } rows[] = {
        {"/c:1234", 0, "Morvane 3.0 Settings", "mode: 1"},
        {"/e", 0, "Morvane 3.0 Settings", "mode: 5"},
        {"/p", 2, "", "/P needs the id"},
        {"/p:1234", 2, "", "no window 1234"}, // no such window on this display
        {"--window-id 0xzz", 2, "", ""},
        {"-window-id 0x1234", 2, "", ""},
    };
    for (const auto& r : rows) {
        const ProgramRun run = runProgram(r.args);
        EXPECT_EQ(run.status, r.status) << r.args << "\n" << run.out;
        EXPECT_TRUE(*r.shown ? run.shows(r.shown) : run.out.find("window:") == std::string::npos) << r.args;
        EXPECT_NE(run.out.find(r.output), std::string::npos) << r.args << "\n" << run.out;
    }
}

TEST(ProgramStart, ASecondFullScreenSaverEndsQuietly)
{
    const std::string home = tempHome();
    ProgramRun first;
    std::thread t([&] { first = runProgram("/s", 4000, home); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const ProgramRun second = runProgram("/s", 1500, home);
    t.join();
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out.find("window:"), std::string::npos) << "the second saver showed something";
    EXPECT_TRUE(first.shows("Morvane 3")) << first.out;
    // Once the first has ended, a new one starts normally.
    EXPECT_TRUE(runProgram("/s", 1500, home).shows("Morvane 3"));
}
