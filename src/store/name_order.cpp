// Name comparison for sorting and duplicate checks.
#include "store/name_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "calendar/text_services.h"
#include "store/cp1252.h"

namespace ambon {

void NameOrder::setLatinFold(bool on) {
    latinFold_ = on;
    for (std::size_t c = 0; c < fold_.size(); ++c) {
        auto b = static_cast<std::uint8_t>(c);
        fold_[c] = on ? foldLatin(b) : foldAscii(b);
    }
}

void NameOrder::appendKey(std::string& keys, std::string_view name) const {
    std::size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return;
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    const std::size_t start = keys.size();
    // Plain ASCII is the same in Windows-1252: folded as it is copied, in one pass. A
    // name with other characters is converted first.
    keys += name;
    std::uint8_t seen = 0;
    for (std::size_t i = start; i < keys.size(); ++i) {
        auto b = static_cast<std::uint8_t>(keys[i]);
        seen |= b;
        keys[i] = static_cast<char>(fold_[b]);
    }
    if ((seen & 0x80) == 0) return;
    keys.resize(start);
    keys += utf8ToCp1252(name);
    for (std::size_t i = start; i < keys.size(); ++i)
        keys[i] = static_cast<char>(fold_[static_cast<std::uint8_t>(keys[i])]);
}

std::string NameOrder::sortKey(std::string_view name) const {
    std::string key;
    appendKey(key, name);
    return key;
}

std::vector<std::size_t> NameOrder::sortedPositions(const std::vector<std::string_view>& keys) {
    if (std::is_sorted(keys.begin(), keys.end())) return {};
    // The first 16 bytes of each key as two big-endian numbers, zero-padded, so that the
    // numbers order the keys as their bytes do and most keys are never compared as strings.
    struct Item {
        std::uint64_t high = 0;
        std::size_t position = 0;
    };
    const std::size_t n = keys.size();
    std::vector<Item> items(n);
    std::vector<std::uint64_t> low(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t head[16] = {};
        std::memcpy(head, keys[i].data(), std::min<std::size_t>(keys[i].size(), 16));
        std::uint64_t h = 0, l = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            h = h << 8 | head[b];
            l = l << 8 | head[b + 8];
        }
        items[i] = {h, i};
        low[i] = l;
    }
    // A stable radix sort on the first eight bytes (all eight counts in one sweep; a byte
    // that every key shares orders nothing and is skipped)...
    std::vector<std::array<std::size_t, 257>> start(8);
    for (auto& counts : start) counts.fill(0);
    for (const Item& item : items)
        for (std::size_t d = 0; d < 8; ++d) ++start[d][((item.high >> (8 * d)) & 0xFF) + 1];
    std::vector<Item> buffer(n);
    for (std::size_t d = 0; d < 8; ++d) {
        auto& counts = start[d];
        if (std::find(counts.begin(), counts.end(), n) != counts.end()) continue;
        for (std::size_t k = 1; k < counts.size(); ++k) counts[k] += counts[k - 1];
        for (const Item& item : items) buffer[counts[(item.high >> (8 * d)) & 0xFF]++] = item;
        items.swap(buffer);
    }
    // ...then each run of equal first bytes by the next eight, the rest of the key and
    // the position, which keeps equal keys in their original order.
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && items[j].high == items[i].high) ++j;
        if (j - i > 1)
            std::sort(items.begin() + static_cast<std::ptrdiff_t>(i),
                      items.begin() + static_cast<std::ptrdiff_t>(j),
                      [&keys, &low](const Item& a, const Item& b) {
                          if (low[a.position] != low[b.position])
                              return low[a.position] < low[b.position];
                          int c = keys[a.position].compare(keys[b.position]);
                          return c != 0 ? c < 0 : a.position < b.position;
                      });
        i = j;
    }
    std::vector<std::size_t> positions;
    positions.reserve(n);
    for (const Item& item : items) positions.push_back(item.position);
    return positions;
}

int NameOrder::compare(std::string_view a, std::string_view b) const {
    // Strings compare their bytes as unsigned char, shorter prefix first.
    int c = sortKey(a).compare(sortKey(b));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace ambon
