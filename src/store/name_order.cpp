// Name comparison for sorting and duplicate checks.
#include "store/name_order.h"

#include <algorithm>
#include <array>
#include <bit>
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

namespace {

constexpr std::uint64_t kEachByte = 0x0101010101010101ull;

// Removes the blanks around the size bytes at text, moving the rest to text; its length.
// (This and foldText are inlined: a large table makes a key for every entry.)
[[gnu::always_inline]] inline std::size_t trimInPlace(char* text, std::size_t size) {
    std::size_t end = size;
    while (end > 0 && text[end - 1] == ' ') --end;
    std::size_t first = 0;
    while (first < end && text[first] == ' ') ++first;
    if (first > 0) std::memmove(text, text + first, end - first);
    return end - first;
}

}  // namespace

namespace {

// Eight bytes folded. Both folds only lower A-Z among the ASCII bytes, so a word of those
// is folded without the table: a byte below 0x80 plus 0x3F reaches 0x80 from 'A' on,
// plus 0x25 from '[' on, and no sum carries into the next byte.
std::uint64_t foldWord(std::uint64_t w, const std::array<std::uint8_t, 256>& fold,
                       bool& beyondAscii) {
    if ((w & kEachByte * 0x80) == 0) {
        std::uint64_t upper =
            (w + kEachByte * (0x80 - 'A')) & ~(w + kEachByte * (0x80 - 'Z' - 1)) & kEachByte * 0x80;
        return w | upper >> 2;
    }
    beyondAscii = true;
    std::uint64_t folded = 0;
    for (unsigned shift = 0; shift < 64; shift += 8)
        folded |= std::uint64_t{fold[(w >> shift) & 0xFF]} << shift;
    return folded;
}

// Writes text to out folded, read from the text eight bytes at a time; the last word of a
// text that is no whole number of words overlaps the one before. (Folding what was just
// written would wait for the writes to land.) Tells whether a byte was beyond ASCII.
[[gnu::always_inline]] inline bool foldText(char* out, std::string_view text,
                                            const std::array<std::uint8_t, 256>& fold) {
    bool beyondAscii = false;
    const std::size_t n = text.size();
    const char* in = text.data();
    auto foldAt = [&](std::size_t at) {
        std::uint64_t w;
        std::memcpy(&w, in + at, 8);
        w = foldWord(w, fold, beyondAscii);
        std::memcpy(out + at, &w, 8);
    };
    if (n >= 8) {
        for (std::size_t at = 0; at + 8 <= n; at += 8) foldAt(at);
        if (n % 8 != 0) foldAt(n - 8);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            auto b = static_cast<std::uint8_t>(in[i]);
            beyondAscii = beyondAscii || b >= 0x80;
            out[i] = static_cast<char>(fold[b]);
        }
    }
    return beyondAscii;
}

}  // namespace

bool NameOrder::foldInto(char* out, std::string_view text) const {
    return foldText(out, text, fold_);
}

void NameOrder::appendKey(std::string& keys, std::string_view name) const {
    // Plain ASCII is the same in Windows-1252 and is folded as it is. A name with other
    // characters is converted first. The fold and the conversion keep blanks as they are
    // and make nothing else a blank, so the trim may follow them.
    const std::size_t start = keys.size();
    keys.resize(start + name.size());
    if (foldInto(keys.data() + start, name)) {
        std::string converted = utf8ToCp1252(name);
        keys.resize(start + converted.size());
        foldInto(keys.data() + start, converted);
    }
    keys.resize(start + trimInPlace(keys.data() + start, keys.size() - start));
}

std::string NameOrder::sortKey(std::string_view name) const {
    std::string key;
    appendKey(key, name);
    return key;
}

NameKeys::NameKeys(const NameOrder& order, std::size_t names) : order_(order) {
    ends_.reserve(names);
    capacity_ = names * 24 + 8;
    pool_ = std::make_unique_for_overwrite<char[]>(capacity_);
    std::memset(pool_.get(), 0, 8);
}

