#pragma once
// Delivers asynchronous SNMP answers on the GUI thread: a 20 ms timer whose
// tick lets the session process whatever has arrived or timed out.
#include <functional>
#include <memory>

#include "vcl/core/EventLoop.h"

namespace zt {

class SnmpEventProcessor {
public:
    static constexpr int kIntervalMs = 20;

    SnmpEventProcessor(vcl::IEventLoop& loop, std::function<void()> processPendingEvents);

    void Start();
    void Stop();
    bool IsRunning() const;
    // One tick: the timer is off while events are processed, so ticks never nest.
    void Tick();

private:
    std::unique_ptr<vcl::ILoopTimer> timer_;
    std::function<void()> process_;
    bool running_ = false;
};

} // namespace zt
