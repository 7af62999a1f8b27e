#include "entry.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "cursor_visibility.h"
#include "foreign_window.h"
#include "frm_settings.h"
#include "host_input.h"
#include "move_sounds.h"
#include "qt_dialogs.h"
#include "qt_sound_output.h"
#include "saver_window.h"
#include "screen_covers.h"
#include "settings_store.h"
#include "single_instance.h"
#include "store_settings.h"

namespace morvane {

ProgramState& programState()
{
    static ProgramState state;
    return state;
}

namespace {

std::string commandLineOf(const QApplication& app)
{
    QStringList args = app.arguments();
    args.removeFirst();
    return args.join(QLatin1Char(' ')).toStdString();
}

std::vector<std::string> argumentsOf(const QApplication& app)
{
    std::vector<std::string> args;
    for (const QString& arg : app.arguments().mid(1))
        args.push_back(arg.toStdString());
    return args;
}

// The folder the data files came with: beside the program in the build tree,
// under the install prefix's share folder once installed.
std::string programFolder()
{
    return installedDataFolder(QCoreApplication::applicationDirPath().toStdString(), [](const std::string& folder) {
        return QFileInfo::exists(QString::fromStdString(folder) + QStringLiteral("/default.pgn"));
    });
}

// Tests ask the program to stop by itself after a while and to name what it showed.
void armTestHooks(QApplication& app)
{
    const int exitAfter = qEnvironmentVariableIntValue("MORVANE3_EXIT_AFTER_MS");
    if (exitAfter <= 0)
        return;
    QTimer::singleShot(exitAfter, &app, [] {
        if (qEnvironmentVariableIsSet("MORVANE3_REPORT_WINDOWS")) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    std::printf("window: %s\n", qPrintable(w->windowTitle()));
            std::printf("mode: %d\n", static_cast<int>(programState().runMode));
            std::fflush(stdout);
        }
        QCoreApplication::exit(0);
    });
}

// Benchmarks ask when the first game stood on the screen: the wall-clock time,
// in milliseconds since the epoch, once the board's first paint is done.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                std::printf("first game drawn: %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
            });
        }
        return false;
    }
};

void reportFirstPaint(SaverWindow& saver)
{
    if (!qEnvironmentVariableIsSet("MORVANE3_REPORT_FIRST_PAINT"))
        return;
    if (QWidget* board = saver.findChild<QWidget*>(QStringLiteral("Board")))
        board->installEventFilter(new FirstPaintReporter(&saver));
}

// The preview stands a little inside its host's window, as the host's dialog expects.
constexpr QPoint kPreviewOffset(20, 2);

// The host destroys its window without telling us; the preview then has nothing
// left to show and ends.
void watchHost(QApplication& app, WId host)
{
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [host] {
        if (!foreignWindowExists(host))
            QCoreApplication::exit(0);
    });
    poll->start(500);
}

QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

// What the program's windows share for as long as it runs.
class Program {
public:
    Program(QApplication& app, SettingsStore& store, const ProgramState& state)
        : app_(app), store_(store), state_(state), settings_(store), sounds_(settings_, soundOutput_, state.appPath)
    {
    }

    void openSettings(bool onImportTab)
    {
        if (!dialog_) {
            FrmSettings::Services services;
            // The editor's promotion sound goes where the Saver's move sounds go.
            services.playMoveSound = [this](int kind) { sounds_.PlayMoveSound(kind); };
            dialog_ = std::make_unique<FrmSettings>(store_, settingsDialogs_, QString::fromStdString(state_.appPath),
                                                    std::move(services));
            settingsDialogs_.setOwner(dialog_.get());
            QObject::connect(dialog_.get(), &FrmSettings::closed, &app_, &QCoreApplication::quit);
        }
        if (onImportTab)
            dialog_->selectTab(FrmSettings::PgnImportPage);
        dialog_->show();
        dialog_->raise();
    }

    SaverWindow& createSaver(RunMode mode, QSize size = screenSize())
    {
        saver_ = std::make_unique<SaverWindow>(
            mode, size, SaverWindow::Services{settings_, saverDialogs_, &sounds_, state_.appPath});
        saverDialogs_.setOwner(saver_.get());
        QObject::connect(saver_.get(), &SaverWindow::settingsDialogRequested, &app_, [this] { openSettings(false); });
        QObject::connect(saver_.get(), &SaverWindow::endRequested, &app_, [] { QCoreApplication::exit(0); });
        return *saver_;
    }

private:
    QApplication& app_;
    SettingsStore& store_;
    const ProgramState& state_;
    StoreSettings settings_;
    QtSoundOutput soundOutput_;
    MoveSounds sounds_;
    QtDialogs saverDialogs_;
    QtDialogs settingsDialogs_;
    std::unique_ptr<FrmSettings> dialog_;
    std::unique_ptr<SaverWindow> saver_;
};

