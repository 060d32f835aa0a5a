#include "vcl/Timer.h"

#include <QTimer>

namespace vcl {

TTimer::TTimer() : timer_(std::make_unique<QTimer>())
{
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (OnTimer)
            OnTimer();
    });
    Update();
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms)
{
    interval_ = ms;
    Update();
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Update();
}

bool TTimer::IsTicking() const { return timer_->isActive(); }

void TTimer::Update()
{
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}

} // namespace vcl
