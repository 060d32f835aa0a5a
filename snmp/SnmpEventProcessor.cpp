#include "snmp/SnmpEventProcessor.h"

namespace zt {

SnmpEventProcessor::SnmpEventProcessor(vcl::IEventLoop& loop, std::function<void()> processPendingEvents)
    : timer_(loop.CreateTimer([this] { Tick(); })), process_(std::move(processPendingEvents))
{
}

void SnmpEventProcessor::Start()
{
    running_ = true;
    timer_->Start(kIntervalMs);
}

void SnmpEventProcessor::Stop()
{
    running_ = false;
    timer_->Stop();
}

bool SnmpEventProcessor::IsRunning() const { return running_; }

void SnmpEventProcessor::Tick()
{
    timer_->Stop();
    if (process_)
        process_();
    if (running_)
        timer_->Start(kIntervalMs);
}

} // namespace zt
