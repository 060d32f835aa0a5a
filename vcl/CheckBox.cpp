#include "vcl/CheckBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

namespace vcl {
namespace {
QAbstractButton* Button(QWidget* w) { return static_cast<QAbstractButton*>(w); }
}

TCheckBox::TCheckBox(TWinControl* parent, const std::string& caption) : TCheckBox(parent, new QCheckBox, caption) {}

TCheckBox::TCheckBox(TWinControl* parent, QWidget* button, const std::string& caption) : TControl(parent, button)
{
    SetCaption(caption);
    QObject::connect(Button(Widget()), &QAbstractButton::toggled, [this](bool) {
        if (OnClick)
            OnClick();
    });
}

bool TCheckBox::Checked() const { return Button(Widget())->isChecked(); }
void TCheckBox::SetChecked(bool checked) { Button(Widget())->setChecked(checked); }
void TCheckBox::SetCaption(const std::string& caption) { Button(Widget())->setText(QString::fromStdString(caption)); }

TRadioButton::TRadioButton(TWinControl* parent, const std::string& caption) : TCheckBox(parent, new QRadioButton, caption)
{
}

} // namespace vcl
