#pragma once
// The simulator's listening socket. It passes requests on to the agent and
// the agent's answers back, so that it can hold requests back as the device
// does while it restarts, and as the faults ask (silence, drops, delays).
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <netinet/in.h>
#include <sys/select.h>

#include "sim/Faults.h"

namespace sim {

class UdpFront {
public:
    using Clock = std::chrono::steady_clock;

    // Binds "ADDR:PORT" (port 0: any free port). Raises std::runtime_error.
    UdpFront(const std::string& listen, int agentPort);
    ~UdpFront();
    UdpFront(const UdpFront&) = delete;
    UdpFront& operator=(const UdpFront&) = delete;

    std::string Endpoint() const;
    void AddToSet(fd_set& fds, int& maxFd) const;
    // Moves what has arrived; while silent, requests are read and dropped.
    void Process(const fd_set& fds, const Faults& faults, bool silent, const std::function<void(const std::string&)>& log);
    // Passes every answer the agent has sent back to its client.
    void DrainAnswers();
    // Passes on delayed requests whose time has come.
    void ReleaseDue();
    // The time until the next delayed request is due, if any.
    std::optional<Clock::duration> UntilNextDue() const;

private:
    struct Upstream {
        int fd = -1;
        sockaddr_in client{};
    };
    struct Delayed {
        Clock::time_point due;
        std::string key;
        std::string datagram;
    };

    Upstream& UpstreamFor(const sockaddr_in& client);
    void Forward(const std::string& key, const std::string& datagram);

    int front_ = -1;
    sockaddr_in bound_{};
    int agentPort_;
    std::map<std::string, Upstream> upstreams_;
    std::deque<Delayed> delayed_;
    int dropAccumulator_ = 0;
};

} // namespace sim
