#include <QApplication>

#include "entry.h"
#include "settings_store.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane3"));
    morvane::SettingsStore store(morvane::SettingsStore::defaultPath());
    return morvane::runEntry(app, store);
}
