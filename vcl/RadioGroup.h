#pragma once
// A framed group of radio buttons chosen by index. Setting ItemIndex from
// code fires OnClick.
#include <memory>
#include <string>
#include <vector>

#include "vcl/Control.h"

class QButtonGroup;

namespace vcl {

class TRadioGroup : public TControl {
public:
    explicit TRadioGroup(TWinControl* parent, const std::string& caption = {});
    ~TRadioGroup() override;

    void SetItems(const std::vector<std::string>& items);
    std::vector<std::string> Items() const { return items_; }
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);
    void SetColumns(int columns);
    TNotifyEvent OnClick;

private:
    void Layout();

    std::vector<std::string> items_;
    int index_ = -1;
    int columns_ = 1;
    QButtonGroup* group_;
};

} // namespace vcl
