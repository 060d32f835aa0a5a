// Feeds arbitrary datagrams to the TFTP server's request handling and to its
// sessions, from the peer and from strangers, with time-outs in between.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "common/ErrorCatalogue.h"
#include "platform/PollEventLoop.h"
#include "tftp/TftpServer.h"

namespace {

struct World {
    std::string root;
    platform::PollEventLoop loop;
    std::unique_ptr<zt::ZtTFTPServer> server;
    int sink = -1;   // the peer's socket: answers land here and are drained
    sockaddr_in peer{};
    long inputs = 0;

    World()
    {
        // The status texts must outlive this world, which is torn down at exit.
        zt::ErrorText(zt::Catalogue::ZtTftp, 0);
        char pattern[] = "/tmp/trv4410-tftp-fuzz-XXXXXX";
        root = ::mkdtemp(pattern);
        Seed();
        server = std::make_unique<zt::ZtTFTPServer>(loop);
        server->SetTimeout(1, 3);
        server->Start(root, 0);
        sink = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        peer.sin_family = AF_INET;
        peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(sink, reinterpret_cast<sockaddr*>(&peer), sizeof peer);
        socklen_t length = sizeof peer;
        ::getsockname(sink, reinterpret_cast<sockaddr*>(&peer), &length);
    }
    ~World()
    {
        server.reset();
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    void Seed()
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        std::ofstream(root + "/a") << std::string(700, 'a');
        std::ofstream(root + "/b");
    }
    void Drain()
    {
        char buffer[4096];
        while (::recv(sink, buffer, sizeof buffer, 0) > 0) {
        }
    }
};

World& TheWorld()
{
    static World world;
    return world;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    World& w = TheWorld();
    if (++w.inputs % 2000 == 0)
        w.Seed();
    // Datagrams: [target][port-variant][length][bytes...]
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::uint8_t target = data[at];
        sockaddr_in from = w.peer;
        if (data[at + 1] & 1)
            from.sin_port = htons(static_cast<std::uint16_t>(ntohs(w.peer.sin_port) ^ 1)); // a stranger
        const std::size_t length = std::min<std::size_t>(data[at + 2], size - at - 3);
        const std::uint8_t* datagram = data + at + 3;
        at += 3 + length;
        switch (target % 3) {
        case 0: w.server->HandleRequest(datagram, length, from); break;
        case 1:
            if (w.server->SessionCount() > 0)
                w.server->SessionAt(target / 3 % w.server->SessionCount()).HandleDatagram(datagram, length, from);
            break;
        case 2: w.server->OnTimer(); break;
        }
        w.Drain();
    }
    while (w.server->SessionCount() > 16)
        w.server->OnTimer(), w.loop.ProcessEvents(1);
    return 0;
}
