#include "sim/UdpFront.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace sim {
namespace {

std::string KeyOf(const sockaddr_in& a)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(a.sin_port));
}

sockaddr_in ParseEndpoint(const std::string& listen)
{
    const auto colon = listen.rfind(':');
    sockaddr_in a{};
    a.sin_family = AF_INET;
    const std::string host = colon == std::string::npos ? listen : listen.substr(0, colon);
    const std::string port = colon == std::string::npos ? "161" : listen.substr(colon + 1);
    if (::inet_pton(AF_INET, host.c_str(), &a.sin_addr) != 1 || port.empty() ||
        port.find_first_not_of("0123456789") != std::string::npos || std::stoul(port) > 65535)
        throw std::runtime_error("--listen wants ADDR:PORT with an IPv4 address, not \"" + listen + "\"");
    a.sin_port = htons(static_cast<uint16_t>(std::stoul(port)));
    return a;
}

} // namespace

UdpFront::UdpFront(const std::string& listen, int agentPort) : agentPort_(agentPort)
{
    bound_ = ParseEndpoint(listen);
    front_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (front_ < 0 || ::bind(front_, reinterpret_cast<sockaddr*>(&bound_), sizeof bound_) != 0)
        throw std::runtime_error("cannot listen on " + listen + ": " + std::string(std::strerror(errno)));
    socklen_t length = sizeof bound_;
    ::getsockname(front_, reinterpret_cast<sockaddr*>(&bound_), &length);
}

UdpFront::~UdpFront()
{
    for (auto& [key, upstream] : upstreams_)
        ::close(upstream.fd);
    if (front_ >= 0)
        ::close(front_);
}

std::string UdpFront::Endpoint() const { return "udp:" + KeyOf(bound_); }

void UdpFront::AddToSet(fd_set& fds, int& maxFd) const
{
    FD_SET(front_, &fds);
    maxFd = std::max(maxFd, front_);
    for (const auto& [key, upstream] : upstreams_) {
        FD_SET(upstream.fd, &fds);
        maxFd = std::max(maxFd, upstream.fd);
    }
}

UdpFront::Upstream& UdpFront::UpstreamFor(const sockaddr_in& client)
{
    auto& upstream = upstreams_[KeyOf(client)];
    if (upstream.fd < 0) {
        upstream.fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in agent{};
        agent.sin_family = AF_INET;
        agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        agent.sin_port = htons(static_cast<uint16_t>(agentPort_));
        ::connect(upstream.fd, reinterpret_cast<sockaddr*>(&agent), sizeof agent);
        upstream.client = client;
    }
    return upstream;
}

void UdpFront::Forward(const std::string& key, const std::string& datagram)
{
    const auto it = upstreams_.find(key);
    if (it != upstreams_.end())
        ::send(it->second.fd, datagram.data(), datagram.size(), 0);
}

void UdpFront::Process(const fd_set& fds, const Faults& faults, bool silent,
                       const std::function<void(const std::string&)>& log)
{
    char buffer[65536];
    if (FD_ISSET(front_, &fds)) {
        sockaddr_in client{};
        socklen_t length = sizeof client;
        const ssize_t n = ::recvfrom(front_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&client), &length);
        if (n > 0) {
            const std::string key = KeyOf(client);
            dropAccumulator_ += faults.dropPercent;
            if (silent) {
                log("silent: dropped a request from " + key);
            } else if (dropAccumulator_ >= 100) {
                dropAccumulator_ -= 100;
                log("fault: dropped a request from " + key);
            } else {
                UpstreamFor(client);
                const std::string datagram(buffer, static_cast<std::size_t>(n));
                if (faults.delayMs > 0)
                    delayed_.push_back({Clock::now() + std::chrono::milliseconds(faults.delayMs), key, datagram});
                else
                    Forward(key, datagram);
            }
        }
    }
}

void UdpFront::DrainAnswers()
{
    char buffer[65536];
    for (auto& [key, upstream] : upstreams_) {
        ssize_t n;
        while ((n = ::recv(upstream.fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
            ::sendto(front_, buffer, static_cast<std::size_t>(n), 0, reinterpret_cast<const sockaddr*>(&upstream.client),
                     sizeof upstream.client);
    }
}

void UdpFront::ReleaseDue()
{
    const auto now = Clock::now();
    while (!delayed_.empty() && delayed_.front().due <= now) {
        Forward(delayed_.front().key, delayed_.front().datagram);
        delayed_.pop_front();
    }
}

std::optional<UdpFront::Clock::duration> UdpFront::UntilNextDue() const
{
    if (delayed_.empty())
        return std::nullopt;
    return std::max(Clock::duration::zero(), delayed_.front().due - Clock::now());
}

} // namespace sim
