#include "progress_box.h"

#include <QCoreApplication>

#include <algorithm>

namespace morvane {

namespace {

constexpr int kSteps = 1000;
constexpr qint64 kStepMs = 50; // the event loop runs at least this often

} // namespace

ProgressBox::ProgressBox(QWidget* owner, const QString& text) : box_(text, QString(), 0, kSteps, owner)
{
    box_.setWindowModality(Qt::WindowModal);
    box_.setCancelButton(nullptr);
    box_.setMinimumDuration(500);
    box_.setAutoClose(false);
    box_.setValue(0);
    sinceStep_.start();
}

void ProgressBox::step(qint64 done, qint64 total)
{
    if (sinceStep_.elapsed() < kStepMs)
        return;
    sinceStep_.restart();
    const qint64 value = total > 0 ? done * kSteps / total : 0;
    box_.setValue(static_cast<int>(std::clamp<qint64>(value, 0, kSteps - 1)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace morvane
