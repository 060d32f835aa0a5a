#pragma once
// The module's main window. For now: its caption, its three timers and the
// start-up it runs when it is created.
#include <string>

#include "platform/SingleInstanceLock.h"
#include "vcl/Form.h"
#include "vcl/Timer.h"

namespace vcl {
class TApplication;
}

namespace app {

inline constexpr const char* kModelCaption = "TRV-4410";
inline constexpr int kBannerWidth = 472;
inline constexpr int kBannerHeight = 85;
inline constexpr int kStatusBarHeight = 19;

class TMainForm : public vcl::TForm {
public:
    // Loads the catalogues beside the executable and sets the window geometry.
    explicit TMainForm(vcl::TApplication& application);

    // The rest of the start-up: session, host catalogues, launch parameters,
    // title, single-instance guard, per-user folder. Engine and conversion
    // errors escape as exceptions; a refusal terminates the application.
    void FormCreate();

    void LedStatusTimer() {}
    void LedBlinkTimer() {}
    void Timer1Timer() {}

    const std::string& DeviceAddress() const { return deviceAddress_; }
    const std::string& UserFolder() const { return userFolder_; }

    vcl::TTimer LedStatus;
    vcl::TTimer LedBlink;
    vcl::TTimer Timer1;

private:
    void StopTimers();
    void PrepareUserFolder();

    vcl::TApplication& application_;
    platform::SingleInstanceLock instanceGuard_;
    std::string deviceAddress_;
    std::string userFolder_;
};

} // namespace app
