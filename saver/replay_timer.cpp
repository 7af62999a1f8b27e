#include "replay_timer.h"

namespace morvane {

ReplayTimer::ReplayTimer(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    connect(&timer_, &QTimer::timeout, this, &ReplayTimer::Timer);
}

void ReplayTimer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    sync();
}

void ReplayTimer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (timer_.isActive())
        timer_.stop();
    sync();
}

void ReplayTimer::hold(bool on)
{
    held_ += on ? 1 : -1;
    sync();
}

void ReplayTimer::sync()
{
    if (enabled_ && interval_ > 0 && held_ == 0) {
        if (!timer_.isActive())
            timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace morvane
