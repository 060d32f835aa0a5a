#include "snmp/Session.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include "common/ErrorCatalogue.h"
#include "snmp/BootCounter.h"
#include "snmp/LaunchSettings.h"
#include "snmp/SnmpTarget.h"

namespace zt {
namespace {

std::unique_ptr<ZtSnmpSession>& GlobalSlot()
{
    static std::unique_ptr<ZtSnmpSession> session;
    return session;
}

std::string PrivateTemporaryFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = runtime && *runtime ? runtime : (tmp && *tmp ? tmp : "/tmp");
    return base + "/trv4410-snmp-" + std::to_string(::getuid());
}

// net-snmp is set up once per process. The module keeps no state of net-snmp's
// own: no configuration files, no persistent store, no MIB files (every value
// is converted by the module itself).
void InitNetSnmpLibrary()
{
    static bool initialised = false;
    if (initialised)
        return;
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", "", 1);
    // net-snmp still creates a few index folders under its persistent folder;
    // keep them in a private temporary one rather than the system's.
    static const std::string persistent = PrivateTemporaryFolder();
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistent.c_str());
    init_snmp("trv4410");
    initialised = true;
}

// The session needs a UDP socket on any local port; without one nothing can be sent.
bool CanOpenUdpSocket()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in any{};
    any.sin_family = AF_INET;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&any), sizeof any) == 0;
    ::close(fd);
    return bound;
}

// net-snmp takes the boots as its persistent store gives them: the count of
// the previous run, to which it adds one.
void SetLocalEngine(std::uint32_t boots)
{
    setup_engineID(nullptr, kLocalEngineId);
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
}

void ServiceOne(void* sess)
{
    int numfds = 0;
    fd_set fds;
    FD_ZERO(&fds);
    timeval timeout{};
    int block = 1;
    snmp_sess_select_info(sess, &numfds, &fds, &timeout, &block);
    if (numfds > 0) {
        timeval zero{};
        if (::select(numfds, &fds, nullptr, nullptr, &zero) > 0)
            snmp_sess_read(sess, &fds);
    }
}

} // namespace

ZtSnmpSession::ZtSnmpSession(vcl::IEventLoop& loop)
    : loop_(loop), processor_(loop, [this] { return ProcessPendingEvents(); })
{
}

ZtSnmpSession::~ZtSnmpSession()
{
    processor_.Stop();
    for (auto& [key, session] : opened_)
        snmp_sess_close(session);
}

void* ZtSnmpSession::SessionFor(const SnmpTarget& target, bool async, int& result)
{
    const std::string key = target.SessionKey(async);
    if (auto it = opened_.find(key); it != opened_.end())
        return it->second;
    void* session = OpenNetSnmpSession(target, result);
    if (session) {
        opened_[key] = session;
        if (async)
            Attach(session);
    }
    return session;
}

void ZtSnmpSession::WaitForActivity(int maxMs)
{
    fd_set fds;
    FD_ZERO(&fds);
    int maxFd = 0;
    for (void* sess : sessions_) {
        int numfds = 0;
        timeval timeout{};
        int block = 1;
        snmp_sess_select_info(sess, &numfds, &fds, &timeout, &block);
        maxFd = std::max(maxFd, numfds);
    }
    timeval wait{maxMs / 1000, (maxMs % 1000) * 1000};
    ::select(maxFd, &fds, nullptr, nullptr, &wait);
}

void ZtSnmpSession::Attach(void* netSnmpSession)
{
    if (std::find(sessions_.begin(), sessions_.end(), netSnmpSession) == sessions_.end())
        sessions_.push_back(netSnmpSession);
}

void ZtSnmpSession::Detach(void* netSnmpSession)
{
    sessions_.erase(std::remove(sessions_.begin(), sessions_.end(), netSnmpSession), sessions_.end());
}

bool ZtSnmpSession::ProcessPendingEvents()
{
    if (processing_)
        return true;
    processing_ = true;
    // A callback may detach (close) any session, so each is checked before use.
    const std::vector<void*> snapshot = sessions_;
    auto attached = [this](void* s) { return std::find(sessions_.begin(), sessions_.end(), s) != sessions_.end(); };
    for (void* sess : snapshot) {
        if (attached(sess))
            ServiceOne(sess);
        if (attached(sess))
            snmp_sess_timeout(sess);
    }
    processing_ = false;
    return HasOutstanding();
}

// A session with requests outstanding has a time-out to wait for.
bool ZtSnmpSession::HasOutstanding() const
{
    for (void* sess : sessions_) {
        int numfds = 0;
        fd_set fds;
        FD_ZERO(&fds);
        timeval timeout{};
        int block = 1;
        snmp_sess_select_info(sess, &numfds, &fds, &timeout, &block);
        if (!block)
            return true;
    }
    return false;
}

ZtSnmpSession& CreateSession(const std::string& folder, vcl::IEventLoop& loop)
{
    InitNetSnmpLibrary();
    if (!CanOpenUdpSocket())
        RaiseError(Catalogue::ZtSnmp, -506);

    const std::string path = BootCounterPath(folder);
    std::uint32_t boots = 0;
    const int readStatus = GetBootCounter(path, kLocalEngineId, boots);
    if (readStatus != bootcounter::kOk && readStatus < bootcounter::kNoEntry)
        RaiseError(Catalogue::ZtSnmp, -507);
    ++boots;
    if (SaveBootCounter(path, kLocalEngineId, boots) != bootcounter::kOk)
        RaiseError(Catalogue::ZtSnmp, -508);
    SetLocalEngine(boots);

    GlobalLaunchSettings() = LaunchSettings{};
    DefaultTimeout() = kFactoryDefaultTimeout;

    GlobalSlot() = std::make_unique<ZtSnmpSession>(loop);
    GlobalSlot()->SetEngineBoots(boots);
    GlobalSlot()->EventProcessor().Start();
    return *GlobalSlot();
}

ZtSnmpSession* GlobalSession() { return GlobalSlot().get(); }

void DestroySession() { GlobalSlot().reset(); }

} // namespace zt
