#include "vcl/Edit.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace vcl {
namespace {

} // namespace

// Leaving the edit and clicking it reach the control as OnExit and OnClick.
class EditEvents : public QObject {
public:
    explicit EditEvents(TEdit& edit) : QObject(edit.Widget()), edit_(&edit) {}
    void Detach() { edit_ = nullptr; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!edit_)
            return false;
        if (event->type() == QEvent::FocusOut && edit_->OnExit)
            edit_->OnExit();
        else if (event->type() == QEvent::MouseButtonRelease && edit_->OnClick)
            edit_->OnClick();
        return false;
    }

private:
    TEdit* edit_;
};

TEdit::TEdit(TWinControl* parent) : TControl(parent, new QLineEdit)
{
    QObject::connect(LineEdit(), &QLineEdit::textChanged, [this] {
        if (OnChange)
            OnChange();
    });
    events_ = new EditEvents(*this);
    LineEdit()->installEventFilter(events_);
}

// A focused edit loses its focus while it is taken down: that is no exit.
TEdit::~TEdit()
{
    if (Widget())
        events_->Detach();
}

QLineEdit* TEdit::LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

std::string TEdit::Text() const { return LineEdit()->text().toStdString(); }

void TEdit::SetText(const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (LineEdit()->text() != value)
        LineEdit()->setText(value);
}

void TEdit::SetMaxLength(int length)
{
    maxLength_ = length;
    LineEdit()->setMaxLength(length > 0 ? length : 32767);
}

void TEdit::SetReadOnly(bool readOnly) { LineEdit()->setReadOnly(readOnly); }
bool TEdit::ReadOnly() const { return LineEdit()->isReadOnly(); }
void TEdit::SetPasswordChar(char c) { LineEdit()->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal); }

} // namespace vcl
