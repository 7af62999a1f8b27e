// Apply into a settings file that refuses to be written: the user hears of it
// once, and the choices hold for the rest of the run.
#include <sqlite3.h>

#include <algorithm>

#include "dialog_harness.h"

using namespace testutil;

TEST(SettingsDialog, ApplyIntoAFileThatRefusesWritesSaysSoOnce)
{
    DialogHarness h;
    h.config().save("Timer", "5");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(h.path("settings.db").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "CREATE TRIGGER a BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;"
                 "CREATE TRIGGER b BEFORE UPDATE ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const auto dialog = h.open();
    ::testing::internal::CaptureStderr();
    click(dialog.get(), "CmdApply");
    click(dialog.get(), "CmdApply");
    ::testing::internal::GetCapturedStderr();
    const auto said = std::count_if(h.dialogs.messages.begin(), h.dialogs.messages.end(),
                                    [](const auto& m) { return m.text.find("cannot be used") != std::string::npos; });
    EXPECT_EQ(said, 1);
    EXPECT_NE(h.stored("TextColor"), "<absent>") << "the choices hold in memory";
}
