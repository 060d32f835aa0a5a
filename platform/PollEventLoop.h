#pragma once
// The event-loop interface on poll(2), for the command-line tools and for
// tests of core code: no toolkit, one thread.
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "vcl/core/EventLoop.h"

namespace platform {

class PollEventLoop : public vcl::IEventLoop {
public:
    PollEventLoop();
    ~PollEventLoop() override;

    std::unique_ptr<vcl::ILoopTimer> CreateTimer(std::function<void()> onTimeout) override;
    std::unique_ptr<vcl::ISocketWatch> WatchReadable(int fd, std::function<void()> onReadable) override;
    void ProcessEvents(int maxWaitMs) override;

    // Runs until Quit (or forever).
    void Run();
    void Quit() { quit_ = true; }

    struct TimerEntry;
    struct WatchEntry;

private:
    std::shared_ptr<std::vector<std::shared_ptr<TimerEntry>>> timers_;
    std::shared_ptr<std::vector<std::shared_ptr<WatchEntry>>> watches_;
    bool quit_ = false;
};

} // namespace platform
