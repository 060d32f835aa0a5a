#pragma once
// A report-style list: columns with captions and widths (0: hidden), items
// with a caption and sub-items, optional check boxes. Selecting an item from
// code fires OnSelectItem, as a click does.
#include <functional>
#include <string>
#include <vector>

#include "vcl/Control.h"

class QTreeWidget;

namespace vcl {

class TListView : public TControl {
public:
    static constexpr int kAutoHeaderWidth = -2;

    explicit TListView(TWinControl* parent);

    // Columns.
    void ClearColumns();
    void AddColumn(const std::string& caption, int width);
    int ColumnCount() const;
    std::string ColumnCaption(int i) const;
    int ColumnWidth(int i) const;

    // Items: the caption, then the sub-items.
    void ClearItems();
    int AddItem(const std::vector<std::string>& texts);
    int ItemCount() const;
    std::string Caption(int item) const;
    std::vector<std::string> SubItems(int item) const;
    void SetCheckboxes(bool on);
    bool ItemChecked(int item) const;
    void SetItemChecked(int item, bool checked);

    int Selected() const;          // -1: none
    void SetSelected(int item);    // -1: none

    // Report style, row select, read only, grid lines: how bound lists look.
    void SetReportStyle();

    std::function<void(int item, bool selected)> OnSelectItem;

    QTreeWidget* Tree() const;

private:
    int selected_ = -1;
};

} // namespace vcl
