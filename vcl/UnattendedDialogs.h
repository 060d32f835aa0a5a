#pragma once
#include "vcl/Dialogs.h"

namespace vcl {

// Never waits for a person: each message box is written to standard error as
// "title: text" and answered with its default button; file dialogs are cancelled.
class UnattendedDialogs : public DialogSeam {
public:
    int MessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    int ShowModal(TForm& form) override;
};

} // namespace vcl
