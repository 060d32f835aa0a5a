#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/CatalogueFiles.h"
#include "app/FrontPanel.h"
#include "app/HostFolders.h"
#include "app/LaunchParameters.h"
#include "app/SystemForm.h"
#include "app/shell/WaitingForm.h"
#include "common/ErrorCatalogue.h"
#include "pages/network/LanCfg.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "snmp/DeviceOid.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "snmp/StatusLine.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/core/Exception.h"

namespace app {

int SslKeyRebootPending = 0;

namespace {

using namespace zt;

const ZtOptionList kApModes({{1, "Access Point"}, {2, "WDS With Ap"}, {3, "WDS"}, {4, "Wireless Client"}, {5, "AP Repeater"}});
const ZtOptionList kBands({{0, "2.4GHz"}, {1, "5GHz"}});
const ZtOptionList kEnable({{0, "Disable"}, {1, "Enable"}});
const ZtOptionList kApply({{0, "nothing"}, {1, "apply"}});
const ZtOptionList kReboot({{0, "nothing"}, {1, "reboot"}});
const ZtOptionList kBlinking({{0, "disable"}, {1, "blinking"}});

const ZtSNMPVarTableRecord kProbe[] = {{"1.3.6.1.2.1.1.1", "sysDescr", syn::DisplayString, acc::ReadOnly}, kEndOfTable};
const ZtSNMPVarTableRecord kApMode[] = {
    {ZT_DEVICE_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", syn::Integer, acc::ReadWrite, &kApModes}, kEndOfTable};
const ZtSNMPVarTableRecord kAddress[] = {
    {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "hIPAddress", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.3.1"), "hSubnetMask", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.4.1"), "hDefaultGateway", syn::IpAddress, acc::ReadWrite},
    kEndOfTable};
const ZtSNMPVarTableRecord kDhcp[] = {
    {ZT_DEVICE_OID("3.1.1"), "dhcpServerControl", syn::Integer, acc::ReadWrite, &kEnable}, kEndOfTable};
const ZtSNMPVarTableRecord kInterfaceAddress[] = {
    {ZT_DEVICE_OID("5.1.2.1.1.2.1"), "ifIpAddress", syn::IpAddress, acc::ReadWrite}, kEndOfTable};
const ZtSNMPVarTableRecord kBand[] = {
    {ZT_DEVICE_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", syn::Integer, acc::ReadWrite, &kBands}, kEndOfTable};
const ZtSNMPVarTableRecord kCommit[] = {
    {ZT_DEVICE_OID("4.2.3"), "deviceSettingApply", syn::Integer, acc::ReadWrite, &kApply},
    {ZT_DEVICE_OID("4.2.4"), "deviceSettingDiscard", syn::Integer, acc::ReadWrite, &kApply},
    {ZT_DEVICE_OID("4.2.1"), "deviceRestart", syn::Integer, acc::ReadWrite, &kReboot},
    kEndOfTable};
const ZtSNMPVarTableRecord kLamps[] = {
    {ZT_DEVICE_OID("5.1.2.1.1.6.1"), "wirelessLed2dot4G", syn::Integer, acc::ReadOnly, &kBlinking},
    {ZT_DEVICE_OID("5.1.2.1.1.7.1"), "wirelessLed5G", syn::Integer, acc::Skip, &kBlinking},
    kEndOfTable};

struct MenuEntry {
    std::vector<const char*> path;
    bool built;
};

} // namespace

TMainForm::TMainForm(vcl::TApplication& application)
    : Banner(this), LED_Power(this), LED_24GLan(this), LED_APstatus(this), LED_5GLan(this), MainStatusBar(this),
      CB_ApMode(this), IPAddressEdit(this), SubMaskEdit(this), Ed_SysIpaddress(this), CB_Band(this), CB_Fuction1(this),
      Cbox_SaveAct(this), Cbox_Discard(this), Cbox_Restart(this), CB_Led2dot4G(this), CB_Led5G(this), IpConfigList(this),
      application_(application)
{
    LedStatus.SetInterval(2000);
    LedStatus.OnTimer = [this] { LedStatusTimer(); };
    LedBlink.SetInterval(500);
    LedBlink.OnTimer = [this] { LedBlinkTimer(); };
    Timer1.SetInterval(2000);
    Timer1.OnTimer = [this] { Timer1Timer(); };

    LoadCataloguesBesideExecutable(platform::ExecutableFolder());

    Banner.SetBounds(0, 0, kBannerWidth, kBannerHeight);
    Banner.SetPicture(FrontPanelPicture(kBannerWidth, kBannerHeight));
    const std::pair<vcl::TShape*, std::pair<int, int>> lamps[] = {
        {&LED_Power, {124, 36}}, {&LED_24GLan, {252, 36}}, {&LED_APstatus, {281, 36}}, {&LED_5GLan, {159, 383}}};
    for (const auto& [lamp, at] : lamps)
        lamp->SetBounds(at.first, at.second, 13, 9);
    MainStatusBar.SetBounds(0, kBannerHeight, kBannerWidth, kStatusBarHeight);
    for (vcl::TControl* hidden : std::initializer_list<vcl::TControl*>{
             &CB_ApMode, &IPAddressEdit, &SubMaskEdit, &Ed_SysIpaddress, &CB_Band, &CB_Fuction1, &Cbox_SaveAct,
             &Cbox_Discard, &Cbox_Restart, &CB_Led2dot4G, &CB_Led5G, &IpConfigList})
        hidden->SetVisible(false);

    BuildMenu();
    SetMenu(MainMenu);
    SetUpWindow(kModelCaption, vcl::TBorderStyle::bsSingle, kBannerWidth, kBannerHeight + kStatusBarHeight);
}

TMainForm::~TMainForm()
{
    automation_.reset();
    StopTimers();
    // Requests end before the controls they fill.
    probe_.reset();
    apMode_.reset();
    address_.reset();
    dhcp_.reset();
    interfaceAddress_.reset();
    band_.reset();
    commit_.reset();
    lamps_.reset();
}

void TMainForm::BuildMenu()
{
    const MenuEntry entries[] = {
        {{"Home", "Information"}, false},
        {{"Home", "Wireless"}, false},
        {{"Home", "LAN"}, true},
        {{"Advanced", "Performance"}, false},
        {{"Advanced", "Filter", "Wireless MAC ACL"}, false},
        {{"Advanced", "Filter", "WLAN Partition"}, false},
        {{"Advanced", "Multi-SSID"}, false},
        {{"Advanced", "DHCP Server"}, false},
        {{"Advanced", "Intrusion"}, false},
        {{"Advanced", "Schedule"}, false},
        {{"Advanced", "QoS"}, false},
        {{"Advanced", "VLAN"}, false},
        {{"Advanced", "AP Array"}, false},
        {{"Advanced", "Web Redirection"}, false},
        {{"Advanced", "ARP Spoofing Prevention"}, false},
        {{"Advanced", "Internal RADIUS Server"}, false},
        {{"Advanced", "Traffic Control"}, false},
        {{"Tools", "Administration"}, false},
        {{"Tools", "System Settings"}, true},
        {{"Tools", "Firmware and SSL"}, false},
        {{"Tools", "Time and Date"}, false},
        {{"Tools", "Configuration File"}, false},
        {{"Configuration", "Save and Activate"}, true},
        {{"Configuration", "Discard Changes"}, true},
        {{"Status", "Device Information"}, false},
        {{"Status", "Client Information"}, false},
        {{"Status", "WDS Information"}, false},
        {{"Status", "Stats", "Ethernet"}, false},
        {{"Status", "Stats", "WLAN"}, false},
        {{"Status", "Log", "View Log"}, false},
        {{"Status", "Log", "Log Settings"}, false},
        {{"Help", "About"}, true},
    };
    for (const auto& entry : entries) {
        std::vector<std::string> path(entry.path.begin(), entry.path.end());
        vcl::TMenuItem* parent = MainMenu.Find({path[0]});
        if (!parent)
            parent = &MainMenu.Add(path[0]);
        for (std::size_t i = 1; i + 1 < path.size(); ++i) {
            vcl::TMenuItem* sub = parent->Find(path[i]);
            parent = sub ? sub : &parent->Add(path[i]);
        }
        vcl::TMenuItem& item = parent->Add(path.back());
        item.SetEnabled(entry.built); // the pages not built yet are offered disabled
    }
    for (const char* hidden : {"Web Redirection", "Internal RADIUS Server", "Traffic Control"})
        MainMenu.Find({"Advanced", hidden})->SetVisible(false);
    ARPSpoofingPreventionSettings1 = MainMenu.Find({"Advanced", "ARP Spoofing Prevention"});
    MainMenu.Find({"Home", "LAN"})->OnClick = [this] { hLan1Click(); };
    MainMenu.Find({"Tools", "System Settings"})->OnClick = [this] { tSystem1Click(); };
    MainMenu.Find({"Configuration", "Save and Activate"})->OnClick = [this] { SaveandActivate1Click(); };
    MainMenu.Find({"Configuration", "Discard Changes"})->OnClick = [this] { DiscardChanges1Click(); };
    MainMenu.Find({"Help", "About"})->OnClick = [this] { About1Click(); };
}

void TMainForm::FormCreate()
{
    zt::CreateSession("", application_.EventLoop());

    platform::TRegistry registry;
    LoadCataloguesFromHelpBase(ReadHelpBase(registry));
    const std::string cfgFolder = ReadCfgFolder(registry);

    const auto& params = application_.Params();
    if (params.empty()) {
        StopTimers();
        vcl::ShowMessage("This module is only used in the Skyframe or HP-Openview.");
        application_.Terminate();
        return;
    }

    LaunchParameters launch(zt::GlobalLaunchSettings(), cfgFolder);
    launch.Apply(params);
    deviceAddress_ = launch.Address();

    SetCaption(std::string(kModelCaption) + " : " + deviceAddress_);

    if (instanceGuard_.Acquire(Caption()) != platform::SingleInstanceLock::Result::Acquired) {
        StopTimers();
        vcl::MessageBox("SNMP Timeout or another TRV-4410 module is running!", "Warning", vcl::TMsgButtons::Ok,
                        vcl::TMsgIcon::Warning);
        application_.Terminate();
        Close();
        return;
    }

    PrepareUserFolder();
    StartTalking();
    automation_ = Automation::FromEnvironment(*this, application_.EventLoop());
}

void TMainForm::StopTimers()
{
    LedStatus.SetEnabled(false);
    LedBlink.SetEnabled(false);
    Timer1.SetEnabled(false);
}

// The per-user folder holds the module's temporary and log files. Under
// APPDATA only the last level is created, as there; the desktop's own data
// folder is created with its parents.
void TMainForm::PrepareUserFolder()
{
    const platform::UserDataFolder base = platform::PerUserDataFolder();
    userFolder_ = base.path + "/TRV-4410";
    if (platform::FolderExists(userFolder_))
        return;
    if (!platform::CreateFolder(userFolder_, !base.fromAppData))
        vcl::ShowMessage("Can not create  \"" + userFolder_ + "\" Log directory!");
}

std::unique_ptr<ZtSNMPRequest2Edits> TMainForm::Request(const ZtSNMPVarTableRecord* table, std::uint8_t kind,
                                                        int timeout, bool sync)
{
    auto request = std::make_unique<ZtSNMPRequest2Edits>(this);
    request->request.varList = ZtSNMPVarList(table, kind);
    request->mode = sync ? 0 : 1;
    if (timeout > 0)
        request->request.timeout = timeout;
    return request;
}

// A read at start that fails leaves its controls as the binding leaves them;
// the main window shows nothing more.
void TMainForm::ReadQuietly(ZtSNMPRequest2Controls& request)
{
    try {
        request.Get();
    } catch (const vcl::Exception&) {
    }
}

void TMainForm::StartTalking()
{
    probe_ = std::make_unique<ZtSNMPRequest>();
    probe_->varList = ZtSNMPVarList(kProbe, listkind::Scalar);
    LedStatusTimer();
    BuildRequests();
    ApplyArpMenuRule();
}

void TMainForm::BuildRequests()
{
    apMode_ = Request(kApMode, listkind::Instance, 1000, true);
    apMode_->BindComboBox(0, CB_ApMode);
    ReadQuietly(*apMode_);

    address_ = Request(kAddress, listkind::Instance, 0, false);
    address_->BindFormat(0, "%s", IPAddressEdit);
    address_->BindFormat(1, "%s", SubMaskEdit);
    ReadQuietly(*address_);

    dhcp_ = Request(kDhcp, listkind::Scalar, 0, true);
    dhcp_->BindComboBox(0, CB_Fuction1);
    ReadQuietly(*dhcp_);

    interfaceAddress_ = Request(kInterfaceAddress, listkind::Instance, 1000, true);
    interfaceAddress_->BindFormat(0, "%s", Ed_SysIpaddress);
    ReadQuietly(*interfaceAddress_);

    band_ = Request(kBand, listkind::Instance, 10000, true);
    band_->BindComboBox(0, CB_Band);
    ReadQuietly(*band_);

    commit_ = Request(kCommit, listkind::Scalar, 10000, true);
    commit_->BindComboBox(0, Cbox_SaveAct);
    commit_->BindComboBox(1, Cbox_Discard);
    commit_->BindComboBox(2, Cbox_Restart);
    ReadQuietly(*commit_);

    lamps_ = Request(kLamps, listkind::Instance, 0, false);
    lamps_->BindComboBox(0, CB_Led2dot4G);
    lamps_->BindComboBox(1, CB_Led5G);
    ReadQuietly(*lamps_);
}

void TMainForm::ApplyArpMenuRule()
{
    const int mode = CB_ApMode.ItemIndex();
    // Items 3 and 4 are "Wireless Client" and "AP Repeater".
    ARPSpoofingPreventionSettings1->SetVisible(mode != 3 && mode != 4);
}

void TMainForm::AllLampsBlack()
{
    for (vcl::TShape* lamp : {&LED_Power, &LED_24GLan, &LED_APstatus, &LED_5GLan}) {
        lamp->SetBrushColor(vcl::clBlack);
        lamp->SetVisible(true);
    }
}

void TMainForm::ShowStatus(const std::string& text)
{
    statusText_ = text;
    MainStatusBar.SetSimpleText(text);
}

void TMainForm::LedStatusTimer()
{
    LedStatus.SetEnabled(false);
    probe_->timeout = 3000;
    try {
        if (!probe_->GetAsync([this](void*, const ZtSNMPError& e) { ProbeAnswered(e); }, nullptr, true))
            ProbeAnswered(probe_->lastError);
    } catch (const vcl::Exception& e) {
        AllLampsBlack();
        ShowStatus(e.Message());
        LedStatus.SetEnabled(true);
    }
}

void TMainForm::ProbeAnswered(const ZtSNMPError& outcome)
{
    if (outcome.code != 0) {
        AllLampsBlack();
        online_ = false;
        ShowStatus(outcome.message);
    } else {
        online_ = true;
        ShowStatus(StatusLine(0, outcome.message, {}));
        LedBlinkTimer();
    }
    LedStatus.SetEnabled(true);
}

void TMainForm::LedBlinkTimer()
{
    if (!online_)
        return;
    LedBlink.SetEnabled(true);
    LED_Power.SetBrushColor(vcl::clLime);
    LED_Power.SetVisible(true);
    if (LED_APstatus.BrushColor() == vcl::clBlack) {
        LED_APstatus.SetBrushColor(vcl::clLime);
    } else {
        if (apLampCounter_ == 4) {
            LED_APstatus.SetBrushColor(vcl::clBlack);
            apLampCounter_ = 0;
        }
        ++apLampCounter_;
    }
    LED_APstatus.SetVisible(true);
    const std::pair<vcl::TShape*, vcl::TComboBox*> radios[] = {{&LED_24GLan, &CB_Led2dot4G}, {&LED_5GLan, &CB_Led5G}};
    for (const auto& [lamp, setting] : radios) {
        if (setting->ItemIndex() == 1) {
            lamp->SetBrushColor(lamp->BrushColor() == vcl::clLime ? vcl::clBlack : vcl::clLime);
            lamp->SetVisible(true);
        } else {
            lamp->SetBrushColor(vcl::clBlack);
            lamp->SetVisible(false);
        }
    }
    if (IPAddressEdit.Text().empty()) {
        for (vcl::TShape* lamp : {&LED_24GLan, &LED_5GLan}) {
            lamp->SetBrushColor(vcl::clBlack);
            lamp->SetVisible(false);
        }
    }
}

void TMainForm::Timer1Timer()
{
    if (timer1Ticks_ == 7) {
        IPAddressEdit.SetText("");
        SubMaskEdit.SetText("");
        timer1Ticks_ = 0;
    }
    if (address_)
        ReadQuietly(*address_);
    if (lamps_)
        ReadQuietly(*lamps_);
    ++timer1Ticks_;
}

void TMainForm::RefreshLocalAddresses() { app::RefreshLocalAddresses(userFolder_, IpConfigList, localAddresses); }

void TMainForm::hLan1Click()
{
    pages::TFM_LanCfg page(this);
    page.FormCreate();
    page.ShowModal();
}

void TMainForm::Commit(int apply, int discard, int countdown, const char* label2)
{
    Cbox_SaveAct.SetItemIndex(apply);
    Cbox_Discard.SetItemIndex(discard);
    Cbox_Restart.SetItemIndex(0);
    try {
        commit_->Set(true, true);
    } catch (const vcl::Exception&) {
        // the result is not examined: the waiting window shows what happens
    }
    TFM_Waiting waiting(this, [this] { return LampLime24(); });
    waiting.FormCreate();
    waiting.countdown = countdown;
    waiting.sendRestart = false;
    waiting.Label2.SetCaption(label2);
    waiting.Label3.SetCaption("Please DO NOT POWER OFF the device");
    waiting.ShowModal();
}

void TMainForm::SaveandActivate1Click()
{
    if (commit_)
        Commit(1, 0, 40, "The device is activate...");
}

void TMainForm::DiscardChanges1Click()
{
    if (commit_)
        Commit(0, 1, 50, "The device is rebooting...");
}

void TMainForm::tSystem1Click()
{
    TFM_Sytem page(this, [this] { return LampLime24(); });
    page.FormCreate();
    page.ShowModal();
}

void TMainForm::About1Click()
{
    TAboutForm about(this);
    about.ShowModal();
}

} // namespace app
