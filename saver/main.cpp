#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "entry.h"
#include "settings_store.h"
#include "xscreensaver_file.h"

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const morvane::CommandLine line = morvane::readCommandLine(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    for (const std::string& complaint : line.complaints)
        std::fprintf(stderr, "%s\n", complaint.c_str());

    // What needs no window is done before anything opens the display.
    switch (line.launch) {
    case morvane::Launch::Help:
        std::fputs(morvane::usageText().c_str(), stdout);
        return 0;
    case morvane::Launch::Version:
        std::printf("Morvane3 %s\n", MORVANE3_VERSION);
        return 0;
    case morvane::Launch::AddToXScreenSaver:
    case morvane::Launch::RemoveFromXScreenSaver: {
        const char* home = std::getenv("HOME");
        return morvane::updateXScreenSaverFile(std::string(home ? home : ".") + "/.xscreensaver",
                                               line.launch == morvane::Launch::AddToXScreenSaver, std::cout, std::cerr);
    }
    default:
        break;
    }
    if (!line.display.empty())
        ::setenv("DISPLAY", line.display.c_str(), 1);

    // The options are read above: Qt sees none of them (it would take --style
    // for a widget style and --display for its own).
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane3"));
    // Task switchers and docks match the windows to the menu entry and its icon;
    // the icon theme's copy wins, the built-in artwork stands in for a build tree.
    QGuiApplication::setDesktopFileName(QStringLiteral("morvane3-settings"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("morvane3"), QIcon(QStringLiteral(":/pieces/classic/wk.svg"))));
    morvane::SettingsStore store(morvane::SettingsStore::defaultPath());
    return morvane::runEntry(app, store, line);
}
