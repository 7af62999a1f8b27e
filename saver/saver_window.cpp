#include "saver_window.h"

namespace morvane {

SaverWindow::SaverWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Saver"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

void SaverWindow::Timer2_Timer() {}

}  // namespace morvane
