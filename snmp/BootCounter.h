#pragma once
// The SNMPv3 engine boots counter, kept in a small text file: one line per
// engine id, "<engine id><TAB><boots>".
#include <cstdint>
#include <string>

namespace zt {

namespace bootcounter {
constexpr int kOk = 0;
constexpr int kNoFile = -1;
constexpr int kNoEntry = -2;
constexpr int kBadFile = -3;    // unreadable or not in the format above
constexpr int kWriteFailed = -4;
} // namespace bootcounter

std::string BootCounterPath(const std::string& folder);

// Reads the counter of engineId; on kNoFile and kNoEntry the counter is 0.
int GetBootCounter(const std::string& path, const std::string& engineId, std::uint32_t& counter);

// Stores the counter of engineId, keeping the other engines' lines. The file is
// replaced as a whole, so a failed write never leaves half a file behind.
int SaveBootCounter(const std::string& path, const std::string& engineId, std::uint32_t counter);

} // namespace zt
