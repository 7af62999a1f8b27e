#include "entry.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "cursor_visibility.h"
#include "foreign_window.h"
#include "frm_settings.h"
#include "host_input.h"
#include "move_sounds.h"
#include "override_settings.h"
#include "qt_dialogs.h"
#include "qt_sound_output.h"
#include "quiet_dialogs.h"
#include "replay_engine.h"
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
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* saver = qobject_cast<SaverWindow*>(w))
                    std::printf("game: %d\n", static_cast<int>(saver->engine().GameNumber));
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

// Whether the command line draws into XScreenSaver's window.
bool inHostWindow(const CommandLine& line)
{
    return line.launch == Launch::HostWindow;
}

// What the program's windows share for as long as it runs.
class Program {
public:
    Program(QApplication& app, SettingsStore& store, const ProgramState& state, const CommandLine& line)
        : app_(app), store_(store), state_(state), line_(line), stored_(store), settings_(stored_),
          sounds_(settings_, soundOutput_, state.appPath)
    {
        for (const auto& [key, value] : line.settings)
            settings_.set(key, value);
        // Display modes are silent by convention, and XScreenSaver starts one copy per monitor.
        if (inHostWindow(line) && !line.soundGiven)
            settings_.set("sound", "1");
        if (!line.pgnFile.empty())
            settings_.keepGameListInMemory();
        quietDialogs_.setStatus([this](const std::string& text) {
            if (saver_)
                saver_->showStatusLine(text);
        });
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
        const bool hosted = inHostWindow(line_);
        Dialogs& dialogs = hosted ? static_cast<Dialogs&>(quietDialogs_) : saverDialogs_;
        saver_ = std::make_unique<SaverWindow>(mode, size,
                                               SaverWindow::Services{settings_, dialogs, &sounds_, state_.appPath});
        saverDialogs_.setOwner(saver_.get());
        if (hosted) {
            // Nobody could use a settings dialog there.
            QObject::connect(saver_.get(), &SaverWindow::settingsDialogRequested, &app_,
                             [] { std::fprintf(stderr, "morvane3: there is no game to show.\n"); });
        } else {
            QObject::connect(saver_.get(), &SaverWindow::settingsDialogRequested, &app_,
                             [this] { openSettings(false); });
        }
        QObject::connect(saver_.get(), &SaverWindow::endRequested, &app_, [] { QCoreApplication::exit(0); });
        chooseGames(*saver_);
        return *saver_;
    }

private:
    // The games of --pgn, indexed for this run, and the first game to show.
    void chooseGames(SaverWindow& saver)
    {
        ReplayEngine& engine = saver.engine();
        if (!line_.pgnFile.empty()) {
            std::string path = QFileInfo(QString::fromStdString(line_.pgnFile)).absoluteFilePath().toStdString();
            if (!engine.EnumDefault(path) || games() < 1) {
                std::fprintf(stderr, "morvane3: there are no games to read in \"%s\"; playing the bundled games.\n",
                             line_.pgnFile.c_str());
                path = state_.appPath + "default.pgn";
                engine.EnumDefault(path);
            }
            settings_.save("PGNFile", path);
        }
        // A first start in XScreenSaver's window finds the stored list empty: the
        // bundled games are indexed now, as the first load would, so that even
        // the first start can begin at random.
        if (inHostWindow(line_) && line_.pgnFile.empty() && games() < 1 &&
            settings_.get("PGNFile", "no file") == "no file") {
            std::string bundled = state_.appPath + "default.pgn";
            if (engine.EnumDefault(bundled))
                settings_.save("PGNFile", bundled);
        }
        const std::int64_t count = games();
        if (line_.firstGiven && count > 0 && engine.GameNumber >= count) {
            std::fprintf(stderr, "morvane3: --first %d: there are %lld games; starting with game 1.\n",
                         static_cast<int>(engine.GameNumber + 1), static_cast<long long>(count));
            engine.GameNumber = 0;
        }
        // Each copy its own generator: two monitors, or two activations, show different games.
        if (inHostWindow(line_) && !line_.firstGiven && count > 0) {
            std::seed_seq seed{static_cast<std::uint64_t>(std::random_device{}()),
                               static_cast<std::uint64_t>(::getpid()),
                               static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
            std::mt19937_64 generator(seed);
            engine.GameNumber =
                static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(0, count - 1)(generator));
        }
    }

