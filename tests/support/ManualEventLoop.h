#pragma once
// An event loop that never runs by itself: tests fire its timers and socket
// watches by hand, so timer logic is tested without waiting.
#include <algorithm>
#include <vector>

#include "vcl/core/EventLoop.h"

namespace testsupport {

class ManualEventLoop : public vcl::IEventLoop {
public:
    struct Timer : vcl::ILoopTimer {
        std::function<void()> callback;
        int interval = 0;
        bool active = false;
        int starts = 0;
        void Start(int ms) override { interval = ms; active = true; ++starts; }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }
    };
    struct Watch : vcl::ISocketWatch {
        int fd = -1;
        std::function<void()> callback;
        bool enabled = true;
        void SetEnabled(bool e) override { enabled = e; }
    };

    std::unique_ptr<vcl::ILoopTimer> CreateTimer(std::function<void()> onTimeout) override
    {
        auto timer = std::make_unique<Timer>();
        timer->callback = std::move(onTimeout);
        timers.push_back(timer.get());
        return timer;
    }

    std::unique_ptr<vcl::ISocketWatch> WatchReadable(int fd, std::function<void()> onReadable) override
    {
        auto watch = std::make_unique<Watch>();
        watch->fd = fd;
        watch->callback = std::move(onReadable);
        watches.push_back(watch.get());
        return watch;
    }

    // Nothing happens by itself here: tests fire timers and watches by hand.
    void ProcessEvents(int) override {}

    // Fires every active timer once, as if its interval had passed.
    void FireActiveTimers()
    {
        for (Timer* t : std::vector<Timer*>(timers)) {
            if (t->active)
                t->callback();
        }
    }

    std::vector<Timer*> timers;   // not owned; valid while their owners live
    std::vector<Watch*> watches;
};

} // namespace testsupport
