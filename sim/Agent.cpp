#include "sim/Agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

extern "C" {
void init_vacm_vars(void);
void init_usmUser(void);
}

namespace sim {
namespace {

const Oid kSystemGroup = {1, 3, 6, 1, 2, 1, 1};

Oid OidOf(const netsnmp_variable_list& vb) { return Oid(vb.name, vb.name + vb.name_length); }

int FreeLoopbackUdpPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw std::runtime_error("no free loopback port for the agent");
    }
    ::close(fd);
    return ntohs(address.sin_port);
}

// One log line per request, naming every variable it asked for.
class RequestLog {
public:
    RequestLog(Agent& agent, const char* kind) : agent_(agent), line_(kind) {}
    ~RequestLog()
    {
        if (count_ > 0)
            agent_.Log(line_);
    }
    void Add(const std::string& part) { line_ += (count_++ ? ", " : " ") + part; }

private:
    Agent& agent_;
    std::string line_;
    int count_ = 0;
};

void AnswerGet(Agent& agent, netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    RequestLog log(agent, "GET");
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid id = OidOf(*r->requestvb);
        const auto fault = agent.FaultState().errorStatus.find(id);
        if (fault != agent.FaultState().errorStatus.end()) {
            log.Add(OidText(id) + " -> error status " + std::to_string(fault->second) + " (fault)");
            netsnmp_set_request_error(info, r, fault->second);
            continue;
        }
        const auto value = agent.Model().Get(id);
        if (!value) {
            log.Add(OidText(id) + " -> no such instance");
            netsnmp_set_request_error(info, r, SNMP_NOSUCHINSTANCE);
            continue;
        }
        log.Add(agent.Model().NameOf(id) + " -> " + Describe(*value));
        ToBinding(*value, *r->requestvb);
    }
}

void AnswerGetNext(Agent& agent, const Oid& root, netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    RequestLog log(agent, "GETNEXT");
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid id = OidOf(*r->requestvb);
        std::optional<std::pair<Oid, WireValue>> next;
        if (agent.FaultState().repeat && agent.Model().Exists(id))
            next = std::make_pair(id, *agent.Model().Get(id));   // no progress
        else
            next = agent.Model().Next(id, root);
        if (!next)
            continue; // past this subtree: the agent goes on to the next one
        const auto fault = agent.FaultState().errorStatus.find(next->first);
        log.Add(agent.Model().NameOf(next->first));
        snmp_set_var_objid(r->requestvb, next->first.data(), next->first.size());
        if (fault != agent.FaultState().errorStatus.end()) {
            netsnmp_set_request_error(info, r, fault->second);
            continue;
        }
        ToBinding(next->second, *r->requestvb);
    }
}

void CheckSet(Agent& agent, netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid id = OidOf(*r->requestvb);
        const WireValue value = FromBinding(*r->requestvb);
        const auto fault = agent.FaultState().errorStatus.find(id);
        const int status = fault != agent.FaultState().errorStatus.end() ? fault->second
                                                                          : agent.Model().CheckSet(id, value);
        if (status != SNMP_ERR_NOERROR) {
            agent.Log("SET " + agent.Model().NameOf(id) + " = " + Describe(value) + " refused: error status " +
                      std::to_string(status));
            netsnmp_set_request_error(info, r, status);
        }
    }
}

// A step after a transfer is answered only once the transfer has ended.
void WaitForTransfers(Agent& agent, netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid id = OidOf(*r->requestvb);
        if (agent.Model().ActionOf(id) != Action::TftpStep || !agent.Model().waitForTransfer)
            continue;
        if (!agent.Model().waitForTransfer()) {
            agent.Log("SET " + agent.Model().NameOf(id) + " refused: the transfer failed");
            netsnmp_set_request_error(info, r, SNMP_ERR_GENERR);
        }
    }
}

