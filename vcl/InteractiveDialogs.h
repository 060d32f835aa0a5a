#pragma once
#include "vcl/Dialogs.h"

namespace vcl {

// The desktop's own message boxes and file dialogs.
class InteractiveDialogs : public DialogSeam {
public:
    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    int ShowModal(TForm& form) override;
};

} // namespace vcl
