#pragma once
// The common ground of every control: position, size, visibility, enabling,
// focus and the free Tag number. A control's widget lives in its parent
// container's widget; the control object owns it.
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace vcl {

using TNotifyEvent = std::function<void()>;

// Something that holds controls: a form, a group box, a tab sheet.
class TWinControl {
public:
    virtual ~TWinControl() = default;
    virtual QWidget* Widget() const = 0;
};

class TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    void SetBounds(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetWidth(int width);
    bool Visible() const;        // as the form would show it (the control's own flag)
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Focused() const;
    void SetFocus();

    int Tag = 0;

    QWidget* Widget() const { return widget_; }

protected:
    TControl(TWinControl* parent, QWidget* widget);

private:
    QPointer<QWidget> widget_;
    bool visible_ = true;
};

// The class of a control, for code that handles several kinds.
template <typename T>
T* As(TControl* control)
{
    return dynamic_cast<T*>(control);
}

} // namespace vcl
