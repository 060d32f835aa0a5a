#pragma once
// Message boxes, file dialogs and modal shows all pass through one seam, so
// that tests (and unattended runs) can answer them instead of a person.
#include <optional>
#include <string>

namespace vcl {

class TForm;

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

enum class TMsgButtons { Ok, OkCancel, YesNo };
enum class TMsgIcon { None, Information, Warning, Error, Question };

struct MessageBoxRequest {
    std::string title;
    std::string text;
    TMsgButtons buttons = TMsgButtons::Ok;
    TMsgIcon icon = TMsgIcon::None;
    int defaultResult = mrOk;   // the button Enter presses
};

struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;         // "Firmware (*.bin)|*.bin|All files (*.*)|*.*"
    std::string initialDir;
    std::string fileName;
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    // The chosen path, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
    // Shows the form modally and returns its modal result.
    virtual int ShowModal(TForm& form) = 0;
};

// The seam in force: one a test installed, else the unattended one when
// TRV4410_UNATTENDED=1, else the interactive one.
DialogSeam& Dialogs();
// Installs a seam (nullptr: back to the default). The caller keeps ownership.
void SetDialogs(DialogSeam* seam);

bool IsUnattended();

// Conveniences in the toolkit's own shape.
int MessageBox(const std::string& text, const std::string& title, TMsgButtons buttons = TMsgButtons::Ok,
               TMsgIcon icon = TMsgIcon::None);
// A plain message box captioned with the application's title.
void ShowMessage(const std::string& text);

} // namespace vcl
