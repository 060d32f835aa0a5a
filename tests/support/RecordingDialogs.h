#pragma once
// A dialog seam for tests: records every message box and answers from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "vcl/Dialogs.h"
#include "vcl/Form.h"

namespace testsupport {

class RecordingDialogs : public vcl::DialogSeam {
public:
    RecordingDialogs() { vcl::SetDialogs(this); }
    ~RecordingDialogs() override { vcl::SetDialogs(nullptr); }

    int MessageBox(const vcl::MessageBoxRequest& request) override
    {
        messages.push_back(request);
        if (answers.empty())
            return request.defaultResult;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> FileDialog(const vcl::FileDialogRequest& request) override
    {
        fileDialogs.push_back(request);
        return chosenFile;
    }

    // A modal show runs onModal (which plays the person) and returns the form's result.
    int ShowModal(vcl::TForm& form) override
    {
        ++modalShows;
        if (onModal)
            onModal(form);
        return form.ModalResult();
    }

    std::vector<vcl::MessageBoxRequest> messages;
    std::deque<int> answers;
    std::vector<vcl::FileDialogRequest> fileDialogs;
    std::optional<std::string> chosenFile;
    std::function<void(vcl::TForm&)> onModal;
    int modalShows = 0;
};

} // namespace testsupport