void CommitSet(Agent& agent, netsnmp_request_info* requests)
{
    RequestLog log(agent, "SET");
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid id = OidOf(*r->requestvb);
        const WireValue value = FromBinding(*r->requestvb);
        log.Add(agent.Model().NameOf(id) + " = " + Describe(value));
        agent.Model().Set(id, value);
    }
}

int DeviceHandler(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                  netsnmp_agent_request_info* info, netsnmp_request_info* requests)
{
    Agent& agent = *static_cast<Agent*>(handler->myvoid);
    const Oid root(registration->rootoid, registration->rootoid + registration->rootoid_len);
    switch (info->mode) {
    case MODE_GET: AnswerGet(agent, info, requests); break;
    case MODE_GETNEXT: AnswerGetNext(agent, root, info, requests); break;
    case MODE_SET_RESERVE1: CheckSet(agent, info, requests); break;
    case MODE_SET_ACTION: WaitForTransfers(agent, info, requests); break;
    case MODE_SET_COMMIT: CommitSet(agent, requests); break;
    default: break;
    }
    return SNMP_ERR_NOERROR;
}

void Register(Agent& agent, const char* name, const Oid& root)
{
    netsnmp_mib_handler* handler = netsnmp_create_handler(name, DeviceHandler);
    handler->myvoid = &agent;
    netsnmp_handler_registration* registration =
        netsnmp_handler_registration_create(name, handler, root.data(), root.size(), HANDLER_CAN_RWRITE);
    if (netsnmp_register_handler(registration) != MIB_REGISTERED_OK)
        throw std::runtime_error(std::string("cannot register ") + name);
}

void Configure(const std::string& line)
{
    std::string copy = line;
    netsnmp_config(copy.data());
}

} // namespace

Agent::Agent(DeviceModel& model, Faults& faults, std::function<void(const std::string&)> log)
    : model_(model), faults_(faults), log_(std::move(log))
{
}

int Agent::Start(const AgentSettings& settings, const Oid& deviceRoot)
{
    const int port = FreeLoopbackUdpPort();
    const std::string endpoint = "udp:127.0.0.1:" + std::to_string(port);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, settings.dataFolder.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, endpoint.c_str());
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", "", 1);
    snmp_enable_stderrlog();

    init_agent("trv4410-sim");
    init_vacm_vars();
    init_usmUser();
    Configure("rocommunity " + settings.readCommunity + " default");
    Configure("rwcommunity " + settings.writeCommunity + " default");
    // Every device has an engine of its own, so a manager never mistakes a
    // restarted simulator for the same engine with keys it remembers.
    std::string engine = "engineID trv4410-sim-" + std::to_string(::getpid()) + "-" + std::to_string(port);
    netsnmp_config_remember(engine.data());
    init_snmp("trv4410-sim");

    if (!settings.user.empty()) {
        std::string create = "createUser " + settings.user;
        std::string level = "noauth";
        if (!settings.auth.empty()) {
            create += " " + settings.auth + " \"" + settings.authPass + "\"";
            level = "auth";
            if (!settings.priv.empty()) {
                create += " " + settings.priv + " \"" + settings.privPass + "\"";
                level = "priv";
            }
        }
        Configure(create);
        Configure("rwuser " + settings.user + " " + level);
    }

    if (init_master_agent() != 0)
        throw std::runtime_error("the agent cannot listen on " + endpoint);
    Register(*this, "trv4410-system", kSystemGroup);
    Register(*this, "trv4410-device", deviceRoot);
    return port;
}

void Agent::Stop() { snmp_shutdown("trv4410-sim"); }

} // namespace sim

// net-snmp's agent asks the TCP wrappers (/etc/hosts.allow, /etc/hosts.deny)
// about every datagram, reading both files each time. The simulated device
// listens on loopback only and keeps its own access rules (communities and
// the USM user), so it answers that question itself: allowed.
extern "C" int hosts_ctl(char*, char*, char*, char*) { return 1; }
