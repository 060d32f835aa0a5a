#include "app/SystemForm.h"

#include "app/MainForm.h"
#include "app/shell/WaitingForm.h"
#include "snmp/DeviceOid.h"
#include "vcl/Dialogs.h"
#include "vcl/core/Exception.h"

namespace app {
namespace {

using namespace zt;

const ZtOptionList kReboot({{0, "nothing"}, {1, "reboot"}});
const ZtOptionList kReset({{0, "nothing"}, {1, "reset"}});
const ZtOptionList kClear({{0, "nothing"}, {1, "clear"}});

const ZtSNMPVarTableRecord kSystemTable[] = {
    {ZT_DEVICE_OID("4.2.1"), "deviceRestart", syn::Integer, acc::ReadWrite, &kReboot},
    {ZT_DEVICE_OID("4.2.2"), "deviceFactoryDefault", syn::Integer, acc::ReadWrite, &kReset},
    {ZT_DEVICE_OID("4.2.5"), "languagePackClear", syn::Integer, acc::ReadWrite, &kClear},
    kEndOfTable,
};

} // namespace

TFM_Sytem::TFM_Sytem(vcl::TForm* owner, std::function<bool()> lampIsLime)
    : vcl::TForm(owner), RestartLabel(this, "Restart the Device"), Button1(this, "Restart"),
      RestoreLabel(this, "Restore to Factory Default Settings"), Button2(this, "Restore"),
      LanguageLabel(this, "Clear Language Pack"), Bt_LanguageClear(this, "Clear"), StatusBar(this, 1),
      CB_Restart(this), CB_Restore(this), Cbox_LanguagePack(this), lampIsLime_(std::move(lampIsLime))
{
    // Wider than the original 295 so that the longest row reads in full.
    SetUpWindow("Tools \\ System Settings", vcl::TBorderStyle::bsSingle, 340, 115);
    RestartLabel.SetBounds(12, 16, 235, 20);
    Button1.SetBounds(253, 12, 75, 26);
    RestoreLabel.SetBounds(12, 52, 235, 20);
    Button2.SetBounds(253, 48, 75, 26);
    StatusBar.SetBounds(0, 96, 340, 19);
    for (vcl::TControl* hidden :
         std::initializer_list<vcl::TControl*>{&LanguageLabel, &Bt_LanguageClear, &CB_Restart, &CB_Restore, &Cbox_LanguagePack})
        hidden->SetVisible(false);
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Bt_LanguageClear.OnClick = [this] { Bt_LanguageClearClick(); };
}

TFM_Sytem::~TFM_Sytem() = default;

void TFM_Sytem::FormCreate()
{
    try {
        request_ = std::make_unique<ZtSNMPRequest2Edits>(this);
        request_->request.varList = ZtSNMPVarList(kSystemTable, listkind::Scalar);
        request_->request.timeout = 10000;
        request_->mode = 0;
        request_->BindComboBox(0, CB_Restart);
        request_->BindComboBox(1, CB_Restore);
        request_->BindComboBox(2, Cbox_LanguagePack);
        request_->SetStatusTarget(&StatusBar);
    } catch (const vcl::Exception& e) {
        StatusBar.SetSimpleText(e.Message());
        request_.reset();
    }
}

bool TFM_Sytem::Write(int entry, vcl::TComboBox& box, const char* question)
{
    if (!request_)
        return false;
    box.SetItemIndex(1);
    for (int i = 0; i < request_->request.varList.Count(); ++i)
        request_->request.varList.Item(i).access = i == entry ? acc::ReadWrite : acc::Skip;
    if (vcl::MessageBox(question, "Warning", vcl::TMsgButtons::OkCancel, vcl::TMsgIcon::Warning) != vcl::mrOk)
        return false;
    try {
        request_->Set(true, true);
    } catch (const vcl::Exception& e) {
        StatusBar.SetSimpleText(e.Message());
    }
    return true;
}

void TFM_Sytem::Wait(const char* caption, const char* label3)
{
    TFM_Waiting waiting(this, lampIsLime_);
    waiting.FormCreate();
    waiting.countdown = 60;
    waiting.sendRestart = false;
    waiting.SetCaption(caption);
    if (label3)
        waiting.Label3.SetCaption(label3);
    waiting.ShowModal();
}

void TFM_Sytem::Button1Click()
{
    if (!Write(0, CB_Restart, "Device will reboot, continue?"))
        return;
    Wait("System is rebooting, please waiting.....", nullptr);
    SslKeyRebootPending = 2;
}

void TFM_Sytem::Button2Click()
{
    if (!Write(1, CB_Restore, "Restore to Factory Default Settings?"))
        return;
    Wait("System is rebooting, please waiting.....!", "The system IP will be 192.168.0.50 !");
}

void TFM_Sytem::Bt_LanguageClearClick() { Write(2, Cbox_LanguagePack, "Clear the language pack ?"); }

} // namespace app
