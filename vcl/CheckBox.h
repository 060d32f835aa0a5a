#pragma once
// Check boxes and radio buttons: setting Checked from code fires OnClick, as
// a click does (when the state changes).
#include <string>

#include "vcl/Control.h"

namespace vcl {

class TCheckBox : public TControl {
public:
    explicit TCheckBox(TWinControl* parent, const std::string& caption = {});
    bool Checked() const;
    void SetChecked(bool checked);
    void SetCaption(const std::string& caption);
    TNotifyEvent OnClick;

protected:
    TCheckBox(TWinControl* parent, QWidget* button, const std::string& caption);
};

class TRadioButton : public TCheckBox {
public:
    explicit TRadioButton(TWinControl* parent, const std::string& caption = {});
};

} // namespace vcl
