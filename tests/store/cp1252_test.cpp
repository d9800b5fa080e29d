// Windows-1252 conversion: every byte survives a round trip, and what the code page
// cannot hold becomes "?".
#include "store/cp1252.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

TEST(Cp1252, EveryByteRoundTrips) {
    for (int b = 1; b < 256; ++b) {
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1252, ConvertsKnownCharacters) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"Orat\xE8", "Oratè"},          {"\x80", "€"},      {"Jos\xE9 M\xFCller", "José Müller"},
        {"\x93quoted\x94", "“quoted”"}, {"\x8A\x9A", "Šš"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
    }
}

// Converting into a string gives the same text as converting to a new one, and nothing
// of what the string held before is left.
TEST(Cp1252, ConversionIntoAStringReplacesItsText) {
    std::string out = "a text longer than any of the ones converted into it";
    for (std::string bytes : {std::string("Jansen"), std::string("M\xFCller"), std::string(),
                              std::string("\x80\x81 \x9F"), std::string(40, 'x')}) {
        cp1252ToUtf8(bytes, out);
        EXPECT_EQ(out, cp1252ToUtf8(bytes));
    }
}

TEST(Cp1252, UnknownAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("Ж"), "?");
    EXPECT_EQ(utf8ToCp1252("a😀b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");       // cut sequence
    EXPECT_EQ(utf8ToCp1252("\x80x"), "?x");     // lone continuation byte
    EXPECT_EQ(utf8ToCp1252("\xE2\x82"), "??");  // cut three-byte sequence
    EXPECT_EQ(utf8ToCp1252("\xC3\x28"), "?(");  // bad continuation
}

TEST(Cp1252, FoldingKeepsAsciiAndOptionallyLatinLetters) {
    EXPECT_EQ(foldAscii('A'), 'a');
    EXPECT_EQ(foldAscii(0xC9), 0xC9);  // É stays under plain ASCII folding
    EXPECT_EQ(foldLatin(0xC9), 0xE9);  // É -> é with a locale
    EXPECT_EQ(foldLatin(0xD7), 0xD7);  // the multiplication sign is not a letter
    EXPECT_EQ(foldLatin(0x8A), 0x9A);  // Š -> š
}

}  // namespace
}  // namespace ambon
