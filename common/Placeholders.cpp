#include "common/Placeholders.h"

namespace zt {

std::string ExpandPlaceholders(const std::string& text, const Placeholders& values)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::pair<std::string, std::string>* hit = nullptr;
        for (const auto& pv : values) {
            if (!pv.first.empty() && text.compare(i, pv.first.size(), pv.first) == 0) {
                hit = &pv;
                break;
            }
        }
        if (hit) {
            out += hit->second;
            i += hit->first.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace zt
