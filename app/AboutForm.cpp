#include "app/AboutForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

#include "app/MainForm.h"

namespace app {

TAboutForm::TAboutForm(vcl::TForm* owner)
    : vcl::TForm(owner), Title(this, std::string(kModelCaption) + " Management Module"),
      VersionLabel(this, "Release Version:"), Version(this, "v3.10"), BuildLabel(this, "R16(2010/08/13)"),
      BT_Ok(this, "OK")
{
    SetUpWindow("Help\\About", vcl::TBorderStyle::bsDialog, 350, 98);
    Title.SetBounds(60, 12, 280, 20);
    QFont bold = Title.Widget()->font();
    bold.setBold(true);
    Title.Widget()->setFont(bold);
    VersionLabel.SetBounds(60, 40, 110, 18);
    Version.SetBounds(170, 40, 60, 18);
    BuildLabel.SetBounds(236, 40, 110, 18);
    BuildLabel.Widget()->setStyleSheet("color: red");
    BuildLabel.SetVisible(false);
    BT_Ok.SetBounds(137, 64, 75, 26);
    BT_Ok.OnClick = [this] { Close(); };
    auto* reveal = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_F3), BT_Ok.Widget());
    reveal->setContext(Qt::WidgetShortcut);
    QObject::connect(reveal, &QShortcut::activated, [this] { RevealBuild(); });
}

} // namespace app
