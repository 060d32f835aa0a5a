#pragma once
#include <string>

#include "vcl/Control.h"

namespace vcl {

class TLabel : public TControl {
public:
    explicit TLabel(TWinControl* parent, const std::string& caption = {});
    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

// A label with a sunken frame.
class TStaticText : public TLabel {
public:
    explicit TStaticText(TWinControl* parent, const std::string& caption = {});
};

} // namespace vcl
