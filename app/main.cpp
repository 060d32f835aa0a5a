#include <exception>

#include "app/MainForm.h"
#include "snmp/Session.h"
#include "vcl/Application.h"

namespace {
// The session's timers belong to the application's loop: end it first.
struct SessionEnd {
    ~SessionEnd() { zt::DestroySession(); }
};
} // namespace

int main(int argc, char** argv)
{
    vcl::TApplication application(argc, argv);
    application.SetTitle("TRV4410Module");
    SessionEnd sessionEnd;
    try {
        app::TMainForm mainForm(application);
        mainForm.FormCreate();
        if (application.Terminated())
            return 0;
        mainForm.Show();
        application.Run();
    } catch (const std::exception& error) {
        // Start-up stopped on an engine or conversion error: the text has been
        // shown and nothing after it has run.
        application.ShowException(error);
        return 1;
    }
    return 0;
}
