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
    std::string sortKey(std::string name) const;
    // The positions of the keys in stable sorted order; empty when they are in order.
    static std::vector<std::size_t> sortedPositions(const std::vector<std::string>& keys);

private:
    bool latinFold_ = false;
    std::array<std::uint8_t, 256> fold_{};  // each Windows-1252 byte as the order sees it
};

// Sorts items stably in name order of name(item). Each name is folded once, so a large
// table costs one conversion per entry instead of two per comparison.
template <typename T, typename NameOf>
void sortByName(std::vector<T>& items, const NameOrder& order, NameOf name) {
    std::vector<std::string> keys;
    keys.reserve(items.size());
    for (const T& item : items) keys.push_back(order.sortKey(name(item)));
    std::vector<std::size_t> positions = NameOrder::sortedPositions(keys);
    if (positions.empty()) return;
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (std::size_t p : positions) sorted.push_back(std::move(items[p]));
    items = std::move(sorted);
}

}  // namespace ambon
