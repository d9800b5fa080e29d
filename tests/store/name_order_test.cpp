// Name order: the comparison of two names, the keys made straight from stored bytes, and
// sorting a table by folded keys, which must give exactly the order a stable sort with
// that comparison gives.
#include "store/name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "store/cp1252.h"

namespace ambon {
namespace {

TEST(NameOrder, ComparesTrimmedFoldedWindows1252Bytes) {
    struct Case {
        const char* a;
        const char* b;
        bool latin;
        int expected;
    };
    const Case cases[] = {
        {"jansen", "Jansen", false, 0},
        {"  Jansen ", "jansen", false, 0},
        {"Jan", "Jansen", false, -1},  // a prefix sorts first
        {"de Vries", "de vries, J", false, -1},
        {"Zeeman", "ábel", false, -1},  // accents sort after ASCII letters
        {"ÉMILE", "émile", false, -1},  // and are folded only by a locale
        {"ÉMILE", "émile", true, 0},
        {"Œuvre", "œuvre", true, 0},
        {"", "   ", false, 0},
        {"", "a", false, -1},
    };
    for (const Case& c : cases) {
        NameOrder order(c.latin);
        EXPECT_EQ(order.compare(c.a, c.b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(order.compare(c.b, c.a), -c.expected) << c.b << " / " << c.a;
    }
}

// The key as the order defines it, byte by byte: blanks cut off both ends, Windows-1252,
// each byte folded.
std::string referenceKey(std::string_view utf8, bool latin) {
    std::size_t first = utf8.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::string key = utf8ToCp1252(utf8.substr(first, utf8.find_last_not_of(' ') - first + 1));
    for (char& c : key) {
        auto b = static_cast<std::uint8_t>(c);
        c = static_cast<char>(latin ? foldLatin(b) : foldAscii(b));
    }
    return key;
}

// A stored key (Windows-1252, in parts) is the key of the same name in UTF-8, whatever
// the parts hold: blanks around and between them, accents with and without the latin
// fold, case, the bytes 0x80..0x9F (the five the code page leaves undefined among them),
// empty parts, and both forms a brother's name is sorted in.
TEST(NameKeys, AStoredKeyIsTheKeyOfTheSameNameInUtf8) {
    struct Case {
        std::string_view part1, part2, part3;
    };
    const Case fixed[] = {
        {"  Jansen ", ", ", " Piet  "},
        {"", ", ", ""},
        {"   ", ", ", "Piet"},
        {"de Vries", ", ", "   "},
        {"   ", " ", "   "},
        {"Piet", " ", ""},
        {"", " ", "Jansen"},
        {"\xC9MILE \xC9mile", " ", "\xE9MILE"},  // É / é
        {"\x8A\x9A\x8C\x9C\x9F\xFF", ", ", "\x81\x8D\x8F\x90\x9D"},
        {"Z\xD7\xF7\xDE\xFE\xDF", ", ", "Van Der Heijden-Vermeulen"},
        {"abcdefgh", "", ""},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ[`@{ a", "", ""},
    };
    std::mt19937 rng(1252);
    const char alphabet[] = " AaZz@[`{,-\x80\x81\x8A\x9A\x9F\xC0\xC9\xD7\xDE\xDF\xE9\xF7\xFE\xFF";
    auto randomPart = [&] {
        std::string part(rng() % 24, ' ');
        for (char& c : part) c = alphabet[rng() % (sizeof alphabet - 1)];
        return part;
    };
    for (bool latin : {false, true}) {
        NameOrder order(latin);
        std::vector<std::array<std::string, 3>> names;
        for (const Case& c : fixed)
            names.push_back({std::string(c.part1), std::string(c.part2), std::string(c.part3)});
        for (int i = 0; i < 500; ++i)
            names.push_back({randomPart(), i % 2 == 0 ? ", " : " ", randomPart()});
        NameKeys keys(order, 1);  // too little room at first: the pool has to grow
        for (const auto& n : names) keys.addStored(n[0], n[1], n[2]);
        ASSERT_EQ(keys.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::string utf8 = cp1252ToUtf8(names[i][0] + names[i][1] + names[i][2]);
            EXPECT_EQ(keys.key(i), referenceKey(utf8, latin))
                << "latin " << latin << ", name " << i;
            EXPECT_EQ(order.sortKey(utf8), referenceKey(utf8, latin)) << "name " << i;
        }
    }
}

// Names built to hit every path of the sort: long shared starts (a key read in several
// words), keys that differ only in length or case, accents, blanks around, zero bytes (a
// key with a trailing zero byte is not equal to the key without it), duplicates, empty
// names.
std::vector<std::string> awkwardNames(std::mt19937& rng, std::size_t n) {
    const std::string pieces[] = {"van der ",
                                  "Van Der ",
                                  "de ",
                                  "  ",
                                  "Jansen",
                                  "jansen",
                                  "Meer",
                                  "meer",
                                  "é",
                                  "É",
                                  "Ö",
                                  "o",
                                  ", ",
                                  "Jan",
                                  "a",
                                  "",
                                  "Œ",
                                  "zz",
                                  std::string(1, '\0'),
                                  "Heijden-Vermeulen van Oranje-Nassau "};
    std::vector<std::string> names;
    for (std::size_t i = 0; i < n; ++i) {
        std::string name;
        for (int k = static_cast<int>(rng() % 6); k > 0; --k)
            name += pieces[rng() % std::size(pieces)];
        names.push_back(name);
    }
    return names;
}

TEST(NameOrder, SortByNameIsTheStableSortOfTheComparison) {
    for (bool latin : {false, true}) {
        for (std::size_t n : {0u, 1u, 2u, 15u, 17u, 300u, 5000u}) {
            std::mt19937 rng(static_cast<unsigned>(n) * 7 + latin);
            NameOrder order(latin);
            // Each name carries its original place, so stability is visible.
            std::vector<std::pair<std::string, std::size_t>> items;
            auto names = awkwardNames(rng, n);
            for (std::size_t i = 0; i < names.size(); ++i) items.emplace_back(names[i], i);
            // The keys of the awkward names are those the order defines.
            for (const auto& item : items)
                ASSERT_EQ(order.sortKey(item.first), referenceKey(item.first, latin)) << item.first;
            auto expected = items;
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return order.less(a.first, b.first);
            });
            sortByName(items, order,
                       [](const auto& item) -> const std::string& { return item.first; });
            ASSERT_EQ(items, expected) << "n = " << n << ", latin = " << latin;
            // Sorted already: nothing to move.
            NameKeys keys(order, items.size());
            for (const auto& item : items) keys.add(item.first);
            EXPECT_TRUE(keys.sortedPositions().empty()) << "n = " << n;
        }
    }
}

}  // namespace
}  // namespace ambon
