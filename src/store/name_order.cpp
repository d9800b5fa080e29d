// Name comparison for sorting and duplicate checks.
#include "store/name_order.h"

#include <string>

#include "calendar/text_services.h"
#include "store/cp1252.h"

namespace ambon {

int NameOrder::compare(std::string_view a, std::string_view b) const {
    std::string x = utf8ToCp1252(trimmed(a));
    std::string y = utf8ToCp1252(trimmed(b));
    std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto cx = static_cast<std::uint8_t>(x[i]);
        auto cy = static_cast<std::uint8_t>(y[i]);
        std::uint8_t fx = latinFold_ ? foldLatin(cx) : foldAscii(cx);
        std::uint8_t fy = latinFold_ ? foldLatin(cy) : foldAscii(cy);
        if (fx != fy) return fx < fy ? -1 : 1;
    }
    if (x.size() == y.size()) return 0;
    return x.size() < y.size() ? -1 : 1;
}

}  // namespace ambon
