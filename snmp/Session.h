#pragma once
// The module's one SNMP session: net-snmp's library state (local engine id and
// boots), the net-snmp sessions that requests open, and the event processor
// that services them on the GUI thread.
#include <map>
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
    // Refuses to run inside itself: answers never arrive within answers.
    // Returns whether requests are still outstanding.
    bool ProcessPendingEvents();
    bool Processing() const { return processing_; }
    bool HasOutstanding() const;
    // Waits at most maxMs for something to arrive on an attached session.
    void WaitForActivity(int maxMs);

    // The net-snmp session for a target, opened on first use and kept; the
    // asynchronous ones are attached. nullptr when it cannot be opened (result
    // tells why, in the result space of SnmpResult.h).
    void* SessionFor(const struct SnmpTarget& target, bool async, int& result);

    SnmpEventProcessor& EventProcessor() { return processor_; }
    vcl::IEventLoop& Loop() { return loop_; }
    std::uint32_t EngineBoots() const { return engineBoots_; }
    void SetEngineBoots(std::uint32_t boots) { engineBoots_ = boots; }

private:
    vcl::IEventLoop& loop_;
    SnmpEventProcessor processor_;
    std::vector<void*> sessions_;
    std::map<std::string, void*> opened_;
    std::uint32_t engineBoots_ = 0;
    bool processing_ = false;
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
