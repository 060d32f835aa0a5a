#pragma once
#include <chrono>
#include <cstdint>

namespace platform {

// Milliseconds on a clock that never goes back (the system's tick count).
inline std::uint64_t TickCountMs()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

} // namespace platform
