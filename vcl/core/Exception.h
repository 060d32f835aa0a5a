#pragma once
// The toolkit's exception: a message and a help context. Framework and support
// code raise their catalogue errors with it (help context = error code).
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message, int helpContext = 0)
        : std::runtime_error(message), helpContext_(helpContext) {}

    std::string Message() const { return what(); }
    int HelpContext() const { return helpContext_; }

private:
    int helpContext_;
};

// What the toolkit's string-to-number conversion raises for a text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace vcl
