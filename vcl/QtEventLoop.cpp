#include "vcl/QtEventLoop.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

namespace vcl {
namespace {

class QtLoopTimer : public ILoopTimer {
public:
    explicit QtLoopTimer(std::function<void()> onTimeout)
    {
        QObject::connect(&timer_, &QTimer::timeout, [callback = std::move(onTimeout)] { callback(); });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class QtSocketWatch : public ISocketWatch {
public:
    QtSocketWatch(int fd, std::function<void()> onReadable) : notifier_(fd, QSocketNotifier::Read)
    {
        QObject::connect(&notifier_, &QSocketNotifier::activated, [callback = std::move(onReadable)] { callback(); });
    }
    void SetEnabled(bool enabled) override { notifier_.setEnabled(enabled); }

private:
    QSocketNotifier notifier_;
};

} // namespace

std::unique_ptr<ILoopTimer> QtEventLoop::CreateTimer(std::function<void()> onTimeout)
{
    return std::make_unique<QtLoopTimer>(std::move(onTimeout));
}

std::unique_ptr<ISocketWatch> QtEventLoop::WatchReadable(int fd, std::function<void()> onReadable)
{
    return std::make_unique<QtSocketWatch>(fd, std::move(onReadable));
}

} // namespace vcl

namespace vcl {

void QtEventLoop::ProcessEvents(int maxWaitMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, maxWaitMs);
}

} // namespace vcl
