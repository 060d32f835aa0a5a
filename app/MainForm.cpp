#include "app/MainForm.h"

#include "app/CatalogueFiles.h"
#include "app/HostFolders.h"
#include "app/LaunchParameters.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"

namespace app {

TMainForm::TMainForm(vcl::TApplication& application) : application_(application)
{
    SetCaption(kModelCaption);
    LedStatus.SetInterval(2000);
    LedStatus.OnTimer = [this] { LedStatusTimer(); };
    LedBlink.SetInterval(500);
    LedBlink.OnTimer = [this] { LedBlinkTimer(); };
    Timer1.SetInterval(2000);
    Timer1.OnTimer = [this] { Timer1Timer(); };

    LoadCataloguesBesideExecutable(platform::ExecutableFolder());

    SetBorderStyle(vcl::TBorderStyle::bsSingle);
    SetMaximizeButton(false);
    SetPosition(vcl::TPosition::poScreenCenter);
    SetClientWidth(kBannerWidth);
    SetClientHeight(kBannerHeight + kStatusBarHeight);
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

} // namespace app
