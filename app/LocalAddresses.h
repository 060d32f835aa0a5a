#pragma once
// This computer's own addresses and gateways, gathered from ipconfig-style
// lines ("   IPv4 Address. . . : 192.168.0.10(Preferred)").
#include <string>
#include <vector>

namespace vcl {
class TListBox;
}

namespace app {

struct LocalAddressLists {
    std::vector<std::string> addresses;
    std::vector<std::string> gateways;
    std::vector<std::string> gatewaysOnLocal24;   // gateways on a local address's /24
};

// Adds what the lines name to the lists (which only grow). English labels and
// the Simplified Chinese ones (GB2312) are both understood.
void ParseIpconfigLines(const std::vector<std::string>& lines, LocalAddressLists& lists);

// The system's interfaces and default routes written as ipconfig-style lines.
std::vector<std::string> SystemIpconfigLines();

// Writes the lines to "ipconfig.txt" in the per-user folder, loads them into
// the list box, gathers the addresses and deletes the file. When the file
// cannot be written or read the lists stay as they are.
void RefreshLocalAddresses(const std::string& userFolder, vcl::TListBox& ipConfigList, LocalAddressLists& lists);

} // namespace app
