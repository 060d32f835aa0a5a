#include "vcl/ListBox.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace vcl {
namespace {
QListWidget* List(QWidget* w) { return static_cast<QListWidget*>(w); }
QPlainTextEdit* Text(QWidget* w) { return static_cast<QPlainTextEdit*>(w); }
} // namespace

TListBox::TListBox(TWinControl* parent) : TControl(parent, new QListWidget) {}
void TListBox::Clear() { List(Widget())->clear(); }
void TListBox::Add(const std::string& line) { List(Widget())->addItem(QString::fromStdString(line)); }

std::vector<std::string> TListBox::Items() const
{
    std::vector<std::string> items;
    for (int i = 0; i < List(Widget())->count(); ++i)
        items.push_back(List(Widget())->item(i)->text().toStdString());
    return items;
}

int TListBox::ItemIndex() const { return List(Widget())->currentRow(); }
void TListBox::SetItemIndex(int index) { List(Widget())->setCurrentRow(index); }

TMemo::TMemo(TWinControl* parent) : TControl(parent, new QPlainTextEdit) {}
void TMemo::Clear() { Text(Widget())->clear(); }
void TMemo::AddLine(const std::string& line) { Text(Widget())->appendPlainText(QString::fromStdString(line)); }

std::vector<std::string> TMemo::Lines() const
{
    std::vector<std::string> lines;
    for (const QString& line : Text(Widget())->toPlainText().split('\n'))
        lines.push_back(line.toStdString());
    if (lines.size() == 1 && lines[0].empty())
        lines.clear();
    return lines;
}

void TMemo::SetReadOnly(bool readOnly) { Text(Widget())->setReadOnly(readOnly); }

} // namespace vcl
