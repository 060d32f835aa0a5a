#include "vcl/ListView.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace vcl {

TListView::TListView(TWinControl* parent) : TControl(parent, new QTreeWidget)
{
    Tree()->setRootIsDecorated(false);
    Tree()->setColumnCount(0);
    Tree()->setHeaderLabels({});
    QObject::connect(Tree(), &QTreeWidget::itemSelectionChanged, [this] {
        const QList<QTreeWidgetItem*> items = Tree()->selectedItems();
        const int now = items.isEmpty() ? -1 : Tree()->indexOfTopLevelItem(items.first());
        if (now == selected_)
            return;
        const int before = selected_;
        selected_ = now;
        if (!OnSelectItem)
            return;
        if (before >= 0)
            OnSelectItem(before, false);
        if (now >= 0)
            OnSelectItem(now, true);
    });
}

QTreeWidget* TListView::Tree() const { return static_cast<QTreeWidget*>(Widget()); }

void TListView::ClearColumns()
{
    Tree()->clear();
    selected_ = -1;
    Tree()->setColumnCount(0);
}

void TListView::AddColumn(const std::string& caption, int width)
{
    const int column = Tree()->columnCount();
    Tree()->setColumnCount(column + 1);
    QTreeWidgetItem* header = Tree()->headerItem();
    header->setText(column, QString::fromStdString(caption));
    if (width == 0) {
        Tree()->setColumnHidden(column, true);
    } else if (width == kAutoHeaderWidth) {
        Tree()->header()->resizeSection(column, Tree()->header()->sectionSizeHint(column));
    } else {
        Tree()->setColumnWidth(column, width);
    }
}

int TListView::ColumnCount() const { return Tree()->columnCount(); }
std::string TListView::ColumnCaption(int i) const { return Tree()->headerItem()->text(i).toStdString(); }
int TListView::ColumnWidth(int i) const { return Tree()->isColumnHidden(i) ? 0 : Tree()->columnWidth(i); }

void TListView::ClearItems()
{
    Tree()->clear();
    selected_ = -1;
}

int TListView::AddItem(const std::vector<std::string>& texts)
{
    auto* item = new QTreeWidgetItem(Tree());
    for (std::size_t c = 0; c < texts.size(); ++c)
        item->setText(static_cast<int>(c), QString::fromStdString(texts[c]));
    return Tree()->indexOfTopLevelItem(item);
}

int TListView::ItemCount() const { return Tree()->topLevelItemCount(); }
std::string TListView::Caption(int item) const { return Tree()->topLevelItem(item)->text(0).toStdString(); }

std::vector<std::string> TListView::SubItems(int item) const
{
    std::vector<std::string> texts;
    for (int c = 1; c < Tree()->columnCount(); ++c)
        texts.push_back(Tree()->topLevelItem(item)->text(c).toStdString());
    return texts;
}

void TListView::SetCheckboxes(bool on)
{
    for (int i = 0; i < ItemCount(); ++i)
        Tree()->topLevelItem(i)->setCheckState(0, on ? Qt::Unchecked : Qt::CheckState{});
}

bool TListView::ItemChecked(int item) const { return Tree()->topLevelItem(item)->checkState(0) == Qt::Checked; }
void TListView::SetItemChecked(int item, bool checked)
{
    Tree()->topLevelItem(item)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

int TListView::Selected() const { return selected_; }

void TListView::SetSelected(int item)
{
    if (item < 0 || item >= ItemCount())
        Tree()->clearSelection();
    else
        Tree()->setCurrentItem(Tree()->topLevelItem(item));
}

void TListView::SetReportStyle()
{
    Tree()->setSelectionMode(QAbstractItemView::SingleSelection);
    Tree()->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tree()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree()->setAlternatingRowColors(false);
    Tree()->setStyleSheet("QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }");
}

} // namespace vcl
