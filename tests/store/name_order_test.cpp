// Name order: the comparison of two names, and sorting a table by folded keys, which
// must give exactly the order a stable sort with that comparison gives.
#include "store/name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

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

// Names built to hit every path of the sort: equal heads longer than 16 bytes, keys that
// differ only in length or case, accents, blanks around, duplicates, empty names.
std::vector<std::string> awkwardNames(std::mt19937& rng, std::size_t n) {
    const char* const pieces[] = {"van der ", "Van Der ", "de ", "  ", "Jansen", "jansen",
                                  "Meer",     "meer",     "é",   "É",  "Ö",      "o",
                                  ", ",       "Jan",      "a",   "",   "Œ",      "zz"};
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
        for (std::size_t n : {0u, 1u, 2u, 17u, 300u, 2000u}) {
            std::mt19937 rng(static_cast<unsigned>(n) * 7 + latin);
            NameOrder order(latin);
            // Each name carries its original place, so stability is visible.
            std::vector<std::pair<std::string, std::size_t>> items;
            auto names = awkwardNames(rng, n);
            for (std::size_t i = 0; i < names.size(); ++i) items.emplace_back(names[i], i);
            auto expected = items;
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return order.less(a.first, b.first);
            });
            sortByName(items, order,
                       [](const auto& item) -> const std::string& { return item.first; });
            ASSERT_EQ(items, expected) << "n = " << n << ", latin = " << latin;
        }
    }
}

}  // namespace
}  // namespace ambon
