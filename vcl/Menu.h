#pragma once
// The main menu: items with captions, sub-items, visibility, enabling and OnClick.
#include <memory>
#include <string>
#include <vector>

#include "vcl/Control.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vcl {

class TMenuItem {
public:
    std::string Caption() const { return caption_; }
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // As if the user chose it (when visible and enabled).
    void Click();
    // A sub-item (this item becomes a submenu).
    TMenuItem& Add(const std::string& caption);
    TMenuItem* Find(const std::string& caption);
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }

    TNotifyEvent OnClick;

private:
    friend class TMainMenu;
    TMenuItem(std::string caption, QAction* action, QMenu* menu);
    QMenu* Submenu();

    std::string caption_;
    QAction* action_;
    QMenu* menu_;
    QMenu* owner_;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TMainMenu {
public:
    TMainMenu();
    ~TMainMenu();
    TMenuItem& Add(const std::string& caption);
    QMenuBar* Bar() const { return bar_; }
    // An item by its captions, outermost first: {"Advanced", "Filter", "WLAN Partition"}.
    TMenuItem* Find(const std::vector<std::string>& path);

private:
    QMenuBar* bar_;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

} // namespace vcl
