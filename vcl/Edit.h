#pragma once
// An edit box. Setting Text from code fires OnChange, as the user's typing does.
#include <string>

#include "vcl/Control.h"

class QLineEdit;

namespace vcl {

class EditEvents;

class TEdit : public TControl {
public:
    explicit TEdit(TWinControl* parent);
    ~TEdit() override;

    std::string Text() const;
    void SetText(const std::string& text);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);   // 0: no limit
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;
    void SetPasswordChar(char c);    // 0: shown as typed

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;
    TNotifyEvent OnClick;

    QLineEdit* LineEdit() const;

private:
    int maxLength_ = 0;
    EditEvents* events_ = nullptr;   // owned by the widget
};

} // namespace vcl
