#include "common/NetInterfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace zt {
namespace {

std::string Dotted(const sockaddr* address)
{
    if (!address || address->sa_family != AF_INET)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

} // namespace

int GetNetInterfaces(ZtNetInterface (&interfaces)[kMaxNetInterfaces])
{
    for (auto& entry : interfaces)
        entry = ZtNetInterface{};
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return 0;
    int count = 0;
    for (ifaddrs* it = list; it && count < kMaxNetInterfaces; it = it->ifa_next) {
        if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET)
            continue;
        ZtNetInterface& entry = interfaces[count++];
        entry.address = Dotted(it->ifa_addr);
        entry.netmask = Dotted(it->ifa_netmask);
        entry.broadcastAddress = Dotted(it->ifa_ifu.ifu_broadaddr);
        entry.up = (it->ifa_flags & IFF_UP) ? 1 : 0;
        entry.broadcast = (it->ifa_flags & IFF_BROADCAST) ? 1 : 0;
        entry.loopback = (it->ifa_flags & IFF_LOOPBACK) ? 1 : 0;
        entry.pointToPoint = (it->ifa_flags & IFF_POINTOPOINT) ? 1 : 0;
        entry.multicast = (it->ifa_flags & IFF_MULTICAST) ? 1 : 0;
    }
    ::freeifaddrs(list);
    return count;
}

} // namespace zt
