#pragma once
// The event loop as core code sees it: timers and socket watches, nothing more.
// The application implements it on the GUI toolkit; core code never sees the toolkit.
#include <functional>
#include <memory>

namespace vcl {

class ILoopTimer {
public:
    virtual ~ILoopTimer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class ISocketWatch {
public:
    virtual ~ISocketWatch() = default;
    virtual void SetEnabled(bool enabled) = 0;
};

class IEventLoop {
public:
    virtual ~IEventLoop() = default;
    // A repeating timer; the callback runs on the loop's thread at every interval.
    virtual std::unique_ptr<ILoopTimer> CreateTimer(std::function<void()> onTimeout) = 0;
    // Calls onReadable on the loop's thread whenever fd has data to read.
    virtual std::unique_ptr<ISocketWatch> WatchReadable(int fd, std::function<void()> onReadable) = 0;
    // Handles what is due now, waiting at most maxWaitMs for something to happen.
    virtual void ProcessEvents(int maxWaitMs) = 0;
};

} // namespace vcl
