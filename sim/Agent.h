#pragma once
// The SNMP agent: net-snmp's agent library answering from the device model,
// with the communities and the USM user the simulator was started with.
#include <functional>
#include <string>

#include "sim/DeviceModel.h"
#include "sim/Faults.h"

namespace sim {

struct AgentSettings {
    std::string readCommunity = "quorin";
    std::string writeCommunity = "sabrent";
    std::string user;          // empty: no SNMPv3 user
    std::string auth;          // MD5 | SHA | empty
    std::string authPass;
    std::string priv;          // DES | AES | empty
    std::string privPass;
    std::string dataFolder;    // net-snmp's persistent folder
};

class Agent {
public:
    Agent(DeviceModel& model, Faults& faults, std::function<void(const std::string&)> log);

    // Starts the agent on 127.0.0.1 at a free port and returns that port.
    // Raises std::runtime_error when it cannot.
    int Start(const AgentSettings& settings, const Oid& deviceRoot);
    void Stop();

    DeviceModel& Model() { return model_; }
    Faults& FaultState() { return faults_; }
    void Log(const std::string& line) { log_(line); }

private:
    DeviceModel& model_;
    Faults& faults_;
    std::function<void(const std::string&)> log_;
};

} // namespace sim
