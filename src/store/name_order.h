// The one order of every name-sorted table, and name equality: names compared with
// leading and trailing blanks removed, case-insensitively on their Windows-1252 bytes.
// Plain ASCII folding unless the language has set a locale, which folds accented
// letters too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ambon {

class NameOrder {
public:
    explicit NameOrder(bool latinFold = false) { setLatinFold(latinFold); }
    void setLatinFold(bool on);
    bool latinFold() const { return latinFold_; }

    // < 0, 0, > 0 like strcmp; a name that is a prefix of the other sorts first.
    int compare(std::string_view a, std::string_view b) const;
    bool less(std::string_view a, std::string_view b) const { return compare(a, b) < 0; }
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }

    // The name as the order sees it: trimmed, in Windows-1252, case folded. Two names
    // compare as their keys do (bytes unsigned, a prefix first).
    std::string sortKey(std::string_view name) const;
    // Appends the key of a name to keys.
    void appendKey(std::string& keys, std::string_view name) const;
    // The positions of the keys in stable sorted order; empty when they are in order.
    static std::vector<std::size_t> sortedPositions(const std::vector<std::string_view>& keys);

private:
    bool latinFold_ = false;
    std::array<std::uint8_t, 256> fold_{};  // each Windows-1252 byte as the order sees it
};

// Sorts items stably in name order of name(item). Each name is folded once, so a large
// table costs one conversion per entry instead of two per comparison.
template <typename T, typename NameOf>
void sortByName(std::vector<T>& items, const NameOrder& order, NameOf name) {
    // All keys in one buffer, so a large table makes no allocation per name.
    std::string pool;
    std::vector<std::size_t> ends;
    ends.reserve(items.size());
    for (const T& item : items) {
        order.appendKey(pool, name(item));
        ends.push_back(pool.size());
    }
    std::vector<std::string_view> keys;
    keys.reserve(items.size());
    for (std::size_t i = 0, begin = 0; i < ends.size(); begin = ends[i++])
        keys.push_back(std::string_view(pool).substr(begin, ends[i] - begin));
    std::vector<std::size_t> positions = NameOrder::sortedPositions(keys);
    // Item k of the sorted table is the one at positions[k]: the permutation is applied in
    // place, cycle by cycle, so no second table is allocated.
    for (std::size_t k = 0; k < positions.size(); ++k) {
        if (positions[k] == k) continue;
        T moving = std::move(items[k]);
        std::size_t at = k;
        while (positions[at] != k) {
            std::size_t from = positions[at];
            items[at] = std::move(items[from]);
            positions[at] = at;
            at = from;
        }
        items[at] = std::move(moving);
        positions[at] = at;
    }
}

}  // namespace ambon
