// Talk sets, flag words and the dark-colour test.
#include "calendar/bits.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

TEST(Bits, TalkSetBitsSitInTheirByte) {
    struct Case {
        int bit;
        int byte;
        std::uint8_t mask;
    };
    const Case cases[] = {
        {0, 0, 0x01}, {7, 0, 0x80}, {9, 1, 0x02}, {162, 20, 0x04}, {255, 31, 0x80}};
    for (const auto& c : cases) {
        TalkSet set{};
        setBit(set, c.bit, true);
        TalkSet expected{};
        expected[c.byte] = c.mask;
        EXPECT_EQ(set, expected) << "bit " << c.bit;
        EXPECT_TRUE(testBit(set, c.bit));
        EXPECT_FALSE(testBit(set, c.bit == 0 ? 1 : c.bit - 1));
        EXPECT_EQ(countBits(set), 1);
    }
}

TEST(Bits, ClearingKeepsTheOtherBits) {
    TalkSet set{};
    set.fill(0xFF);
    EXPECT_EQ(countBits(set), 256);
    setBit(set, 100, false);
    EXPECT_FALSE(testBit(set, 100));
    EXPECT_TRUE(testBit(set, 99));
    EXPECT_TRUE(testBit(set, 101));
    EXPECT_EQ(countBits(set), 255);
}

TEST(Bits, NumbersOutsideTheSetAreIgnored) {
    TalkSet set{};
    setBit(set, 256, true);
    setBit(set, -1, true);
    EXPECT_EQ(countBits(set), 0);
    set.fill(0xFF);
    EXPECT_FALSE(testBit(set, 256));
    EXPECT_FALSE(testBit(set, -1));
}

TEST(Bits, FlagWords) {
    std::uint16_t word = 0;
    setFlag(word, 0, true);
    setFlag(word, 15, true);
    EXPECT_EQ(word, 0x8001);
    EXPECT_TRUE(testFlag(word, 15));
    EXPECT_FALSE(testFlag(word, 14));
    setFlag(word, 0, false);
    EXPECT_EQ(word, 0x8000);
    setFlag(word, 16, true);
    EXPECT_EQ(word, 0x8000);
    EXPECT_FALSE(testFlag(0xFFFF, 16));
}

TEST(Bits, DarkColours) {
    struct Case {
        std::uint32_t rgb;  // red + 256 x green + 65536 x blue
        bool dark;
    };
    const Case cases[] = {
        {0x000000, true},  {0x7C7C7C, true},   // 372
        {0x7C7D7D, true},                      // 374
        {0x7D7D7D, false},                     // 375
        {0x007CFA, true},                      // red 250 + green 124
        {0x0000FB, true},  {0x0000FC, false},  // red 251 / 252
        {0x00FC00, false}, {0xFC0000, false},  // green, blue 252
        {0xFFFFFF, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isDarkColour(c.rgb), c.dark) << std::hex << c.rgb;
}

}  // namespace
}  // namespace ambon
