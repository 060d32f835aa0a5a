#pragma once
// A list of numbers read from a delimited text ("1,2,3"), signed or unsigned.
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace zt {

template <typename T>
class ZtNumList {
    static_assert(std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint32_t>);

public:
    explicit ZtNumList(char delimiter = '.') : delimiter_(delimiter) {}

    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }

    // Count is one more than the delimiters in the text; every character that
    // is neither the delimiter nor "." adds its digit value (c - '0'), even a
    // character that is no digit; digits after a "." are a fraction that is
    // truncated away. Signs are not recognised.
    void Parse(const std::string& text)
    {
        values_.clear();
        if (text.empty())
            return;
        values_.push_back(0);
        std::uint32_t current = 0;
        bool inFraction = false;
        double scale = 1.0;
        for (char ch : text) {
            const int digit = static_cast<int>(static_cast<unsigned char>(ch)) - '0';
            if (ch == delimiter_) {
                values_.back() = static_cast<T>(current);
                values_.push_back(0);
                current = 0;
                inFraction = false;
            } else if (ch == '.') {
                inFraction = true;
                scale = 1.0;
            } else if (!inFraction) {
                current = current * 10u + static_cast<std::uint32_t>(digit);
            } else {
                scale /= 10.0;
                const double sum = static_cast<double>(static_cast<T>(current)) + digit * scale;
                current = static_cast<std::uint32_t>(static_cast<std::int64_t>(sum));
            }
        }
        values_.back() = static_cast<T>(current);
    }

    int IndexOf(T value) const
    {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (values_[i] == value)
                return static_cast<int>(i);
        }
        return -1;
    }

    int Count() const { return static_cast<int>(values_.size()); }
    T operator[](int i) const { return values_.at(static_cast<std::size_t>(i)); }
    const std::vector<T>& Values() const { return values_; }

private:
    char delimiter_;
    std::vector<T> values_;
};

} // namespace zt
