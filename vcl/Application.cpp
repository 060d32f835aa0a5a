#include "vcl/Application.h"

#include <QApplication>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "vcl/Dialogs.h"

namespace vcl {

TApplication* Application = nullptr;

namespace {
int signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

TApplication::TApplication(int& argc, char** argv)
{
    exeName_ = argc > 0 ? argv[0] : "";
    for (int i = 1; i < argc; ++i)
        params_.emplace_back(argv[i]);
    qt_ = std::make_unique<QApplication>(argc, argv);
    Application = this;
    WatchTerminationSignals();
}

TApplication::~TApplication()
{
    signalWatch_.reset();
    if (Application == this)
        Application = nullptr;
}

// SIGTERM and SIGINT end the message loop like a closed main window, so the
// program shuts down through its normal path.
void TApplication::WatchTerminationSignals()
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    signalWatch_ = loop_.WatchReadable(signalPipe[0], [this] {
        char byte;
        [[maybe_unused]] auto got = ::read(signalPipe[0], &byte, 1);
        Terminate();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void TApplication::Run()
{
    if (terminated_)
        return;
    QApplication::exec();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::ShowException(const std::exception& error)
{
    MessageBox(error.what(), title_, TMsgButtons::Ok, TMsgIcon::Error);
}

} // namespace vcl

namespace vcl {

std::string ProgramFileName()
{
    const std::string exe = Application ? Application->ExeName() : "trv4410";
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? exe : exe.substr(slash + 1);
}

} // namespace vcl
