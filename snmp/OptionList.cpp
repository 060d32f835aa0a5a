#include "snmp/OptionList.h"

#include "common/TextUtil.h"
#include "snmp/Syntax.h"

namespace zt {

ZtOptionList::ZtOptionList(std::initializer_list<ZtOptionPair> pairs) : ZtOptionList(pairs, false) {}

ZtOptionList::ZtOptionList(std::initializer_list<ZtOptionPair> pairs, bool caseSensitive)
    : kind_(IntegerValues), caseSensitive_(caseSensitive)
{
    for (const auto& p : pairs) {
        if (!p.label)
            break;
        items_.push_back({p.value, {}, p.label});
    }
}

ZtOptionList::ZtOptionList(Kind kind, std::initializer_list<ZtOptionTextPair> pairs, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    for (const auto& p : pairs) {
        if (!p.label)
            break;
        items_.push_back({0, p.value ? p.value : "", p.label});
    }
}

std::vector<std::string> ZtOptionList::Labels() const
{
    std::vector<std::string> labels;
    for (const auto& item : items_)
        labels.push_back(item.label);
    return labels;
}

bool ZtOptionList::Same(const std::string& a, const std::string& b) const
{
    return caseSensitive_ ? a == b : EqualsIgnoringCase(a, b);
}

bool ZtOptionList::StartsWith(const std::string& text, const std::string& prefix) const
{
    return text.size() >= prefix.size() && Same(text.substr(0, prefix.size()), prefix);
}

int ZtOptionList::IndexOfLabel(const std::string& text) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool match = kind_ == TextPrefixes ? StartsWith(text, items_[i].label) : Same(text, items_[i].label);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

int ZtOptionList::IndexOfValue(const std::string& text) const
{
    if (kind_ == IntegerValues) {
        if (text == kNullText)
            return -1;
        const auto number = ParseDecimal(text);
        if (!number)
            return -1;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].value == *number)
                return static_cast<int>(i);
        }
        return -1;
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool match = kind_ == TextPrefixes ? StartsWith(text, items_[i].textValue)
                                                 : Same(text, items_[i].textValue);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

std::string ZtOptionList::LabelOf(const std::string& text) const
{
    const int i = IndexOfValue(text);
    if (i < 0)
        return text;
    const Item& item = items_[static_cast<std::size_t>(i)];
    if (kind_ == TextPrefixes)
        return item.label + text.substr(item.textValue.size());
    return item.label;
}

std::string ZtOptionList::ValueOf(const std::string& text) const
{
    const int i = IndexOfLabel(text);
    if (i < 0)
        return text;
    const Item& item = items_[static_cast<std::size_t>(i)];
    switch (kind_) {
    case IntegerValues: return std::to_string(item.value);
    case TextValues: return item.textValue;
    case TextPrefixes: return item.textValue + text.substr(item.label.size());
    }
    return text;
}

int ZtOptionList::SelectionIndex(const std::string& text) const
{
    const int byLabel = IndexOfLabel(text);
    return byLabel >= 0 ? byLabel : IndexOfValue(text);
}

} // namespace zt
