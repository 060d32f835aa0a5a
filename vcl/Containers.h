#pragma once
// Controls that hold other controls.
#include <memory>
#include <string>
#include <vector>

#include "vcl/Control.h"

namespace vcl {

class TGroupBox : public TControl, public TWinControl {
public:
    explicit TGroupBox(TWinControl* parent, const std::string& caption = {});
    QWidget* Widget() const override { return TControl::Widget(); }
};

class TPageControl;

class TTabSheet : public TWinControl {
public:
    TTabSheet(TPageControl& pages, const std::string& caption);
    QWidget* Widget() const override { return page_; }
    void SetTabVisible(bool visible);

private:
    TPageControl& pages_;
    QWidget* page_;
};

// Tabs; switching the active page from code fires nothing.
class TPageControl : public TControl {
public:
    explicit TPageControl(TWinControl* parent);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    int PageCount() const;
    TNotifyEvent OnChange;   // the user switched tabs
};

} // namespace vcl