// XScreenSaver's window: the Saver at the window's full size, ending with it.
int startInHostWindow(QApplication& app, Program& program, const HostWindowRequest& request)
{
    if (!request.window) {
        std::fprintf(stderr, "morvane3: XSCREENSAVER_WINDOW or --window-id names no window to draw in.\n");
        return 2;
    }
    const WId host = static_cast<WId>(*request.window);
    const std::optional<QSize> hostSize = foreignWindowSize(host);
    if (!hostSize) {
        std::fprintf(stderr, "morvane3: there is no window 0x%lx to draw in.\n", static_cast<unsigned long>(host));
        return 2;
    }
    SaverWindow& saver = program.createSaver(RunMode::FullScreen, *hostSize);
    saver.setWindowTitle(QStringLiteral("Morvane 3"));
    if (!embedInto(&saver, host, QPoint(0, 0), *hostSize)) {
        std::fprintf(stderr, "morvane3: there is no window 0x%lx to draw in.\n", static_cast<unsigned long>(host));
        return 2;
    }
    new HostInput(&saver);
    watchHost(app, host);
    saver.Timer2_Timer();
    reportFirstPaint(saver);
    return 0;
}

} // namespace

int runEntry(QApplication& app, SettingsStore& store)
{
    ProgramState& state = programState();
    const Config config(store);
    state.appPath = dataFolder(config.get("AppPath", programFolder()), programFolder());

    const std::string line = commandLineOf(app);
    state.runMode = runModeFor(line);
    armTestHooks(app);

    Program program(app, store, state);
    SingleInstance instance;

    const HostWindowRequest hosted = hostWindowFor(argumentsOf(app), std::getenv("XSCREENSAVER_WINDOW"));
    if (hosted.requested) {
        state.runMode = RunMode::FullScreen;
        if (const int status = startInHostWindow(app, program, hosted); status != 0)
            return status;
        return QApplication::exec();
    }

    switch (state.runMode) {
    case RunMode::Settings:
    case RunMode::SettingsOnImport:
        program.openSettings(state.runMode == RunMode::SettingsOnImport);
        break;
    case RunMode::FullScreen: {
        if (instance.anotherIsRunning())
            return 0;
        instance.claim();
        SaverWindow& saver = program.createSaver(state.runMode);
        saver.setWindowTitle(QStringLiteral("Morvane 3"));
        saver.setWindowFlag(Qt::FramelessWindowHint);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            saver.setGeometry(screen->geometry());
        saver.showFullScreen();
        new ScreenCovers(&saver);
        CursorVisibility::hide();
        saver.Timer2_Timer();
        reportFirstPaint(saver);
        break;
    }
    case RunMode::Preview: {
        const auto handle = ParseWindowHandle(upperCased(trimmed(line)));
        if (!handle || *handle == 0) {
            std::fprintf(stderr,
                         "morvane3: /P needs the id of the window to draw the preview in, as in \"/P 1234\".\n");
            return 2;
        }
        const WId host = static_cast<WId>(*handle);
        const std::optional<QSize> hostSize = foreignWindowSize(host);
        if (!hostSize) {
            std::fprintf(stderr, "morvane3: there is no window %lld to draw the preview in.\n",
                         static_cast<long long>(*handle));
            return 2;
        }
        SaverWindow& saver = program.createSaver(state.runMode);
        saver.setWindowTitle(QStringLiteral("Morvane 3") + QStringLiteral(" Preview"));
        saver.setUpPreview();
        if (!embedInto(&saver, host, kPreviewOffset, *hostSize)) {
            std::fprintf(stderr, "morvane3: there is no window %lld to draw the preview in.\n",
                         static_cast<long long>(*handle));
            return 2;
        }
        watchHost(app, host);
        saver.NewGame();
        saver.Timer2_Timer();
        break;
    }
    }
    const int status = QApplication::exec();
    CursorVisibility::show();
    return status;
}

} // namespace morvane
