#pragma once
// A lock named by a text, held by one process at a time for as long as it
// lives: an advisory lock on a file in the runtime folder ($XDG_RUNTIME_DIR,
// else the temporary folder). The kernel drops it when the process ends, so a
// crashed holder never blocks the next one.
#include <string>

namespace platform {

class SingleInstanceLock {
public:
    enum class Result { Acquired, HeldElsewhere, Failed };

    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    Result Acquire(const std::string& name);
    void Release();
    std::string LockFilePath(const std::string& name) const;

private:
    int fd_ = -1;
};

} // namespace platform
