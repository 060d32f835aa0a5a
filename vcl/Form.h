#pragma once
// A window: caption, client size, border style, position, show, modal show,
// close with close query.
#include <functional>
#include <memory>
#include <string>

#include "vcl/Control.h"

namespace vcl {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };

class FormWidget;
class TMainMenu;

class TForm : public TWinControl {
public:
    explicit TForm(TForm* owner = nullptr);
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void SetBorderStyle(TBorderStyle style);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetMaximizeButton(bool shown);
    bool MaximizeButton() const { return maximizeButton_; }
    void SetPosition(TPosition position) { position_ = position; }
    // The usual frame of a page: caption, border, centred, fixed client size
    // (a maximise button only for a sizeable border).
    void SetUpWindow(const std::string& caption, TBorderStyle style, int clientWidth, int clientHeight);

    void Show();
    void Hide();
    bool Visible() const;
    // Shows the form modally through the dialog seam; returns the modal result.
    int ShowModal();
    // The modal loop itself, for the seam: runs until ModalResult is set or the form closes.
    int RunModalLoop();
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    // Asks OnCloseQuery, then hides the form (a modal form ends with mrCancel).
    void Close();

    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void()> OnClose;

    // The client area, where the form's controls live.
    QWidget* Widget() const override;
    // The window itself: title, frame, menu bar and client area.
    QWidget* Window() const;
    // Puts the menu bar above the client area (the window grows by its height).
    void SetMenu(TMainMenu& menu);

private:
    friend class FormWidget;
    bool CloseRequested();
    void ApplyWindowFlags();
    void ResizeClient(int width, int height);
    void CentreOnScreen();

    std::unique_ptr<FormWidget> widget_;
    QWidget* client_ = nullptr;
    QWidget* menuBar_ = nullptr;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    bool maximizeButton_ = true;
    bool modal_ = false;
    int modalResult_ = 0;
    std::function<void()> endModalLoop_;
};

} // namespace vcl
