#pragma once
// The access point's objects and what writing them does: pending settings,
// apply, discard, restart, factory defaults, the AP-mode status, the
// associated-client table.
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/Profile.h"

namespace sim {

enum class Restart { None, Apply, Discard, Reboot, Factory };

struct TftpRequest {
    long command = 0;            // 2 Get, 3 Put, 5 putacl
    std::string serverAddress;   // dotted
    std::string fileName;
};

class DeviceModel {
public:
    using Clock = std::chrono::steady_clock;

    DeviceModel(Profile profile, int clients);   // clients < 0: the profile's row counts

    // The value a read returns (a pending one once written), or nullopt.
    std::optional<WireValue> Get(const Oid& id) const;
    // The first object after id below root, or nullopt.
    std::optional<std::pair<Oid, WireValue>> Next(const Oid& id, const Oid& root) const;
    bool Exists(const Oid& id) const { return objects_.count(id) != 0; }
    std::string NameOf(const Oid& id) const;
    Action ActionOf(const Oid& id) const;

    // The error status a write of the value would get (SNMP_ERR_NOERROR when it is accepted).
    int CheckSet(const Oid& id, const WireValue& value) const;
    // Stores an accepted write and sets off what it sets off.
    void Set(const Oid& id, const WireValue& value);

    // A restart the last writes asked for (taken once).
    Restart TakeRestartRequest();
    // The device comes back: pending settings are gone, the uptime restarts,
    // the 2.4 GHz radio is active.
    void FinishRestart(Restart kind);
    // A transfer the last writes asked for (taken once).
    std::optional<TftpRequest> TakeTftpRequest();
    // Writes of tftpUpgradeSettingCommand wait for the transfer in progress;
    // the callback gives its outcome (true: ended well).
    std::function<bool()> waitForTransfer;
    std::string ConfigurationText() const;

    std::size_t ObjectCount() const { return objects_.size(); }

private:
    struct Object {
        const ObjectSpec* spec;
        WireValue committed;
        std::optional<WireValue> pending;
        std::optional<WireValue> overlay;   // a volatile value, gone at restart
    };

    void AddTableRows(const TableSpec& table, int rows);
    Object* FindByName(const std::string& name);
    void RunAction(Object& object, const WireValue& value);

    Profile profile_;
    std::vector<ObjectSpec> tableSpecs_;
    std::map<Oid, Object> objects_;
    Clock::time_point bootTime_;
    Restart restartRequest_ = Restart::None;
    std::optional<TftpRequest> tftpRequest_;
};

} // namespace sim
