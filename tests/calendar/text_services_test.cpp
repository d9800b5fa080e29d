// String-table texts with "%1"/"%2", trimming, UTF-8 counting and cutting, and the phone
// and e-mail plausibility tests.
#include "calendar/text_services.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ambon {
namespace {

TEST(TextServices, LoadsAndFillsStringTableTexts) {
    EXPECT_EQ(loadText(3), "Januari");
    EXPECT_EQ(loadText(1241), "Dial %1");
    EXPECT_EQ(loadText(1241, 1244), "Dial speakers.dat");
    EXPECT_EQ(loadText(1), "");  // no such string
    EXPECT_EQ(formatText("0201234567", 1241), "Dial 0201234567");
    EXPECT_EQ(formatText("0201234567", 1241, "unused"), "Dial 0201234567");
}

TEST(TextServices, EmptyFirstTextLeavesTheStringAlone) {
    EXPECT_EQ(formatText("", 1241), "Dial %1");
    EXPECT_EQ(formatText("", 1241, "x"), "Dial %1");
}

TEST(TextServices, FillTextReplacesEveryPlaceholderOnce) {
    const std::string two = "B";
    struct Case {
        const char* pattern;
        const char* t1;
        const std::string* t2;
        const char* result;
    };
    const Case cases[] = {
        {"%1 and %2", "A", &two, "A and B"},
        {"%2 before %1", "A", &two, "B before A"},
        {"%1-%1, %2%2", "A", &two, "A-A, BB"},
        {"%1 %2", "A", nullptr, "A %2"},  // without t2 "%2" stays
        {"%1", "%2", &two, "%2"},         // what was filled in is not filled again
        {"100%", "A", &two, "100%"},
        {"%%1%3", "A", &two, "%A%3"},
        {"", "A", &two, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fillText(c.pattern, c.t1, c.t2), c.result) << c.pattern;
    }
}

TEST(TextServices, TrimsSpacesOnly) {
    struct Case {
        const char* text;
        const char* both;
        const char* right;
    };
    const Case cases[] = {
        {"  a b  ", "a b", "  a b"},  {"abc", "abc", "abc"}, {"    ", "", ""}, {"", "", ""},
        {"\ta\t ", "\ta\t", "\ta\t"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        std::string& same = trimBoth(text);
        EXPECT_EQ(&same, &text);
        EXPECT_EQ(text, c.both) << '"' << c.text << '"';
        EXPECT_EQ(trimmed(c.text), c.both);
        EXPECT_EQ(trimmedRight(c.text), c.right);
    }
}

TEST(TextServices, CountsCharactersNotBytes) {
    struct Case {
        const char* text;
        std::size_t length;
    };
    const Case cases[] = {
        {"", 0},   {"abc", 3},  {"Müller", 6}, {"€5", 2},       {"😀", 1},
        {"Šš", 2}, {"\xC3", 1}, {"\x80x", 2},  {"\xE2\x82", 1}, {"a\xC3(", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8Length(c.text), c.length) << c.text;
}

TEST(TextServices, CutsWholeCharactersOnly) {
    struct Case {
        const char* text;
        std::size_t n;
        const char* left;
    };
    const Case cases[] = {
        {"Müller", 1, "M"}, {"Müller", 2, "Mü"}, {"€uro", 1, "€"},    {"😀x", 1, "😀"},
        {"ab", 5, "ab"},    {"abc", 0, ""},      {"\xC3", 1, "\xC3"},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8Left(c.text, c.n), c.left) << c.text;

    const std::string mixed = "Zé€😀ü x";
    for (std::size_t n = 0; n <= 8; ++n) {
        EXPECT_EQ(utf8Length(utf8Left(mixed, n)), std::min<std::size_t>(n, 7)) << n;
        EXPECT_EQ(mixed.compare(0, utf8Left(mixed, n).size(), utf8Left(mixed, n)), 0);
    }
}

TEST(TextServices, PhoneAndEmailPlausibility) {
    struct Case {
        const char* text;
        bool plausible;
    };
    const Case phones[] = {
        {"1234567", true},
        {"123456", false},
        {"  1234567  ", true},
        {"   123456    ", false},     // only 6 after trimming
        {"012345678901234", true},    // 15 characters
        {"0123456789012345", false},  // 16
        {"€€€€€€€€€€€€€€€", true},    // 15 characters, 45 bytes
        {"", false},
    };
    for (const auto& c : phones) EXPECT_EQ(looksLikePhone(c.text), c.plausible) << c.text;

    const Case emails[] = {
        {"a@bc", true}, {"a@b", false}, {"abcd", false}, {"é@é", false}, {"é@éé", true},
    };
    for (const auto& c : emails) EXPECT_EQ(looksLikeEmail(c.text), c.plausible) << c.text;
}

}  // namespace
}  // namespace ambon
