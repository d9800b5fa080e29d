// Name comparison for sorting and duplicate checks.
#include "store/name_order.h"

#include <algorithm>
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

std::string NameOrder::sortKey(std::string name) const {
    std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    name.erase(name.find_last_not_of(' ') + 1);
    name.erase(0, first);
    // Plain ASCII is the same in Windows-1252 and is folded where it lies.
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; }))
        name = utf8ToCp1252(name);
    for (char& c : name) c = static_cast<char>(fold_[static_cast<std::uint8_t>(c)]);
    return name;
}

std::vector<std::size_t> NameOrder::sortedPositions(const std::vector<std::string>& keys) {
    if (std::is_sorted(keys.begin(), keys.end())) return {};
    // The first 16 bytes of each key as two big-endian numbers, zero-padded, so that the
    // numbers order the keys as their bytes do and most keys are never compared as strings.
    struct Item {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        std::size_t position = 0;
    };
    const std::size_t n = keys.size();
    std::vector<Item> items(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t head[16] = {};
        std::memcpy(head, keys[i].data(), std::min<std::size_t>(keys[i].size(), 16));
        for (std::size_t b = 0; b < 8; ++b) {
            items[i].high = items[i].high << 8 | head[b];
            items[i].low = items[i].low << 8 | head[b + 8];
        }
        items[i].position = i;
    }
    // A stable radix sort on the first eight bytes...
    std::vector<Item> buffer(n);
    for (int shift = 0; shift < 64; shift += 8) {
        std::size_t start[257] = {};
        for (const Item& item : items) ++start[((item.high >> shift) & 0xFF) + 1];
        // (a byte that every key shares orders nothing)
        if (std::find(std::begin(start), std::end(start), n) != std::end(start)) continue;
        for (std::size_t d = 1; d < 257; ++d) start[d] += start[d - 1];
        for (const Item& item : items) buffer[start[(item.high >> shift) & 0xFF]++] = item;
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
                      [&keys](const Item& a, const Item& b) {
                          if (a.low != b.low) return a.low < b.low;
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
    // std::string compares its bytes as unsigned char, shorter prefix first.
    int c = sortKey(std::string(a)).compare(sortKey(std::string(b)));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace ambon
