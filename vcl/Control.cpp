#include "vcl/Control.h"

#include <QPointer>
#include <QWidget>

namespace vcl {

TControl::TControl(TWinControl* parent, QWidget* widget) : widget_(widget)
{
    if (parent)
        widget_->setParent(parent->Widget());
    widget_->show();
}

// The parent may already have taken the widget with it. Signals the widget
// sends while it goes would reach a control that is already gone.
TControl::~TControl()
{
    if (widget_) {
        widget_->disconnect();
        delete widget_.data();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) { widget_->setGeometry(left, top, width, height); }
int TControl::Left() const { return widget_->x(); }
int TControl::Top() const { return widget_->y(); }
int TControl::Width() const { return widget_->width(); }
int TControl::Height() const { return widget_->height(); }
void TControl::SetWidth(int width) { widget_->resize(width, widget_->height()); }
bool TControl::Visible() const { return visible_; }

void TControl::SetVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

bool TControl::Enabled() const { return widget_->isEnabled(); }
void TControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool TControl::Focused() const { return widget_->hasFocus(); }
void TControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

} // namespace vcl