    std::int64_t games()
    {
        const double n = numericValue(settings_.get("NumOfGames", ""));
        return n >= 1 && n < 2147483647.0 ? static_cast<std::int64_t>(n) : 0;
    }

    QApplication& app_;
    SettingsStore& store_;
    const ProgramState& state_;
    const CommandLine& line_;
    StoreSettings stored_;
    OverrideSettings settings_;
    QtSoundOutput soundOutput_;
    MoveSounds sounds_;
    QtDialogs saverDialogs_;
    QuietDialogs quietDialogs_;
    QtDialogs settingsDialogs_;
    std::unique_ptr<FrmSettings> dialog_;
    std::unique_ptr<SaverWindow> saver_;
};

// Logical pixels for `device` pixels: rounded up, so the Saver covers every pixel.
QSize logicalSize(QSize device, qreal ratio)
{
    return {static_cast<int>(std::ceil(device.width() / ratio)), static_cast<int>(std::ceil(device.height() / ratio))};
}

// XScreenSaver's window: the Saver filling the window at any device-pixel
// ratio, following its size, ending with it.
int startInHostWindow(QApplication& app, Program& program, const CommandLine& line)
{
    if (!line.window) {
        std::fprintf(stderr, "morvane3: XSCREENSAVER_WINDOW or --window-id names no window to draw in.\n");
        return 2;
    }
    const WId host = static_cast<WId>(*line.window);
    const std::optional<QSize> hostSize = foreignWindowSize(host);
    if (!hostSize) {
        std::fprintf(stderr, "morvane3: there is no window 0x%lx to draw in.\n", static_cast<unsigned long>(host));
        return 2;
    }
    const qreal ratio = app.devicePixelRatio();
    const QSize size = logicalSize(*hostSize, ratio);
    SaverWindow& saver = program.createSaver(RunMode::FullScreen, size);
    saver.setWindowTitle(QStringLiteral("Morvane 3"));
    saver.setFollowsSize(true);
    saver.setKeepsPlaying(true);
    if (!embedInto(&saver, host, QPoint(0, 0), size)) {
        std::fprintf(stderr, "morvane3: there is no window 0x%lx to draw in.\n", static_cast<unsigned long>(host));
        return 2;
    }
    followForeignResize(host, &saver, [&saver, ratio](QSize device) { saver.resize(logicalSize(device, ratio)); });
    new HostInput(&saver);
    watchHost(app, host);
    saver.Timer2_Timer();
    reportFirstPaint(saver);
    return 0;
}

// --window: an ordinary window that plays like the saver and ends when closed.
void startInOwnWindow(Program& program)
{
    // 800 x 600, or less on a screen too small to show all of it.
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    SaverWindow& saver = program.createSaver(RunMode::FullScreen, size);
    saver.setWindowTitle(QStringLiteral("Morvane 3"));
    saver.setFollowsSize(true);
    saver.resize(size);
    new HostInput(&saver, true);
    saver.show();
    saver.Timer2_Timer();
    reportFirstPaint(saver);
}

} // namespace

int runEntry(QApplication& app, SettingsStore& store, const CommandLine& line)
{
    ProgramState& state = programState();
    const Config config(store);
    state.appPath = dataFolder(config.get("AppPath", programFolder()), programFolder());

    state.runMode = line.launch == Launch::Switches ? line.runMode() : RunMode::FullScreen;
    armTestHooks(app);

    Program program(app, store, state, line);
    SingleInstance instance;

    if (line.launch == Launch::HostWindow) {
        if (const int status = startInHostWindow(app, program, line); status != 0)
            return status;
        return QApplication::exec();
    }
    if (line.launch == Launch::OwnWindow) {
        startInOwnWindow(program);
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
        const auto handle = ParseWindowHandle(upperCased(trimmed(line.switches)));
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
