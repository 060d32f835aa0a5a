#pragma once
// "Tools \ System Settings": restart the device or reset it to factory defaults.
#include <functional>
#include <memory>

#include "snmp/controls/Request2Edits.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/StatusBar.h"

namespace app {

class TFM_Sytem : public vcl::TForm {
public:
    TFM_Sytem(vcl::TForm* owner, std::function<bool()> lampIsLime);
    ~TFM_Sytem() override;

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Bt_LanguageClearClick();

    vcl::TLabel RestartLabel;
    vcl::TButton Button1;
    vcl::TLabel RestoreLabel;
    vcl::TButton Button2;
    vcl::TLabel LanguageLabel;
    vcl::TButton Bt_LanguageClear;
    vcl::TStatusBar StatusBar;
    vcl::TComboBox CB_Restart;
    vcl::TComboBox CB_Restore;
    vcl::TComboBox Cbox_LanguagePack;

private:
    // Writes the one chosen entry (the others skipped) after the question; false on Cancel.
    bool Write(int entry, vcl::TComboBox& box, const char* question);
    void Wait(const char* caption, const char* label3);

    std::function<bool()> lampIsLime_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> request_;
};

} // namespace app
