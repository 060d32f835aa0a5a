#pragma once
// A status bar: one simple text, or panels with texts of their own.
#include <string>
#include <vector>

#include "vcl/Control.h"

namespace vcl {

class TStatusBar;

class TStatusPanel {
public:
    TStatusPanel(TStatusBar& bar, int index) : bar_(bar), index_(index) {}
    std::string Text() const;
    void SetText(const std::string& text);

private:
    TStatusBar& bar_;
    int index_;
};

class TStatusBar : public TControl {
public:
    explicit TStatusBar(TWinControl* parent, int panels = 0);
    std::string SimpleText() const;
    void SetSimpleText(const std::string& text);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel& Panel(int i) { return panels_.at(static_cast<std::size_t>(i)); }

private:
    friend class TStatusPanel;
    std::vector<TStatusPanel> panels_;
};

} // namespace vcl
