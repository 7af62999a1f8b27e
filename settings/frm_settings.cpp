#include "frm_settings.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace morvane {

FrmSettings::FrmSettings(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Morvane 3.0 Settings"));
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    for (const char* caption : {"Setup", "Sound", "PGN Import", "Game Entry", "About"})
        SSTab1_->addTab(new QWidget, QString::fromLatin1(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_);
    resize(520, 440);
}

void FrmSettings::selectTab(Tab tab) { SSTab1_->setCurrentIndex(tab); }

int FrmSettings::currentTab() const { return SSTab1_->currentIndex(); }

}  // namespace morvane
