#include "vcl/Button.h"

#include <QPushButton>

namespace vcl {

TButton::TButton(TWinControl* parent, const std::string& caption) : TControl(parent, new QPushButton)
{
    SetCaption(caption);
    QObject::connect(static_cast<QPushButton*>(Widget()), &QPushButton::clicked, [this] {
        if (OnClick)
            OnClick();
    });
}

std::string TButton::Caption() const { return static_cast<QPushButton*>(Widget())->text().toStdString(); }
void TButton::SetCaption(const std::string& caption) { static_cast<QPushButton*>(Widget())->setText(QString::fromStdString(caption)); }
void TButton::Click() { static_cast<QPushButton*>(Widget())->click(); }

} // namespace vcl
