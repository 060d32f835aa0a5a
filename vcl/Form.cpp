#include "vcl/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include "vcl/Dialogs.h"
#include "vcl/Menu.h"

namespace vcl {

class FormWidget : public QWidget {
public:
    explicit FormWidget(TForm& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form) {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (form_.CloseRequested())
            event->accept();
        else
            event->ignore();
    }

private:
    TForm& form_;
};

TForm::TForm(TForm* owner) : widget_(std::make_unique<FormWidget>(*this, owner ? owner->Window() : nullptr))
{
    client_ = new QWidget(widget_.get());
    ApplyWindowFlags();
}

TForm::~TForm()
{
    if (endModalLoop_)
        endModalLoop_();
}

QWidget* TForm::Widget() const { return client_; }
QWidget* TForm::Window() const { return widget_.get(); }

std::string TForm::Caption() const { return widget_->windowTitle().toStdString(); }
void TForm::SetCaption(const std::string& caption) { widget_->setWindowTitle(QString::fromStdString(caption)); }
int TForm::ClientWidth() const { return client_->width(); }
int TForm::ClientHeight() const { return client_->height(); }

void TForm::SetClientWidth(int width) { ResizeClient(width, client_->height()); }
void TForm::SetClientHeight(int height) { ResizeClient(client_->width(), height); }

void TForm::SetUpWindow(const std::string& caption, TBorderStyle style, int clientWidth, int clientHeight)
{
    SetCaption(caption);
    SetBorderStyle(style);
    SetMaximizeButton(style == TBorderStyle::bsSizeable);
    SetPosition(TPosition::poScreenCenter);
    ResizeClient(clientWidth, clientHeight);
}

void TForm::SetMenu(TMainMenu& menu)
{
    menuBar_ = menu.Bar();
    menuBar_->setParent(widget_.get());
    menuBar_->show();
    ResizeClient(client_->width(), client_->height());
}

// A form whose border is not sizeable keeps exactly the client size it is given.
void TForm::ResizeClient(int width, int height)
{
    const int top = menuBar_ ? menuBar_->sizeHint().height() : 0;
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width, top);
    client_->setGeometry(0, top, width, height);
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget_->resize(width, height + top);
    if (borderStyle_ != TBorderStyle::bsSizeable)
        widget_->setFixedSize(width, height + top);
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    borderStyle_ = style;
    ApplyWindowFlags();
}

void TForm::SetMaximizeButton(bool shown)
{
    maximizeButton_ = shown;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (borderStyle_ == TBorderStyle::bsNone)
        flags = Qt::Window | Qt::FramelessWindowHint;
    else if (borderStyle_ != TBorderStyle::bsDialog)
        flags |= Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint;
    if (maximizeButton_ && borderStyle_ == TBorderStyle::bsSizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags);
    ResizeClient(client_->width(), client_->height());
    if (wasVisible)
        widget_->show();
}

void TForm::CentreOnScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    widget_->move(area.center() - QPoint(widget_->width() / 2, widget_->height() / 2));
}

void TForm::Show()
{
    if (position_ == TPosition::poScreenCenter && !widget_->isVisible())
        CentreOnScreen();
    widget_->show();
}

void TForm::Hide() { widget_->hide(); }
bool TForm::Visible() const { return widget_->isVisible(); }

int TForm::ShowModal() { return Dialogs().ShowModal(*this); }

int TForm::RunModalLoop()
{
    modal_ = true;
    modalResult_ = mrNone;
    widget_->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    endModalLoop_ = [&loop] { loop.quit(); };
    if (modalResult_ == mrNone)
        loop.exec();
    endModalLoop_ = nullptr;
    widget_->hide();
    widget_->setWindowModality(Qt::NonModal);
    modal_ = false;
    return modalResult_;
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (modal_ && result != mrNone && endModalLoop_)
        endModalLoop_();
}

bool TForm::CloseRequested()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose)
        return false;
    if (OnClose)
        OnClose();
    if (modal_ && modalResult_ == mrNone)
        SetModalResult(mrCancel);
    return true;
}

void TForm::Close()
{
    if (CloseRequested())
        widget_->hide();
}

} // namespace vcl
