#include "platform/PollEventLoop.h"

#include <poll.h>

#include <algorithm>

namespace platform {

using Clock = std::chrono::steady_clock;

struct PollEventLoop::TimerEntry {
    std::function<void()> callback;
    int intervalMs = 0;
    bool active = false;
    bool alive = true;
    Clock::time_point due;
};

struct PollEventLoop::WatchEntry {
    int fd = -1;
    std::function<void()> callback;
    bool enabled = true;
    bool alive = true;
};

namespace {

class Timer : public vcl::ILoopTimer {
public:
    explicit Timer(std::shared_ptr<PollEventLoop::TimerEntry> entry) : entry_(std::move(entry)) {}
    ~Timer() override { entry_->alive = false; }
    void Start(int intervalMs) override
    {
        entry_->intervalMs = std::max(0, intervalMs);
        entry_->due = Clock::now() + std::chrono::milliseconds(entry_->intervalMs);
        entry_->active = true;
    }
    void Stop() override { entry_->active = false; }
    bool IsActive() const override { return entry_->active; }

private:
    std::shared_ptr<PollEventLoop::TimerEntry> entry_;
};

class Watch : public vcl::ISocketWatch {
public:
    explicit Watch(std::shared_ptr<PollEventLoop::WatchEntry> entry) : entry_(std::move(entry)) {}
    ~Watch() override { entry_->alive = false; }
    void SetEnabled(bool enabled) override { entry_->enabled = enabled; }

private:
    std::shared_ptr<PollEventLoop::WatchEntry> entry_;
};

template <typename T>
void Prune(std::vector<std::shared_ptr<T>>& entries)
{
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const auto& e) { return !e->alive; }),
                  entries.end());
}

} // namespace

PollEventLoop::PollEventLoop()
    : timers_(std::make_shared<std::vector<std::shared_ptr<TimerEntry>>>()),
      watches_(std::make_shared<std::vector<std::shared_ptr<WatchEntry>>>())
{
}

PollEventLoop::~PollEventLoop() = default;

std::unique_ptr<vcl::ILoopTimer> PollEventLoop::CreateTimer(std::function<void()> onTimeout)
{
    auto entry = std::make_shared<TimerEntry>();
    entry->callback = std::move(onTimeout);
    timers_->push_back(entry);
    return std::make_unique<Timer>(entry);
}

std::unique_ptr<vcl::ISocketWatch> PollEventLoop::WatchReadable(int fd, std::function<void()> onReadable)
{
    auto entry = std::make_shared<WatchEntry>();
    entry->fd = fd;
    entry->callback = std::move(onReadable);
    watches_->push_back(entry);
    return std::make_unique<Watch>(entry);
}

void PollEventLoop::ProcessEvents(int maxWaitMs)
{
    Prune(*timers_);
    Prune(*watches_);
    // Wait no longer than the next timer.
    int wait = maxWaitMs;
    const auto now = Clock::now();
    for (const auto& t : *timers_) {
        if (t->active) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(t->due - now).count();
            wait = std::min<int>(wait, static_cast<int>(std::max<long long>(0, left)));
        }
    }
    std::vector<pollfd> fds;
    std::vector<std::shared_ptr<WatchEntry>> polled;
    for (const auto& w : *watches_) {
        if (w->enabled) {
            fds.push_back({w->fd, POLLIN, 0});
            polled.push_back(w);
        }
    }
    const int ready = ::poll(fds.data(), fds.size(), wait);
    for (std::size_t i = 0; ready > 0 && i < fds.size(); ++i) {
        if ((fds[i].revents & (POLLIN | POLLERR | POLLHUP)) && polled[i]->alive && polled[i]->enabled)
            polled[i]->callback();
    }
    const auto after = Clock::now();
    const auto timers = *timers_; // callbacks may create or destroy timers
    for (const auto& t : timers) {
        if (t->alive && t->active && t->due <= after) {
            t->due = after + std::chrono::milliseconds(t->intervalMs);
            t->callback();
        }
    }
}

void PollEventLoop::Run()
{
    quit_ = false;
    while (!quit_)
        ProcessEvents(1000);
}

} // namespace platform
