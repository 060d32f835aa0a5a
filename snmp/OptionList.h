#pragma once
// The values and labels of an enumerated variable.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace zt {

struct ZtOptionPair {
    std::int32_t value;
    const char* label;
};

struct ZtOptionTextPair {
    const char* value;
    const char* label;
};

class ZtOptionList {
public:
    enum Kind : std::uint32_t { IntegerValues = 1, TextValues = 2, TextPrefixes = 3 };

    struct Item {
        std::int32_t value = 0;   // kind 1
        std::string textValue;    // kinds 2 and 3
        std::string label;
    };

    // Integer values, labels compared without regard to case: every static list.
    ZtOptionList(std::initializer_list<ZtOptionPair> pairs);
    ZtOptionList(std::initializer_list<ZtOptionPair> pairs, bool caseSensitive);
    ZtOptionList(Kind kind, std::initializer_list<ZtOptionTextPair> pairs, bool caseSensitive = false);

    Kind ListKind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const Item& ItemAt(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    std::vector<std::string> Labels() const;

    int IndexOfLabel(const std::string& text) const;
    int IndexOfValue(const std::string& text) const;
    // Value text to label; a text that matches nothing comes back unchanged.
    std::string LabelOf(const std::string& text) const;
    // Label to value text; a text that matches nothing comes back unchanged.
    std::string ValueOf(const std::string& text) const;
    // The item a control shows for a text that is either a label or a value (-1: none).
    int SelectionIndex(const std::string& text) const;

private:
    bool Same(const std::string& a, const std::string& b) const;
    bool StartsWith(const std::string& text, const std::string& prefix) const;

    Kind kind_;
    bool caseSensitive_;
    std::vector<Item> items_;
};

} // namespace zt
