#pragma once
// Timer1 and Timer2: a timer that runs only while it is enabled and has an
// interval above 0 (an interval of 0 or less stops the replay at that point
// rather than firing without pause). Changing the interval of a running timer
// starts its count again.

#include <QTimer>

namespace morvane {

class ReplayTimer : public QObject {
    Q_OBJECT
public:
    explicit ReplayTimer(const QString& name, QObject* parent = nullptr);

    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    bool isRunning() const { return timer_.isActive(); }
    // While held (calls nest) the timer does not fire; released, it counts its
    // interval afresh if it is still enabled.
    void hold(bool on);

signals:
    void Timer();

private:
    void sync();

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
    int held_ = 0;
};

} // namespace morvane
