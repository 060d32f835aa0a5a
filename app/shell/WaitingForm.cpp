#include "app/shell/WaitingForm.h"

#include "snmp/DeviceOid.h"
#include "vcl/core/Exception.h"

namespace app {
namespace {

const zt::ZtOptionList kUpgradeCommands({{1, "Firmwareupdate"}, {2, "configSetting"}, {3, "Configsave"},
                                        {4, "Reboot"}, {6, "Nothing"}, {7, "certificateFileUpdate"},
                                        {8, "keyFileUpdate"}, {9, "getacl"}});

const zt::ZtSNMPVarTableRecord kFirmwareVersion[] = {
    {ZT_DEVICE_OID("5.1.1"), "deviceInformationFirmwareVersion", zt::syn::DisplayString, zt::acc::ReadOnly},
    zt::kEndOfTable,
};

const zt::ZtSNMPVarTableRecord kUpgradeCommand[] = {
    {ZT_DEVICE_OID("4.3.2.5"), "tftpUpgradeSettingCommand", zt::syn::Integer, zt::acc::ReadWrite, &kUpgradeCommands},
    zt::kEndOfTable,
};

} // namespace

TFM_Waiting::TFM_Waiting(vcl::TForm* owner, std::function<bool()> lampIsLime)
    : vcl::TForm(owner), Label2(this, "Settings saved."), Label3(this, "The device is restarting."),
      Label1(this, "Please wait for"), La_Time(this), seconds(this, "seconds."), Ed_Reboot(this), Ed_FwVer(this),
      lampIsLime_(std::move(lampIsLime))
{
    SetUpWindow("Please wait", vcl::TBorderStyle::bsDialog, 253, 69);
    Label2.SetBounds(16, 6, 230, 16);
    Label3.SetBounds(16, 24, 230, 16);
    Label1.SetBounds(16, 46, 100, 16);
    La_Time.SetBounds(120, 46, 30, 16);
    seconds.SetBounds(152, 46, 80, 16);
    Ed_Reboot.SetVisible(false);
    Ed_FwVer.SetVisible(false);
    Timer1.SetInterval(1200);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    OnCloseQuery = [this](bool& canClose) { CloseQuery(canClose); };
}

TFM_Waiting::~TFM_Waiting() { Timer1.SetEnabled(false); }

void TFM_Waiting::FormCreate()
{
    firmware_ = std::make_unique<zt::ZtSNMPRequest2Edits>(this);
    firmware_->request.varList = zt::ZtSNMPVarList(kFirmwareVersion, zt::listkind::Scalar);
    firmware_->mode = 0;
    firmware_->Bind(0, Ed_FwVer);
    try {
        firmware_->Get();
    } catch (const vcl::Exception&) {
        // the version is only kept for reference
    }
    countdown = 25;
}

void TFM_Waiting::Timer1Timer()
{
    const bool lime = lampIsLime_ && lampIsLime_();
    if (countdown != 1 || lime) {
        --countdown;
        La_Time.SetCaption(std::to_string(countdown));
    } else {
        ++waitTicks;
    }
    --ticksToRestart;
    if ((countdown <= 0 && lime) || waitTicks >= 6)
        Close();
    if (restartPending && ticksToRestart <= 0) {
        if (sendRestart)
            SendRestart();
        restartPending = false;
    }
}

void TFM_Waiting::SendRestart()
{
    reboot_ = std::make_unique<zt::ZtSNMPRequest2Edits>(this);
    reboot_->request.varList = zt::ZtSNMPVarList(kUpgradeCommand, zt::listkind::Scalar);
    reboot_->mode = 0;
    reboot_->BindFormat(0, "%s", Ed_Reboot);
    Ed_Reboot.SetText("reboot");
    try {
        reboot_->Set(true, true);
    } catch (const vcl::Exception&) {
        // the device restarts without it or the window gives up as usual
    }
}

void TFM_Waiting::CloseQuery(bool& canClose)
{
    if (waitTicks > 2)
        countdown = 0;
    canClose = countdown <= 0;
}

} // namespace app
