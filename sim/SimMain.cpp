// trv4410-sim: a TRV-4410 access point on loopback, for tests, benchmarks and
// the demo, and for anyone who wants to point net-snmp's tools at one.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "sim/Agent.h"
#include "sim/DeviceModel.h"
#include "sim/Faults.h"
#include "sim/Options.h"
#include "sim/TftpTransfer.h"
#include "sim/UdpFront.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
extern "C" void OnStopSignal(int) { stopRequested = 1; }

void Log(const std::string& line)
{
    std::fprintf(stderr, "trv4410-sim: %s\n", line.c_str());
    std::fflush(stderr);
}

std::string DefaultProfile()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / "trv4410-sim.json").string();
}

const char* RestartName(sim::Restart r)
{
    switch (r) {
    case sim::Restart::Apply: return "apply";
    case sim::Restart::Discard: return "discard";
    case sim::Restart::Reboot: return "reboot";
    case sim::Restart::Factory: return "factory default";
    case sim::Restart::None: break;
    }
    return "none";
}

class Simulator {
public:
    explicit Simulator(const sim::Options& options)
        : options_(options),
          model_(sim::LoadProfile(options.profile.empty() ? DefaultProfile() : options.profile), options.clients),
          agent_(model_, faults_, Log),
          transfer_(options.tftpPort, options.dataFolder, Log)
    {
        for (const auto& fault : options.faults)
            Control(fault);
        model_.waitForTransfer = [this] { return transfer_.Wait(); };
    }

    int Run()
    {
        std::filesystem::create_directories(options_.dataFolder);
        sim::AgentSettings settings{options_.readCommunity, options_.writeCommunity, options_.user, options_.auth,
                                    options_.authPass, options_.priv, options_.privPass,
                                    std::filesystem::absolute(options_.dataFolder + "/.net-snmp").string()};
        const int agentPort = agent_.Start(settings, RootOid());
        sim::UdpFront front(options_.listen, agentPort);
        std::printf("trv4410-sim ready on %s (%zu objects)\n", front.Endpoint().c_str(), model_.ObjectCount());
        std::fflush(stdout);
        Log("listening on " + front.Endpoint());
        while (!stopRequested)
            Cycle(front);
        Log("stopping");
        agent_.Stop();
        return 0;
    }

private:
    sim::Oid RootOid() const { return sim::ParseOid("1.3.6.1.4.1.48621.10.37.38"); }

    void Control(const std::string& line)
    {
        const std::string said = faults_.Apply(line);
        if (!said.empty())
            Log(said);
    }

    bool Silent() const { return faults_.silent || restarting_ != sim::Restart::None; }

    void Cycle(sim::UdpFront& front)
    {
        fd_set fds;
        FD_ZERO(&fds);
        int maxFd = -1;
        if (stdinOpen_) {
            FD_SET(STDIN_FILENO, &fds);
            maxFd = STDIN_FILENO;
        }
        front.AddToSet(fds, maxFd);
        int agentFds = 0;
        timeval agentTimeout{0, 200000};
        int block = 0;
        snmp_select_info(&agentFds, &fds, &agentTimeout, &block);
        maxFd = std::max(maxFd, agentFds - 1);
        timeval timeout{0, 100000};
        if (auto due = front.UntilNextDue())
            timeout.tv_usec = std::min<long>(timeout.tv_usec,
                                             std::chrono::duration_cast<std::chrono::microseconds>(*due).count());
        const int ready = ::select(maxFd + 1, &fds, nullptr, nullptr, &timeout);
        if (ready < 0)
            FD_ZERO(&fds);
        if (ready > 0 && stdinOpen_ && FD_ISSET(STDIN_FILENO, &fds))
            ReadControlLine();
        // Loopback delivers at once: a request passed on is readable by the
        // agent now, and its answer is back as soon as the agent has read it.
        front.Process(fds, faults_, Silent(), Log);
        front.ReleaseDue();
        ReadAgentSockets();
        front.DrainAnswers();
        snmp_timeout();
        AfterRequests();
    }

    static void ReadAgentSockets()
    {
        fd_set fds;
        FD_ZERO(&fds);
        int numFds = 0;
        timeval ignored{};
        int block = 0;
        snmp_select_info(&numFds, &fds, &ignored, &block);
        timeval now{};
        if (numFds > 0 && ::select(numFds, &fds, nullptr, nullptr, &now) > 0)
            snmp_read(&fds);
    }

    // Control lines arrive on standard input; a read may bring several.
    void ReadControlLine()
    {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            stdinOpen_ = false;
            return;
        }
        controlInput_.append(buffer, static_cast<std::size_t>(n));
        std::size_t end;
        while ((end = controlInput_.find('\n')) != std::string::npos) {
            Control(controlInput_.substr(0, end));
            controlInput_.erase(0, end + 1);
        }
    }

    void AfterRequests()
    {
        sim::Restart request = model_.TakeRestartRequest();
        if (faults_.restartNow) {
            faults_.restartNow = false;
            request = sim::Restart::Reboot;
        }
        if (request != sim::Restart::None && restarting_ == sim::Restart::None) {
            restarting_ = request;
            restartEnds_ = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(static_cast<long>(options_.restartSeconds * 1000));
            Log(std::string("state: restarting (") + RestartName(request) + ")");
        }
        if (restarting_ != sim::Restart::None && std::chrono::steady_clock::now() >= restartEnds_) {
            model_.FinishRestart(restarting_);
            restarting_ = sim::Restart::None;
            Log("state: running");
        }
        if (auto tftp = model_.TakeTftpRequest()) {
            const std::string content = tftp->command == 5 ? std::string("001122334455\n") : model_.ConfigurationText();
            transfer_.Start(*tftp, content);
        }
    }

    sim::Options options_;
    sim::Faults faults_;
    sim::DeviceModel model_;
    sim::Agent agent_;
    sim::TftpTransfer transfer_;
    bool stdinOpen_ = true;
    std::string controlInput_;
    sim::Restart restarting_ = sim::Restart::None;
    std::chrono::steady_clock::time_point restartEnds_;
};

} // namespace

int main(int argc, char** argv)
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const sim::Options options = sim::ParseOptions(argc, argv);
        Simulator simulator(options);
        return simulator.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trv4410-sim: %s\n", e.what());
        return 2;
    }
}
