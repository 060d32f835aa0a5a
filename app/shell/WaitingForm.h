#pragma once
// The waiting window: counts down while the device is busy or restarting and
// closes when the main window's 2.4 GHz lamp shows the device back (or gives
// up after six ticks at 1). Optionally sends the restart itself.
#include <functional>
#include <memory>

#include "snmp/controls/Request2Edits.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/Timer.h"

namespace app {

class TFM_Waiting : public vcl::TForm {
public:
    // lampIsLime: whether the main window's 2.4 GHz lamp is lime now.
    TFM_Waiting(vcl::TForm* owner, std::function<bool()> lampIsLime);
    ~TFM_Waiting() override;

    // The creation handler: reads the firmware version, sets the countdown to 25.
    void FormCreate();
    void Timer1Timer();

    int countdown = 20;
    int waitTicks = 0;
    bool sendRestart = true;
    bool restartPending = true;
    int ticksToRestart = 2;

    vcl::TLabel Label2;
    vcl::TLabel Label3;
    vcl::TLabel Label1;
    vcl::TLabel La_Time;
    vcl::TLabel seconds;
    vcl::TEdit Ed_Reboot;
    vcl::TEdit Ed_FwVer;
    vcl::TTimer Timer1;

private:
    void SendRestart();
    void CloseQuery(bool& canClose);

    std::function<bool()> lampIsLime_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> firmware_;
    std::unique_ptr<zt::ZtSNMPRequest2Edits> reboot_;
};

} // namespace app
