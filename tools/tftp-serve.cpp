// tftp-serve: the module's TFTP server on a folder, logging every status
// change. For exchanging files with a device by hand, and for the tests.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/PollEventLoop.h"
#include "tftp/TftpServer.h"
#include "vcl/core/Exception.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
extern "C" void OnStop(int) { stopRequested = 1; }

[[noreturn]] void Usage(const char* problem)
{
    std::fprintf(stderr, "tftp-serve: %s\nusage: tftp-serve --root DIR [--port N] [--timeout TENS_OF_MS] [--max-sends N]\n",
                 problem);
    std::exit(2);
}

int Number(const char* text, int low, int high, const char* option)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!*text || *end || value < low || value > high)
        Usage((std::string(option) + " wants a number from " + std::to_string(low) + " to " + std::to_string(high))
                  .c_str());
    return static_cast<int>(value);
}

} // namespace

int main(int argc, char** argv)
{
    std::string root;
    int port = 69;
    int timeout = 300;
    int maxSends = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Usage(("missing value of " + option).c_str());
        const char* value = argv[++i];
        if (option == "--root") root = value;
        else if (option == "--port") port = Number(value, 0, 65535, "--port");
        else if (option == "--timeout") timeout = Number(value, 1, 360000, "--timeout");
        else if (option == "--max-sends") maxSends = Number(value, 1, 100, "--max-sends");
        else Usage(("unknown option " + option).c_str());
    }
    if (root.empty())
        Usage("--root is needed");

    struct sigaction action {};
    action.sa_handler = OnStop;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    // A full disk or a file-size limit is a failed write, reported, not a signal.
    std::signal(SIGXFSZ, SIG_IGN);

    platform::PollEventLoop loop;
    zt::ZtTFTPServer server(loop);
    server.SetTimeout(timeout, maxSends);
    server.SetStatusHandler([](zt::ZtTFTPMsg& m, bool&) {
        std::fprintf(stderr, "tftp-serve: session %d %s %s %s:%d: %d %s (%d bytes)\n", m.SessionNumber,
                     m.Operation == 1 ? "read" : "write", m.FileName.c_str(), m.RemoteIP.c_str(), m.RemotePort,
                     m.Status, m.StatusText.c_str(), m.BytesDone);
    });
    try {
        server.Start(root, port);
    } catch (const vcl::Exception& e) {
        std::fprintf(stderr, "tftp-serve: %s\n", e.Message().c_str());
        return 1;
    }
    std::printf("tftp-serve ready on udp:0.0.0.0:%d serving %s\n", server.ListeningPort(), server.RootFolder().c_str());
    std::fflush(stdout);
    while (!stopRequested)
        loop.ProcessEvents(200);
    server.Stop();
    return 0;
}
