#pragma once
// A combo box. OnChange fires when the user picks an item; setting ItemIndex
// from code fires nothing.
#include <string>
#include <vector>

#include "vcl/Control.h"

namespace vcl {

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TControl {
public:
    explicit TComboBox(TWinControl* parent);

    void ClearItems();
    void AddItem(const std::string& item);
    void SetItems(const std::vector<std::string>& items);
    std::vector<std::string> Items() const;
    int ItemCount() const;
    int ItemIndex() const;
    void SetItemIndex(int index);   // -1: nothing selected
    std::string Text() const;       // the selected item, or what is typed
    void SetStyle(TComboBoxStyle style);
    TComboBoxStyle Style() const { return style_; }
    // The user picks an item.
    void Pick(int index);

    TNotifyEvent OnChange;

private:
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
};

} // namespace vcl
