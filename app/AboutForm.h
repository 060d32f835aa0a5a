#pragma once
// "Help \ About".
#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Label.h"

namespace app {

class TAboutForm : public vcl::TForm {
public:
    explicit TAboutForm(vcl::TForm* owner);
    // Shift+Alt+F3 on the OK button shows the build.
    void RevealBuild() { BuildLabel.SetVisible(true); }

    vcl::TLabel Title;
    vcl::TLabel VersionLabel;
    vcl::TLabel Version;
    vcl::TLabel BuildLabel;
    vcl::TButton BT_Ok;
};

} // namespace app
