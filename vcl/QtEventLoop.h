#pragma once
#include "vcl/core/EventLoop.h"

namespace vcl {

// The event-loop interface on Qt's own loop (QTimer, QSocketNotifier).
class QtEventLoop : public IEventLoop {
public:
    std::unique_ptr<ILoopTimer> CreateTimer(std::function<void()> onTimeout) override;
    std::unique_ptr<ISocketWatch> WatchReadable(int fd, std::function<void()> onReadable) override;
    void ProcessEvents(int maxWaitMs) override;
};

} // namespace vcl
