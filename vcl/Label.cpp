#include "vcl/Label.h"

#include <QLabel>

namespace vcl {

TLabel::TLabel(TWinControl* parent, const std::string& caption) : TControl(parent, new QLabel)
{
    SetCaption(caption);
}

std::string TLabel::Caption() const { return static_cast<QLabel*>(Widget())->text().toStdString(); }

void TLabel::SetCaption(const std::string& caption)
{
    auto* label = static_cast<QLabel*>(Widget());
    label->setText(QString::fromStdString(caption));
    label->adjustSize();
}

TStaticText::TStaticText(TWinControl* parent, const std::string& caption) : TLabel(parent, caption)
{
    static_cast<QLabel*>(Widget())->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

} // namespace vcl
