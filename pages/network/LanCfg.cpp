#include "pages/network/LanCfg.h"

#include "app/shell/AddressChecks.h"
#include "common/TextUtil.h"
#include "snmp/DeviceOid.h"
#include "vcl/Dialogs.h"
#include "vcl/core/Exception.h"

namespace pages {
namespace {

using namespace zt;

const ZtOptionList kGetIPFrom({{1, "Static IP(Manual)"}, {2, "Dynamic IP(DHCP)"}});

const ZtSNMPVarTableRecord kModeTable[] = {
    {ZT_DEVICE_OID("2.1.1.1.1.1.1"), "hGetIPFrom", syn::Integer, acc::ReadWrite, &kGetIPFrom},
    kEndOfTable,
};

const ZtSNMPVarTableRecord kAddressTable[] = {
    {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "hIPAddress", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.3.1"), "hSubnetMask", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.4.1"), "hDefaultGateway", syn::IpAddress, acc::ReadWrite},
    kEndOfTable,
};

constexpr int kStatic = 0;
constexpr int kDhcp = 1;

long FirstNumber(const std::string& dotted)
{
    const auto value = ParseDecimal(dotted.substr(0, dotted.find('.')));
    return value ? *value : -1;
}

std::unique_ptr<ZtSNMPRequest2Edits> SyncRequest(vcl::TForm* owner, const ZtSNMPVarTableRecord* table)
{
    auto request = std::make_unique<ZtSNMPRequest2Edits>(owner);
    request->request.varList = ZtSNMPVarList(table, listkind::Instance);
    request->mode = 0;
    request->request.timeout = 1000;
    return request;
}

} // namespace

TFM_LanCfg::TFM_LanCfg(vcl::TForm* owner)
    : vcl::TForm(owner), GetIPFrom(this, "Get IP From"), CB_IPFrom(this), LA_IPAddress(this, "IP Address"),
      ED_IpAddr(this), LA_SubnetMask(this, "Subnet Mask"), ED_SubMask(this), LA_DefGW(this, "Default Gateway"),
      ED_DefGw(this), BT_LanCfgOk(this, "Save"), BT_LanCfgCancel(this, "Cancel"), StatusBar(this, 1)
{
    SetUpWindow("Home \\ LAN", vcl::TBorderStyle::bsSingle, 271, 212);
    GetIPFrom.SetBounds(16, 20, 100, 20);
    CB_IPFrom.SetBounds(120, 18, 135, 24);
    LA_IPAddress.SetBounds(16, 60, 100, 20);
    ED_IpAddr.SetBounds(120, 58, 135, 24);
    LA_SubnetMask.SetBounds(16, 92, 100, 20);
    ED_SubMask.SetBounds(120, 90, 135, 24);
    LA_DefGW.SetBounds(16, 124, 100, 20);
    ED_DefGw.SetBounds(120, 122, 135, 24);
    BT_LanCfgOk.SetBounds(56, 158, 75, 27);
    BT_LanCfgCancel.SetBounds(140, 158, 75, 27);
    StatusBar.SetBounds(0, 193, 271, 19);
    ED_IpAddr.SetText("   .   .   .   ");
    ED_SubMask.SetText("255.255.255.0");
    ED_DefGw.SetText("   .   .   .   ");
    CB_IPFrom.OnChange = [this] { CB_IPFromChange(); };
    BT_LanCfgOk.OnClick = [this] { BT_LanCfgOkClick(); };
    BT_LanCfgCancel.OnClick = [this] { Close(); };
}

TFM_LanCfg::~TFM_LanCfg() = default;

