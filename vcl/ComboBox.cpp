#include "vcl/ComboBox.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace vcl {
namespace {
QComboBox* Box(QWidget* w) { return static_cast<QComboBox*>(w); }
}

TComboBox::TComboBox(TWinControl* parent) : TControl(parent, new QComboBox)
{
    Box(Widget())->setEditable(true);
    QObject::connect(Box(Widget()), QOverload<int>::of(&QComboBox::activated), [this](int) {
        if (OnChange)
            OnChange();
    });
}

void TComboBox::ClearItems() { Box(Widget())->clear(); }
void TComboBox::AddItem(const std::string& item) { Box(Widget())->addItem(QString::fromStdString(item)); }

void TComboBox::SetItems(const std::vector<std::string>& items)
{
    ClearItems();
    for (const auto& item : items)
        AddItem(item);
    SetItemIndex(-1);
}

std::vector<std::string> TComboBox::Items() const
{
    std::vector<std::string> items;
    for (int i = 0; i < Box(Widget())->count(); ++i)
        items.push_back(Box(Widget())->itemText(i).toStdString());
    return items;
}

int TComboBox::ItemCount() const { return Box(Widget())->count(); }
int TComboBox::ItemIndex() const { return Box(Widget())->currentIndex(); }
void TComboBox::SetItemIndex(int index) { Box(Widget())->setCurrentIndex(index < ItemCount() ? index : -1); }
std::string TComboBox::Text() const { return Box(Widget())->currentText().toStdString(); }

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    Box(Widget())->setEditable(style == TComboBoxStyle::csDropDown);
}

void TComboBox::Pick(int index)
{
    SetItemIndex(index);
    if (OnChange)
        OnChange();
}

} // namespace vcl
