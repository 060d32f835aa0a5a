#include "vcl/UnattendedDialogs.h"

#include <cstdio>

#include "vcl/Form.h"

namespace vcl {

int UnattendedDialogs::MessageBox(const MessageBoxRequest& request)
{
    std::fprintf(stderr, "%s: %s\n", request.title.c_str(), request.text.c_str());
    std::fflush(stderr);
    return request.defaultResult;
}

std::optional<std::string> UnattendedDialogs::FileDialog(const FileDialogRequest& request)
{
    std::fprintf(stderr, "%s: (file dialog cancelled)\n", request.title.c_str());
    std::fflush(stderr);
    return std::nullopt;
}

int UnattendedDialogs::ShowModal(TForm& form) { return form.RunModalLoop(); }

} // namespace vcl