void NameKeys::grow(std::size_t size) {
    std::size_t capacity = std::max(2 * capacity_, used_ + size + 8);
    auto pool = std::make_unique_for_overwrite<char[]>(capacity);
    std::memcpy(pool.get(), pool_.get(), used_ + 8);
    pool_ = std::move(pool);
    capacity_ = capacity;
}

void NameKeys::add(std::string_view name) {
    char* at = room(name.size());
    std::size_t size = name.size();
    if (order_.foldInto(at, name)) {
        std::string converted = utf8ToCp1252(name);
        at = room(converted.size());
        order_.foldInto(at, converted);
        size = converted.size();
    }
    closeKey(trimInPlace(at, size));
}

void NameKeys::addStored(std::string_view part1, std::string_view part2, std::string_view part3) {
    // Windows-1252 to UTF-8 and back gives every byte back, and a blank is the same byte in
    // both, so the stored bytes need only the fold and the trim.
    char* at = room(part1.size() + part2.size() + part3.size());
    char* out = at;
    for (std::string_view part : {part1, part2, part3}) {
        foldText(out, part, order_.fold_);
        out += part.size();
    }
    closeKey(trimInPlace(at, static_cast<std::size_t>(out - at)));
}

namespace {

// A stable most-significant-byte radix sort of the keys: at some depth the keys are dealt
// into one bucket per byte value (a key that ends there into the first), keeping their
// order, and each bucket is sorted on from the next byte. A comparison sort would spend
// most of its time on branches that go either way. Few keys left at once are sorted by
// comparing them. Each item carries eight bytes of its key from some depth on, so most
// steps do not reach into the pool of keys.
class KeySort {
public:
    KeySort(std::string_view pool, const std::vector<std::size_t>& ends) : pool_(pool) {
        const std::size_t n = ends.size();
        begins_.reserve(n);
        items_.reserve(n);
        for (std::size_t i = 0, begin = 0; i < n; begin = ends[i++]) {
            begins_.push_back(static_cast<std::uint32_t>(begin));
            Item item{0, static_cast<std::uint32_t>(i),
                      static_cast<std::uint32_t>(ends[i] - begin)};
            item.bytes = word(item, 0);
            items_.push_back(item);
        }
    }

    std::vector<std::size_t> positions() {
        const std::size_t n = items_.size();
        bool ordered = true;
        for (std::size_t i = 1; i < n && ordered; ++i) ordered = !less(items_[i], items_[i - 1], 0);
        if (ordered) return {};
        dealt_ = std::make_unique_for_overwrite<Item[]>(n);
        sort(0, n, 0, 0);
        std::vector<std::size_t> positions;
        positions.reserve(n);
        for (const Item& item : items_) positions.push_back(item.key);
        return positions;
    }

private:
    struct Item {
        std::uint64_t bytes;  // eight bytes of the key from the range's window on
        std::uint32_t key;    // the key's position
        std::uint32_t length;
    };

    // Ranges this short are sorted by comparison.
    static constexpr std::size_t kCompareBelow = 16;

    // Eight bytes of a key from at on, big-endian, zero past its end (read as one word
    // where the pool holds eight bytes from there).
    std::uint64_t word(const Item& item, std::size_t at) const {
        if (at >= item.length) return 0;
        const std::size_t length = std::min<std::size_t>(item.length - at, 8);
        const std::size_t from = begins_[item.key] + at;
        std::uint64_t w = 0;
        if (from + 8 <= pool_.size() && std::endian::native == std::endian::little) {
            std::memcpy(&w, pool_.data() + from, 8);
            w = __builtin_bswap64(w);
        } else {
            for (std::size_t b = 0; b < 8; ++b)
                w = w << 8 | (b < length ? static_cast<std::uint8_t>(pool_[from + b]) : 0u);
        }
        return length == 8 ? w : w & ~(~std::uint64_t{0} >> (8 * length));
    }

    // The byte at depth (within the item's window) as 1..256, or 0 where the key has ended.
    static unsigned digit(const Item& item, std::size_t depth, std::size_t window) {
        return depth < item.length
                   ? 1u + static_cast<unsigned>((item.bytes >> (56 - 8 * (depth - window))) & 0xFF)
                   : 0u;
    }

