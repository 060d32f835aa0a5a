#pragma once
// Delivers asynchronous SNMP answers on the GUI thread: a 20 ms timer whose
// tick lets the session process whatever has arrived or timed out. While no
// request is outstanding the timer sleeps; sending one wakes it.
#include <functional>
#include <memory>

#include "vcl/core/EventLoop.h"

namespace zt {

class SnmpEventProcessor {
public:
    static constexpr int kIntervalMs = 20;

    // processPendingEvents returns whether requests are still outstanding.
    SnmpEventProcessor(vcl::IEventLoop& loop, std::function<bool()> processPendingEvents);

    void Start();
    void Stop();
    bool IsRunning() const;
    // A request went out: tick until it is answered or timed out.
    void Wake();
    bool IsTicking() const { return timer_->IsActive(); }
    // One tick: the timer is off while events are processed, so ticks never nest.
    void Tick();

private:
    std::unique_ptr<vcl::ILoopTimer> timer_;
    std::function<bool()> process_;
    bool running_ = false;
};

} // namespace zt
