#include "vcl/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

namespace vcl {
namespace {
QLabel* PanelLabel(QWidget* bar, int index)
{
    return bar->findChild<QLabel*>("panel" + QString::number(index));
}
} // namespace

std::string TStatusPanel::Text() const { return PanelLabel(bar_.Widget(), index_)->text().toStdString(); }
void TStatusPanel::SetText(const std::string& text) { PanelLabel(bar_.Widget(), index_)->setText(QString::fromStdString(text)); }

TStatusBar::TStatusBar(TWinControl* parent, int panels) : TControl(parent, new QStatusBar)
{
    auto* bar = static_cast<QStatusBar*>(Widget());
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName("panel" + QString::number(i));
        bar->addWidget(label, 1);
        panels_.emplace_back(*this, i);
    }
}

std::string TStatusBar::SimpleText() const
{
    return static_cast<QStatusBar*>(Widget())->currentMessage().toStdString();
}

void TStatusBar::SetSimpleText(const std::string& text)
{
    static_cast<QStatusBar*>(Widget())->showMessage(QString::fromStdString(text));
}

} // namespace vcl
