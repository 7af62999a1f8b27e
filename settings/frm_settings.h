#pragma once
// The settings dialog. For now a plain window with its caption and tabs.

#include <QDialog>

class QTabWidget;

namespace morvane {

class FrmSettings : public QDialog {
    Q_OBJECT
public:
    enum Tab { SetupTab = 0, SoundTab = 1, PgnImportTab = 2, GameEntryTab = 3, AboutTab = 4 };
    explicit FrmSettings(QWidget* parent = nullptr);
    void selectTab(Tab tab);
    int currentTab() const;

private:
    QTabWidget* SSTab1_ = nullptr;
};

}  // namespace morvane
