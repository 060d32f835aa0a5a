#pragma once
// "Home \ LAN": how the device gets its own address, static or by DHCP.
#include <memory>

#include "snmp/controls/Request2Edits.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/StatusBar.h"

namespace pages {

class TFM_LanCfg : public vcl::TForm {
public:
    static constexpr int kUnknownMode = -1;

    explicit TFM_LanCfg(vcl::TForm* owner);
    ~TFM_LanCfg() override;

    void FormCreate();
    void CB_IPFromChange();
    void BT_LanCfgOkClick();

    vcl::TLabel GetIPFrom;
    vcl::TComboBox CB_IPFrom;
    vcl::TLabel LA_IPAddress;
    vcl::TEdit ED_IpAddr;
    vcl::TLabel LA_SubnetMask;
    vcl::TEdit ED_SubMask;
    vcl::TLabel LA_DefGW;
    vcl::TEdit ED_DefGw;
    vcl::TButton BT_LanCfgOk;
    vcl::TButton BT_LanCfgCancel;
    vcl::TStatusBar StatusBar;

    // The mode the device was last seen in: 0 static, 1 DHCP; unknown while
    // the reads have not succeeded.
    int savedMode = kUnknownMode;

private:
    void ApplyVisibility();
    bool Reject(vcl::TEdit& edit, const char* message);
    bool WriteStatic();
    void Report(bool ok);

    std::unique_ptr<zt::ZtSNMPRequest2Edits> modeRequest_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> addressRequest_;
};

} // namespace pages
