#include "vcl/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace vcl {

TRadioGroup::TRadioGroup(TWinControl* parent, const std::string& caption)
    : TControl(parent, new QGroupBox(QString::fromStdString(caption))), group_(new QButtonGroup(Widget()))
{
    new QGridLayout(Widget());
    QObject::connect(group_, &QButtonGroup::idClicked, [this](int id) { SetItemIndex(id); });
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::SetItems(const std::vector<std::string>& items)
{
    items_ = items;
    index_ = -1;
    Layout();
}

void TRadioGroup::SetColumns(int columns)
{
    columns_ = columns > 0 ? columns : 1;
    Layout();
}

void TRadioGroup::Layout()
{
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    auto* grid = static_cast<QGridLayout*>(Widget()->layout());
    const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        auto* button = new QRadioButton(QString::fromStdString(items_[static_cast<std::size_t>(i)]), Widget());
        group_->addButton(button, i);
        grid->addWidget(button, rows ? i % rows : 0, rows ? i / rows : 0);
    }
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(items_.size()))
        index = -1;
    const bool changed = index != index_;
    index_ = index;
    if (index >= 0) {
        group_->button(index)->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
    if (changed && OnClick)
        OnClick();
}

} // namespace vcl
