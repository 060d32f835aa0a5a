#include "app/LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/shell/AddressChecks.h"
#include "common/JoinPath.h"
#include "common/TextUtil.h"
#include "vcl/ListBox.h"

namespace app {
namespace {

const char* const kGatewayLabels[] = {"Default Gateway", "\xC4\xAC\xC8\xCF\xCD\xF8\xB9\xD8"};
const char* const kAddressLabels[] = {"IP Address", "IPv4 Address", "IPv6 Address", "IPv4 \xB5\xD8\xD6\xB7",
                                      "IPv6 \xB5\xD8\xD6\xB7"};

bool ContainsAny(const std::string& line, const char* const* labels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (line.find(labels[i]) != std::string::npos)
            return true;
    }
    return false;
}

std::string AfterFirstColon(const std::string& line)
{
    const auto colon = line.find(':');
    return colon == std::string::npos ? std::string{} : line.substr(colon + 1);
}

void AddOnce(std::vector<std::string>& list, const std::string& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string Dotted(const sockaddr* a)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
    return text;
}

// Default routes from the kernel's table: destination 0, gateway in hex.
std::vector<std::string> DefaultGateways()
{
    std::vector<std::string> gateways;
    std::ifstream routes("/proc/net/route");
    std::string line;
    std::getline(routes, line); // header
    while (std::getline(routes, line)) {
        std::istringstream fields(line);
        std::string device, destination, gateway;
        fields >> device >> destination >> gateway;
        if (destination != "00000000" || gateway.empty())
            continue;
        in_addr address{};
        address.s_addr = static_cast<in_addr_t>(std::stoul(gateway, nullptr, 16));
        gateways.push_back(inet_ntoa(address));
    }
    return gateways;
}

} // namespace

void ParseIpconfigLines(const std::vector<std::string>& lines, LocalAddressLists& lists)
{
    for (const std::string& line : lines) {
        if (ContainsAny(line, kGatewayLabels, std::size(kGatewayLabels))) {
            const std::string gateway = zt::TrimBlanks(AfterFirstColon(line));
            if (!gateway.empty())
                AddOnce(lists.gateways, gateway);
        } else if (ContainsAny(line, kAddressLabels, std::size(kAddressLabels))) {
            std::string address = zt::TrimBlanks(AfterFirstColon(line));
            const auto paren = address.find('(');
            if (paren != std::string::npos && paren < 16)
                address = address.substr(0, paren);
            if (!address.empty() && address.size() < 16)
                AddOnce(lists.addresses, address);
        }
    }
    for (const std::string& gateway : lists.gateways) {
        for (const std::string& address : lists.addresses) {
            if (GetNetworkAddress(gateway, "255.255.255.0") == GetNetworkAddress(address, "255.255.255.0"))
                AddOnce(lists.gatewaysOnLocal24, gateway);
        }
    }
}

std::vector<std::string> SystemIpconfigLines()
{
    std::vector<std::string> lines = {"", "Linux IP Configuration", ""};
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (ifaddrs* it = list; it; it = it->ifa_next) {
            if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET || (it->ifa_flags & IFF_LOOPBACK))
                continue;
            lines.push_back(std::string("Ethernet adapter ") + it->ifa_name + ":");
            lines.push_back("");
            lines.push_back("   IPv4 Address. . . . . . . . . . . : " + Dotted(it->ifa_addr) + "(Preferred)");
            if (it->ifa_netmask)
                lines.push_back("   Subnet Mask . . . . . . . . . . . : " + Dotted(it->ifa_netmask));
            lines.push_back("");
        }
        ::freeifaddrs(list);
    }
    for (const std::string& gateway : DefaultGateways())
        lines.push_back("   Default Gateway . . . . . . . . . : " + gateway);
    return lines;
}

void RefreshLocalAddresses(const std::string& userFolder, vcl::TListBox& ipConfigList, LocalAddressLists& lists)
{
    const std::string path = zt::JoinPath(userFolder, "ipconfig.txt");
    {
        std::ofstream out(path);
        if (!out)
            return;
        for (const std::string& line : SystemIpconfigLines())
            out << line << "\n";
    }
    ipConfigList.Clear();
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        ipConfigList.Add(line);
    }
    if (in.bad()) {
        std::remove(path.c_str());
        return;
    }
    ParseIpconfigLines(lines, lists);
    std::remove(path.c_str());
}

} // namespace app
