// The one order of every name-sorted table, and name equality: names compared with
// leading and trailing blanks removed, case-insensitively on their Windows-1252 bytes.
// Plain ASCII folding unless the language has set a locale, which folds accented
// letters too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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
    // Writes text (Windows-1252) to out as the order sees it, byte for byte, and tells
    // whether a byte was beyond ASCII.
    bool foldInto(char* out, std::string_view text) const;

private:
    friend class NameKeys;  // folds through the table directly

    bool latinFold_ = false;
    std::array<std::uint8_t, 256> fold_{};  // each Windows-1252 byte as the order sees it
};

// The keys of a table's names in one buffer, for sorting the table: each name is folded
// once, and a large table makes no allocation per name.
class NameKeys {
public:
    NameKeys(const NameOrder& order, std::size_t names);

    // The key of a name in UTF-8.
    void add(std::string_view name);
    // The key of a name as stored, in Windows-1252, possibly in parts that follow one
    // another (a last name, ", ", a first name): the key that add gives for the same
    // name in UTF-8, without the conversion there and back.
    void addStored(std::string_view part1, std::string_view part2 = {},
                   std::string_view part3 = {});
    std::size_t size() const { return ends_.size(); }
    std::string_view key(std::size_t i) const {
        std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(pool_.get() + begin, ends_[i] - begin);
    }

    // The positions of the keys in stable sorted order; empty when they are in order.
    std::vector<std::size_t> sortedPositions() const;

private:
    // Where the next key goes, with room for size bytes and eight more, for the zero
    // bytes after the last key: the sort reads keys as whole words.
    char* room(std::size_t size) {
        if (capacity_ < used_ + size + 8) grow(size);
        return pool_.get() + used_;
    }
    void grow(std::size_t size);
    // Ends the key at the end of room with its length.
    void closeKey(std::size_t length) {
        used_ += length;
        std::memset(pool_.get() + used_, 0, 8);
        ends_.push_back(used_);
    }

    const NameOrder& order_;
    // The keys one after the other, then eight zero bytes, then free room. Left
    // uninitialised where nothing was written: a large table sorts without clearing it.
    std::unique_ptr<char[]> pool_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::vector<std::size_t> ends_;
};

// Puts the items into the order of positions: item k afterwards is the one that was at
// positions[k]. The permutation is applied in place, cycle by cycle, so no second table
// is allocated; empty positions leave the items as they are.
template <typename T>
void applyPositions(std::vector<T>& items, std::vector<std::size_t> positions) {
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

// Sorts items stably in name order of name(item). Each name is folded once, so a large
// table costs one conversion per entry instead of two per comparison.
template <typename T, typename NameOf>
void sortByName(std::vector<T>& items, const NameOrder& order, NameOf name) {
    NameKeys keys(order, items.size());
    for (const T& item : items) keys.add(name(item));
    applyPositions(items, keys.sortedPositions());
}

}  // namespace ambon