void TFM_LanCfg::FormCreate()
{
    try {
        modeRequest_ = SyncRequest(this, kModeTable);
        modeRequest_->BindComboBox(0, CB_IPFrom);
        modeRequest_->Get();
        addressRequest_ = SyncRequest(this, kAddressTable);
        addressRequest_->BindFormat(0, "%s", ED_IpAddr);
        addressRequest_->BindFormat(1, "%s", ED_SubMask);
        addressRequest_->BindFormat(2, "%s", ED_DefGw);
        addressRequest_->SetStatusTarget(&StatusBar.Panel(0));
        // The mode is known only when both reads came through.
        const bool modeRead = CB_IPFrom.ItemIndex() >= 0;
        if (addressRequest_->Get() && modeRead) {
            savedMode = CB_IPFrom.ItemIndex();
            ApplyVisibility();
        }
    } catch (const vcl::Exception& e) {
        StatusBar.Panel(0).SetText(e.Message());
        return;
    }
    for (vcl::TEdit* edit : {&ED_IpAddr, &ED_SubMask, &ED_DefGw})
        edit->SetMaxLength(15);
    if (ED_DefGw.Text() == "0.0.0.0")
        ED_DefGw.SetText("");
}

void TFM_LanCfg::ApplyVisibility()
{
    const bool shown = CB_IPFrom.ItemIndex() != kDhcp;
    for (vcl::TControl* control : std::initializer_list<vcl::TControl*>{&LA_IPAddress, &ED_IpAddr, &LA_SubnetMask,
                                                                        &ED_SubMask, &LA_DefGW, &ED_DefGw})
        control->SetVisible(shown);
}

void TFM_LanCfg::CB_IPFromChange() { ApplyVisibility(); }

bool TFM_LanCfg::Reject(vcl::TEdit& edit, const char* message)
{
    vcl::MessageBox(message, "Warning", vcl::TMsgButtons::Ok, vcl::TMsgIcon::Warning);
    edit.SetText("");
    edit.SetFocus();
    return false;
}

void TFM_LanCfg::Report(bool ok)
{
    if (ok)
        savedMode = CB_IPFrom.ItemIndex();
    StatusBar.Panel(0).SetText(ok ? "Set OK!" : "Set Error!");
}

// Checks the static settings and writes them; false when a check refused them.
bool TFM_LanCfg::WriteStatic()
{
    const std::string address = ED_IpAddr.Text();
    const std::string mask = ED_SubMask.Text();
    if (!app::CheckIPAddress(address))
        return Reject(ED_IpAddr, "Please input valid IP Address.");
    if (!app::CheckSubnetMask(mask))
        return Reject(ED_SubMask, "Please input valid Subnet Mask.");
    if (FirstNumber(address) >= FirstNumber(mask) || !app::CheckHostInSubnet(address, mask))
        return Reject(ED_IpAddr, "Please input valid IP Address.");
    if (ED_DefGw.Text().empty())
        ED_DefGw.SetText("0.0.0.0");
    else if (!app::CheckIPAddress(ED_DefGw.Text()))
        return Reject(ED_DefGw, "Invalid gateway address !");
    // A device that was in DHCP mode, or whose mode could not be read, is told
    // the mode too: otherwise it would stay in DHCP mode behind a "Set OK!".
    if (savedMode == kDhcp || savedMode == kUnknownMode) {
        const bool modeOk = modeRequest_->Set(true, true);
        const bool addressOk = addressRequest_->Set(true, true);
        Report(modeOk && addressOk);
    } else {
        Report(addressRequest_->Set(true, true));
    }
    return true;
}

void TFM_LanCfg::BT_LanCfgOkClick()
{
    if (!modeRequest_ || !addressRequest_)
        return;
    try {
        if (CB_IPFrom.ItemIndex() == kStatic) {
            WriteStatic();
        } else if (CB_IPFrom.ItemIndex() == kDhcp && savedMode != kDhcp) {
            Report(modeRequest_->Set(true, true));
        }
    } catch (const vcl::Exception& e) {
        StatusBar.Panel(0).SetText(e.Message());
    }
    if (ED_DefGw.Text() == "0.0.0.0")
        ED_DefGw.SetText("");
}

} // namespace pages
