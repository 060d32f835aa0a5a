#pragma once
#include <string>
#include <vector>

#include "vcl/Control.h"

namespace vcl {

class TListBox : public TControl {
public:
    explicit TListBox(TWinControl* parent);
    void Clear();
    void Add(const std::string& line);
    std::vector<std::string> Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
};

// A multi-line text.
class TMemo : public TControl {
public:
    explicit TMemo(TWinControl* parent);
    void Clear();
    void AddLine(const std::string& line);
    std::vector<std::string> Lines() const;
    void SetReadOnly(bool readOnly);
};

} // namespace vcl
