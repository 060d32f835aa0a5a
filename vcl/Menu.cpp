#include "vcl/Menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vcl {

TMenuItem::TMenuItem(std::string caption, QAction* action, QMenu* owner)
    : caption_(std::move(caption)), action_(action), menu_(nullptr), owner_(owner)
{
    QObject::connect(action_, &QAction::triggered, [this] {
        if (OnClick)
            OnClick();
    });
}

QMenu* TMenuItem::Submenu()
{
    if (!menu_) {
        menu_ = new QMenu(QString::fromStdString(caption_));
        action_->setMenu(menu_);
    }
    return menu_;
}

TMenuItem& TMenuItem::Add(const std::string& caption)
{
    QMenu* menu = Submenu();
    QAction* action = menu->addAction(QString::fromStdString(caption));
    items_.push_back(std::unique_ptr<TMenuItem>(new TMenuItem(caption, action, menu)));
    return *items_.back();
}

TMenuItem* TMenuItem::Find(const std::string& caption)
{
    for (auto& item : items_) {
        if (item->caption_ == caption)
            return item.get();
    }
    return nullptr;
}

bool TMenuItem::Visible() const { return action_->isVisible(); }
void TMenuItem::SetVisible(bool visible) { action_->setVisible(visible); }
bool TMenuItem::Enabled() const { return action_->isEnabled(); }
void TMenuItem::SetEnabled(bool enabled) { action_->setEnabled(enabled); }

void TMenuItem::Click()
{
    if (Visible() && Enabled())
        action_->trigger();
}

TMainMenu::TMainMenu() : bar_(new QMenuBar) {}
TMainMenu::~TMainMenu() = default;

TMenuItem& TMainMenu::Add(const std::string& caption)
{
    auto* menu = new QMenu(QString::fromStdString(caption), bar_);
    QAction* action = bar_->addMenu(menu);
    items_.push_back(std::unique_ptr<TMenuItem>(new TMenuItem(caption, action, nullptr)));
    items_.back()->menu_ = menu;
    return *items_.back();
}

TMenuItem* TMainMenu::Find(const std::vector<std::string>& path)
{
    TMenuItem* item = nullptr;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i == 0) {
            for (auto& top : items_) {
                if (top->Caption() == path[0])
                    item = top.get();
            }
        } else if (item) {
            item = item->Find(path[i]);
        }
        if (!item)
            return nullptr;
    }
    return item;
}

} // namespace vcl
