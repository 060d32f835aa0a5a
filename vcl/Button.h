#pragma once
#include <string>

#include "vcl/Control.h"

namespace vcl {

class TButton : public TControl {
public:
    explicit TButton(TWinControl* parent, const std::string& caption = {});
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // As if the user pressed it (when enabled).
    void Click();
    TNotifyEvent OnClick;
};

} // namespace vcl
