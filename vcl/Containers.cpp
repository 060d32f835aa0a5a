#include "vcl/Containers.h"

#include <QGroupBox>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace vcl {

TGroupBox::TGroupBox(TWinControl* parent, const std::string& caption)
    : TControl(parent, new QGroupBox(QString::fromStdString(caption)))
{
}

TTabSheet::TTabSheet(TPageControl& pages, const std::string& caption) : pages_(pages), page_(new QWidget)
{
    static_cast<QTabWidget*>(pages_.Widget())->addTab(page_, QString::fromStdString(caption));
}

void TTabSheet::SetTabVisible(bool visible)
{
    auto* tabs = static_cast<QTabWidget*>(pages_.Widget());
    tabs->setTabVisible(tabs->indexOf(page_), visible);
}

TPageControl::TPageControl(TWinControl* parent) : TControl(parent, new QTabWidget)
{
    QObject::connect(static_cast<QTabWidget*>(Widget())->tabBar(), &QTabBar::tabBarClicked, [this](int) {
        if (OnChange)
            OnChange();
    });
}

int TPageControl::ActivePageIndex() const { return static_cast<QTabWidget*>(Widget())->currentIndex(); }

void TPageControl::SetActivePageIndex(int index)
{
    auto* tabs = static_cast<QTabWidget*>(Widget());
    const QSignalBlocker quiet(tabs);
    tabs->setCurrentIndex(index);
}

int TPageControl::PageCount() const { return static_cast<QTabWidget*>(Widget())->count(); }

} // namespace vcl
