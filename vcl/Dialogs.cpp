#include "vcl/Dialogs.h"

#include <cstdlib>
#include <cstring>

#include "vcl/Application.h"
#include "vcl/InteractiveDialogs.h"
#include "vcl/UnattendedDialogs.h"

namespace vcl {
namespace {
DialogSeam* installed = nullptr;
}

bool IsUnattended()
{
    const char* value = std::getenv("TRV4410_UNATTENDED");
    return value && std::strcmp(value, "1") == 0;
}

DialogSeam& Dialogs()
{
    static UnattendedDialogs unattended;
    static InteractiveDialogs interactive;
    if (installed)
        return *installed;
    if (IsUnattended())
        return unattended;
    return interactive;
}

void SetDialogs(DialogSeam* seam) { installed = seam; }

int MessageBox(const std::string& text, const std::string& title, TMsgButtons buttons, TMsgIcon icon)
{
    MessageBoxRequest request;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultResult = buttons == TMsgButtons::YesNo ? mrYes : mrOk;
    return Dialogs().MessageBox(request);
}

void ShowMessage(const std::string& text)
{
    MessageBox(text, Application ? Application->Title() : std::string{});
}

} // namespace vcl
