#pragma once
// A Saver form on the offscreen platform, with settings in memory, scripted
// message boxes and a data folder of its own holding a few short games.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "memory_settings.h"
#include "saver_window.h"
#include "scripted_dialogs.h"

namespace savertest {

// Fool's mate, then a game that ends without a result.
inline constexpr const char* kGames = R"([Event "Spring Open"]
[Date "2020.03.01"]
[White "Amber, A."]
[Black "Basil, B."]
[Result "0-1"]

1. f3 e5 2. g4 Qh4# 0-1

[Event "Autumn Cup"]
[Date "2021.10.02"]
[White "Cato, C."]
[Black "Dido, D."]
[Result "*"]

1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *
)";

// A folder of its own, removed with everything in it at the end.
class TempDir {
public:
    const std::string& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ + name, std::ios::binary) << bytes;
    }

private:
    QTemporaryDir dir_;
    std::string path_ = dir_.path().toStdString() + "/";
};

class SaverTest : public ::testing::Test {
protected:
    void SetUp() override { data.write("default.pgn", kGames); }

    morvane::SaverWindow& makeSaver(int width = 1024, int height = 768,
                                    morvane::RunMode mode = morvane::RunMode::FullScreen)
    {
        saver = std::make_unique<morvane::SaverWindow>(
            mode, QSize(width, height), morvane::SaverWindow::Services{settings, dialogs, nullptr, data.path()});
        saver->resize(width, height);
        return *saver;
    }

    template <typename T = QWidget> T* child(const char* name) const
    {
        T* w = saver->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QRect rect(const char* name) const { return child(name)->geometry(); }
    // A rectangle in the form's own coordinates, for children of Picture1 too.
    QRect onForm(const char* name) const
    {
        QWidget* w = child(name);
        return QRect(w->mapTo(saver.get(), QPoint(0, 0)), w->size());
    }

    TempDir data;
    morvane::MemorySettings settings;
    testutil::ScriptedDialogs dialogs;
    std::unique_ptr<morvane::SaverWindow> saver;
};

} // namespace savertest
