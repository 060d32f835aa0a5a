#pragma once
// The module's one SNMP session: net-snmp's library state (local engine id and
// boots), the net-snmp sessions that requests open, and the event processor
// that services them on the GUI thread.
#include <string>
#include <vector>

#include "snmp/SnmpEventProcessor.h"
#include "vcl/core/EventLoop.h"

namespace zt {

inline constexpr const char* kLocalEngineId = "ZtSNMP_PP_Application";

class ZtSnmpSession {
public:
    explicit ZtSnmpSession(vcl::IEventLoop& loop);
    ~ZtSnmpSession();
    ZtSnmpSession(const ZtSnmpSession&) = delete;
    ZtSnmpSession& operator=(const ZtSnmpSession&) = delete;

    // net-snmp single-session handles (snmp_sess_open) whose answers and
    // time-outs the event processor delivers.
    void Attach(void* netSnmpSession);
    void Detach(void* netSnmpSession);
    // Reads what has arrived and runs the time-outs of every attached session.
    void ProcessPendingEvents();

    SnmpEventProcessor& EventProcessor() { return processor_; }
    vcl::IEventLoop& Loop() { return loop_; }
    std::uint32_t EngineBoots() const { return engineBoots_; }
    void SetEngineBoots(std::uint32_t boots) { engineBoots_ = boots; }

private:
    vcl::IEventLoop& loop_;
    SnmpEventProcessor processor_;
    std::vector<void*> sessions_;
    std::uint32_t engineBoots_ = 0;
};

// Creates the global session: boots counter in folder (empty: the working
// directory), local engine, defaults of the launch settings, event processor.
// Raises -506, -507 or -508 as an exception.
ZtSnmpSession& CreateSession(const std::string& folder, vcl::IEventLoop& loop);

// The global session, or nullptr before CreateSession.
ZtSnmpSession* GlobalSession();

// Ends the global session (program end, or between tests).
void DestroySession();

} // namespace zt
