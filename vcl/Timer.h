#pragma once
// A timer with the toolkit's rules: enabled when created, fires OnTimer every
// Interval milliseconds while enabled and an interval is set.
#include <functional>
#include <memory>

class QTimer;

namespace vcl {

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::function<void()> OnTimer;

    bool IsTicking() const;

private:
    void Update();

    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = true;
};

} // namespace vcl