    // Whether a sorts before b, both with bytes from window and equal before it: by their
    // bytes, a key that is the start of the other first, then by position. Words that are
    // equal with their zero padding leave the difference to the lengths.
    bool less(const Item& a, const Item& b, std::size_t window) const {
        if (a.bytes != b.bytes) return a.bytes < b.bytes;
        const std::size_t common = std::min(a.length, b.length);
        for (std::size_t at = window + 8; at < common; at += 8) {
            std::uint64_t x = word(a, at), y = word(b, at);
            if (x != y) return x < y;
        }
        if (a.length != b.length) return a.length < b.length;
        return a.key < b.key;
    }

    // Sorts items_[begin, end), whose keys agree before depth and carry their bytes from
    // window (at most depth) on.
    void sort(std::size_t begin, std::size_t end, std::size_t depth, std::size_t window) {
        const std::size_t n = end - begin;
        if (n < kCompareBelow) {
            for (std::size_t k = begin + 1; k < end; ++k) {
                Item moving = items_[k];
                std::size_t at = k;
                for (; at > begin && less(moving, items_[at - 1], window); --at)
                    items_[at] = items_[at - 1];
                items_[at] = moving;
            }
            return;
        }
        // Counted at depth. A byte that every key shares deals nothing: the keys are dealt
        // at the first byte where two of them differ or the shortest ends, found from the
        // bits in which any key differs from the first within the window.
        unsigned low, high;
        for (;;) {
            if (depth >= window + 8) {
                window = depth;
                for (std::size_t k = begin; k < end; ++k) items_[k].bytes = word(items_[k], window);
            }
            const std::uint64_t first = items_[begin].bytes;
            std::uint64_t differ = 0;
            std::uint32_t shortest = items_[begin].length;
            low = 256;
            high = 0;
            for (std::size_t k = begin; k < end; ++k) {
                const Item& item = items_[k];
                unsigned d = digit(item, depth, window);
                ++counts_[d];
                low = std::min(low, d);
                high = std::max(high, d);
                differ |= first ^ item.bytes;
                shortest = std::min(shortest, item.length);
            }
            if (low != high) break;
            counts_[low] = 0;
            // All keys have ended here, so they are equal and in their original order.
            if (low == 0) return;
            const std::size_t same =
                differ == 0 ? 8 : static_cast<std::size_t>(std::countl_zero(differ)) / 8;
            depth = std::max(depth + 1, std::min<std::size_t>(window + same, shortest));
        }
        // next[d] is where the next key with digit d goes; counts_ is left all zero.
        std::array<std::uint32_t, 257> next;
        std::uint32_t at = static_cast<std::uint32_t>(begin);
        for (unsigned d = low; d <= high; ++d) {
            next[d] = at;
            at += counts_[d];
            counts_[d] = 0;
        }
        for (std::size_t k = begin; k < end; ++k)
            dealt_[next[digit(items_[k], depth, window)]++] = items_[k];
        std::copy(dealt_.get() + begin, dealt_.get() + end,
                  items_.begin() + static_cast<std::ptrdiff_t>(begin));
        // Now next[d] is where bucket d ends. Bucket 0 holds the keys that ended here,
        // which are equal and still in their original order.
        std::size_t from = begin;
        for (unsigned d = low; d <= high; ++d) {
            const std::size_t to = next[d];
            if (d != 0 && to - from > 1) sort(from, to, depth + 1, window);
            from = to;
        }
    }

    std::string_view pool_;
    std::vector<std::uint32_t> begins_;
    std::vector<Item> items_;
    std::unique_ptr<Item[]> dealt_;            // where a deal puts the items, uncleared
    std::array<std::uint32_t, 257> counts_{};  // all zero between deals
};

}  // namespace

std::vector<std::size_t> NameKeys::sortedPositions() const {
    return KeySort(std::string_view(pool_.get(), used_ + 8), ends_).positions();
}

int NameOrder::compare(std::string_view a, std::string_view b) const {
    // Strings compare their bytes as unsigned char, shorter prefix first.
    int c = sortKey(a).compare(sortKey(b));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace ambon
