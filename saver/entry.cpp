#include "entry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

#include "foreign_window.h"
#include "frm_settings.h"
#include "saver_window.h"
#include "settings_store.h"
#include "single_instance.h"

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

std::string programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
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

}  // namespace

int runEntry(QApplication& app, SettingsStore& store)
{
    ProgramState& state = programState();
    const Config config(store);
    state.appPath = dataFolder(config.get("AppPath", programFolder()), programFolder());

    const std::string line = commandLineOf(app);
    state.runMode = runModeFor(line);
    armTestHooks(app);

    std::unique_ptr<FrmSettings> settings;
    std::unique_ptr<SaverWindow> saver;
    SingleInstance instance;

    switch (state.runMode) {
    case RunMode::Settings:
    case RunMode::SettingsOnImport:
        settings = std::make_unique<FrmSettings>();
        if (state.runMode == RunMode::SettingsOnImport)
            settings->selectTab(FrmSettings::PgnImportTab);
        settings->show();
        break;
    case RunMode::FullScreen: {
        if (instance.anotherIsRunning())
            return 0;
        instance.claim();
        saver = std::make_unique<SaverWindow>();
        saver->setWindowTitle(QStringLiteral("Morvane 3"));
        saver->setWindowFlag(Qt::FramelessWindowHint);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            saver->setGeometry(screen->geometry());
        saver->showFullScreen();
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        saver->Timer2_Timer();
        break;
    }
    case RunMode::Preview: {
        const auto handle = ParseWindowHandle(upperCased(trimmed(line)));
        if (!handle || *handle == 0) {
            std::fprintf(stderr, "morvane3: /P needs the id of the window to draw the preview in, as in \"/P 1234\".\n");
            return 2;
        }
        const WId host = static_cast<WId>(*handle);
        const std::optional<QSize> hostSize = foreignWindowSize(host);
        saver = std::make_unique<SaverWindow>();
        saver->setWindowTitle(QStringLiteral("Morvane 3") + QStringLiteral(" Preview"));
        if (!hostSize || !embedInto(saver.get(), host, kPreviewOffset, *hostSize)) {
            std::fprintf(stderr, "morvane3: there is no window %lld to draw the preview in.\n",
                         static_cast<long long>(*handle));
            return 2;
        }
        watchHost(app, host);
        saver->Timer2_Timer();
        break;
    }
    }
    const int status = QApplication::exec();
    QGuiApplication::restoreOverrideCursor();
    return status;
}

}  // namespace morvane
