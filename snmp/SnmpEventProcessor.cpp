#include "snmp/SnmpEventProcessor.h"

namespace zt {

SnmpEventProcessor::SnmpEventProcessor(vcl::IEventLoop& loop, std::function<bool()> processPendingEvents)
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

void SnmpEventProcessor::Wake()
{
    if (running_ && !timer_->IsActive())
        timer_->Start(kIntervalMs);
}

void SnmpEventProcessor::Tick()
{
    timer_->Stop();
    const bool outstanding = process_ ? process_() : false;
    if (running_ && outstanding)
        timer_->Start(kIntervalMs);
}

} // namespace zt
