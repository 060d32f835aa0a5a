#pragma once
// The module's main window: the device's front panel with its lamps, the
// status line, the menu, and the requests behind them.
#include <memory>
#include <string>

#include "app/Automation.h"
#include "app/LocalAddresses.h"
#include "platform/SingleInstanceLock.h"
#include "snmp/SnmpRequest.h"
#include "snmp/controls/Request2Edits.h"
#include "vcl/ComboBox.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/ListBox.h"
#include "vcl/Menu.h"
#include "vcl/Shape.h"
#include "vcl/StatusBar.h"
#include "vcl/Timer.h"

namespace vcl {
class TApplication;
}

namespace app {

inline constexpr const char* kModelCaption = "TRV-4410";
inline constexpr int kBannerWidth = 472;
inline constexpr int kBannerHeight = 85;
inline constexpr int kStatusBarHeight = 19;

// Set to 2 when the device has been restarted since the last key upload.
extern int SslKeyRebootPending;

class TMainForm : public vcl::TForm {
public:
    // Loads the catalogues beside the executable and lays out the window.
    explicit TMainForm(vcl::TApplication& application);
    ~TMainForm() override;

    // The start-up: session, host catalogues, launch parameters, title,
    // single-instance guard, per-user folder; then the requests and the first
    // probe. Engine and conversion errors escape as exceptions; a refusal
    // terminates the application.
    void FormCreate();
    // The requests and the first probe (FormCreate runs this last).
    void StartTalking();

    void LedStatusTimer();
    void LedBlinkTimer();
    void Timer1Timer();
    void ApplyArpMenuRule();
    void RefreshLocalAddresses();

    // Menu handlers.
    void hLan1Click();
    void SaveandActivate1Click();
    void DiscardChanges1Click();
    void tSystem1Click();
    void About1Click();

    // Tests drive the timers by calling their handlers.
    void StopTimersForTests() { StopTimers(); }

    const std::string& DeviceAddress() const { return deviceAddress_; }
    const std::string& UserFolder() const { return userFolder_; }
    bool Online() const { return online_; }
    const std::string& StatusText() const { return statusText_; }
    // The waiting window watches this lamp.
    bool LampLime24() const { return LED_24GLan.BrushColor() == vcl::clLime && LED_24GLan.Visible(); }

    vcl::TImage Banner;
    vcl::TShape LED_Power;
    vcl::TShape LED_24GLan;
    vcl::TShape LED_APstatus;
    vcl::TShape LED_5GLan;
    vcl::TStatusBar MainStatusBar;
    vcl::TComboBox CB_ApMode;
    vcl::TEdit IPAddressEdit;
    vcl::TEdit SubMaskEdit;
    vcl::TEdit Ed_SysIpaddress;
    vcl::TComboBox CB_Band;
    vcl::TComboBox CB_Fuction1;
    vcl::TComboBox Cbox_SaveAct;
    vcl::TComboBox Cbox_Discard;
    vcl::TComboBox Cbox_Restart;
    vcl::TComboBox CB_Led2dot4G;
    vcl::TComboBox CB_Led5G;
    vcl::TListBox IpConfigList;
    vcl::TMainMenu MainMenu;
    vcl::TMenuItem* ARPSpoofingPreventionSettings1 = nullptr;
    vcl::TTimer LedStatus;
    vcl::TTimer LedBlink;
    vcl::TTimer Timer1;
    LocalAddressLists localAddresses;

private:
    void BuildMenu();
    void StopTimers();
    void PrepareUserFolder();
    void BuildRequests();
    void ProbeAnswered(const zt::ZtSNMPError& outcome);
    void AllLampsBlack();
    void ShowStatus(const std::string& text);
    void Commit(int apply, int discard, int countdown, const char* label2);
    void ReadQuietly(zt::ZtSNMPRequest2Controls& request);
    std::unique_ptr<zt::ZtSNMPRequest2Edits> Request(const zt::ZtSNMPVarTableRecord* table, std::uint8_t kind,
                                                     int timeout, bool sync);

    vcl::TApplication& application_;
    platform::SingleInstanceLock instanceGuard_;
    std::string deviceAddress_;
    std::string userFolder_;
    bool online_ = false;
    int apLampCounter_ = 0;
    int timer1Ticks_ = 0;
    std::string statusText_;
    std::unique_ptr<zt::ZtSNMPRequest> probe_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> apMode_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> address_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> dhcp_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> interfaceAddress_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> band_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> commit_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> lamps_;
    std::unique_ptr<Automation> automation_;
};

} // namespace app
