#pragma once
// The address and text checks pages run before they write to the device.
#include <string>

namespace app {

// A unicast host address: 1-223 (not 127) . 0-255 . 0-255 . 0-254.
bool CheckIPAddress(const std::string& text);
// A mask: a run of at least two ones from the top bit, then zeros, the lowest bit clear.
bool CheckSubnetMask(const std::string& text);
// The address is a host of the subnet: neither network nor broadcast address,
// and the network part is neither 0 nor the mask itself.
bool CheckHostInSubnet(const std::string& address, const std::string& mask);
// The four numbers ANDed pairwise (a number that does not parse counts as 0).
std::string GetNetworkAddress(const std::string& address, const std::string& mask);
// Not empty, and the first blank (if any) is neither first nor last.
bool CheckBlanks(const std::string& text);
bool IsAsciiText(const std::string& text);
// Twelve hex digits, not all zero, the second digit even (no group address).
// When false it says "Invalid MAC Address." in a message box.
bool CheckMACAddress(const std::string& text);

} // namespace app
