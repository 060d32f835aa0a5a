#include "platform/SingleInstanceLock.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

std::string RuntimeFolder()
{
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "/tmp";
}

// Any text can name the lock; characters outside a safe set are written as %XX.
std::string FileNameOf(const std::string& name)
{
    std::string out = "trv4410-";
    for (unsigned char c : name) {
        if (std::isalnum(c) || c == '.' || c == '-' || c == '_') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out + ".lock";
}

} // namespace

SingleInstanceLock::~SingleInstanceLock() { Release(); }

std::string SingleInstanceLock::LockFilePath(const std::string& name) const
{
    return RuntimeFolder() + "/" + FileNameOf(name);
}

SingleInstanceLock::Result SingleInstanceLock::Acquire(const std::string& name)
{
    Release();
    const int fd = ::open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::HeldElsewhere : Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}

void SingleInstanceLock::Release()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace platform
