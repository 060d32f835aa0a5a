#pragma once
// Unattended operation: TRV4410_SCRIPT holds commands, separated by ";",
// that the main window carries out one after the other, reporting each on
// standard error as "script: ...":
//   wait-online [SECONDS]       until a probe succeeds (default 30 s)
//   lan ADDRESS MASK [GATEWAY]  the LAN page's static settings, saved
//   save-and-activate           Configuration > Save and Activate
//   screenshot FILE             a PNG of the main window
//   quit                        end the module
// A command that fails ends the module with status 3.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "vcl/core/EventLoop.h"

namespace app {

class TMainForm;

class Automation {
public:
    Automation(TMainForm& form, vcl::IEventLoop& loop, std::string script);
    static std::unique_ptr<Automation> FromEnvironment(TMainForm& form, vcl::IEventLoop& loop);

private:
    void Step();
    bool Run(const std::vector<std::string>& command);
    void Finish(int status);

    TMainForm& form_;
    std::unique_ptr<vcl::ILoopTimer> timer_;
    std::vector<std::string> commands_;
    std::size_t next_ = 0;
    std::chrono::steady_clock::time_point waitingSince_{};
    bool waiting_ = false;
};

// Milliseconds since the process started (for the first probe's report).
long MillisecondsSinceStart();

} // namespace app
