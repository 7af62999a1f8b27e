#pragma once
// One settings dialog over its own settings file and data folder in a temporary
// directory, with scripted dialogs and recorders for links and sounds.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "frm_settings.h"
#include "scripted_dialogs.h"
#include "settings_store.h"
#include "test_data.h"

namespace testutil {

inline std::string dataPgn(const std::string& name)
{
    const std::string path = (testdata::pgnFolder() / name).string();
    if (!std::filesystem::is_regular_file(path))
        ADD_FAILURE() << "missing test data: " << path;
    return path;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// LF line ends turned into CR LF (lines already ending in CR LF stay as they are).
inline std::string withCrLf(const std::string& text)
{
    return QByteArray::fromStdString(text).replace("\r\n", "\n").replace("\n", "\r\n").toStdString();
}

class DialogHarness {
public:
    DialogHarness()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("app"));
        appPath = dir_.path().toStdString() + "/app/";
        writeBytes(appPath + "default.pgn", readBytes(dataPgn("100_best_games.pgn")));
        store = std::make_unique<morvane::SettingsStore>(dir_.path().toStdString() + "/settings.db");
    }

    std::string path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
    morvane::Config config() { return morvane::Config(*store); }

    // A stored value, or "<absent>".
    std::string stored(const std::string& key) { return config().get(key, "<absent>"); }

    // On the scripted dialogs, or on `real` ones.
    std::unique_ptr<morvane::FrmSettings> open(morvane::Dialogs* real = nullptr)
    {
        morvane::FrmSettings::Services services;
        services.openUrl = [this](const QString& a) { openedUrls.push_back(a); };
        services.playSound = [this](const QString& f) { playedSounds.push_back(f); };
        services.playMoveSound = playMoveSound;
        auto dialog = std::make_unique<morvane::FrmSettings>(*store, real ? *real : dialogs,
                                                             QString::fromStdString(appPath), std::move(services));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<morvane::SettingsStore> store;
    std::string appPath;
    std::vector<QString> openedUrls;
    std::vector<QString> playedSounds;
    std::function<void(int)> playMoveSound; // the game editor, which is the program's own, plays through it

private:
    QTemporaryDir dir_;
};

template <typename T = QWidget> T* child(QWidget* dialog, const char* name)
{
    T* w = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

// Brings the control's tab to the front and clicks it as a user would.
inline void click(QWidget* dialog, const char* name)
{
    QWidget* w = child(dialog, name);
    if (!w)
        return;
    auto* tabs = child<QTabWidget>(dialog, "SSTab1");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(w))
            tabs->setCurrentIndex(i);
    ASSERT_TRUE(w->isVisible()) << name << " is not visible";
    ASSERT_TRUE(w->isEnabled()) << name << " is disabled";
    // A check box answers on its box and caption, at its left end.
    const QPoint at = qobject_cast<QCheckBox*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// A test with one dialog open on a harness of its own.
class OpenDialog : public ::testing::Test {
protected:
    DialogHarness h;
    std::unique_ptr<morvane::FrmSettings> dialog = h.open();
    QWidget* d = dialog.get();
};

// The dialog opened and `file` imported through PGN Import.
inline std::unique_ptr<morvane::FrmSettings> openImported(DialogHarness& h, const std::string& file)
{
    auto dialog = h.open();
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");
    return dialog;
}

inline void type(QWidget* dialog, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(dialog, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline QString textOf(QWidget* dialog, const char* name)
{
    QWidget* w = child(dialog, name);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    return {};
}

// The move lines the game-entry tab lists.
inline std::vector<std::string> listed(QWidget* dialog)
{
    std::vector<std::string> lines;
    auto* list = child<QListWidget>(dialog, "List2");
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

// One move pair typed on the game-entry tab and entered with Update.
inline void enterMoves(QWidget* dialog, const QString& white, const QString& black)
{
    type(dialog, "WhiteMove", white);
    type(dialog, "BlackMove", black);
    click(dialog, "Update");
}

// The colour a user sees in the middle of a widget.
inline QColor colourOf(QWidget* w)
{
    const QImage image = w->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace testutil
