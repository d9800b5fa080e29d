// The type-ahead search of name lists.
#include "reference/type_ahead_list.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

const std::vector<std::string> kRows = {"Almere", "Amersfoort", "Amstelveen",
                                        "Breda",  "Ékeren",     "Zwolle"};

TEST(TypeAheadList, TypedLettersNarrowTheSearch) {
    struct Step {
        const char* typed;
        int row;
        const char* search;
    };
    // "S": case does not matter. "1" and " ": not letters, ignored. "q": "amsq" and "q"
    // both fail, so the search text is emptied. "z": "bz" fails, so it starts again with
    // "z". "é" (Windows-1252 0xE9) finds "Ékeren".
    const Step steps[] = {
        {"a", 0, "a"}, {"m", 1, "am"}, {"S", 2, "ams"}, {"1", -1, "ams"},        {" ", -1, "ams"},
        {"q", -1, ""}, {"b", 3, "b"},  {"z", 5, "z"},   {"\xC3\xA9", 4, "\xE9"},
    };
    TypeAheadList list;
    for (const Step& s : steps) {
        EXPECT_EQ(list.type(s.typed, kRows), s.row) << s.typed;
        EXPECT_EQ(list.searchText(), s.search) << s.typed;
    }
}

TEST(TypeAheadList, FocusAndLengthStartANewSearch) {
    TypeAheadList list;
    list.type("a", kRows);
    list.type("m", kRows);
    list.focusGained();
    EXPECT_EQ(list.searchText(), "");
    EXPECT_EQ(list.type("b", kRows), 3);

    // A name of 45 letters: the search follows it for 40 letters, then starts afresh.
    const std::string longName(45, 'x');
    const std::vector<std::string> rows = {"Breda", longName};
    TypeAheadList longList;
    for (int i = 0; i < 40; ++i) EXPECT_EQ(longList.type("x", rows), 1);
    EXPECT_EQ(longList.searchText().size(), 40u);
    EXPECT_EQ(longList.type("x", rows), 1);
    EXPECT_EQ(longList.searchText(), "x");
}

TEST(TypeAheadList, LettersOfTheCodePage) {
    for (const char* letter : {"a", "Z", "\xC3\xA9", "\xC3\x9F", "\xC5\xA0"})  // a Z é ß Š
        EXPECT_TRUE(TypeAheadList::isLetter(letter)) << letter;
    for (const char* other : {"1", "-", " ", "\xC3\x97", "\xE2\x82\xAC", "\xE4\xB8\xAD", ""})
        EXPECT_FALSE(TypeAheadList::isLetter(other)) << other;  // × € 中 and nothing
}

}  // namespace
}  // namespace ambon
