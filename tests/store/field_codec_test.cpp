// Integers and text fields inside record bytes: byte order, signedness, the cut at the
// field's end, and which bytes a text write may touch.
#include "store/field_codec.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/byte_image.h"

namespace ambon {
namespace {

using test::ByteVector;
using test::patternBytes;

TEST(FieldCodecIntegers, LittleEndianSignedAndUnsigned) {
    struct Case {
        std::uint8_t lo, hi;
        std::uint16_t u;
        std::int16_t i;
    };
    for (Case c : {Case{0x34, 0x12, 0x1234, 0x1234}, Case{0xFE, 0xFF, 65534, -2},
                   Case{0x00, 0x80, 32768, -32768}, Case{0x40, 0x9C, 40000, -25536},
                   Case{0xFF, 0x7F, 32767, 32767}}) {
        ByteVector bytes{0xAA, c.lo, c.hi, 0xBB};
        EXPECT_EQ(getU16(bytes, 1), c.u);
        EXPECT_EQ(getI16(bytes, 1), c.i);

        ByteVector u{0xAA, 0, 0, 0xBB};
        putU16(u, 1, c.u);
        EXPECT_EQ(u, bytes);
        ByteVector i{0xAA, 0, 0, 0xBB};
        putI16(i, 1, c.i);
        EXPECT_EQ(i, bytes);
    }
}

TEST(FieldCodecText, ReadsUpToTheTerminatorAndNeverIntoTheNextField) {
    // Field of 6 bytes at offset 2, between two neighbours.
    struct Case {
        ByteVector field;
        std::string text;
    };
    const Case cases[] = {
        {{'A', 'b', 0, 'X', 'Y', 'Z'}, "Ab"},
        {{0, 'X', 'Y', 'Z', 'W', 'V'}, ""},
        {{'A', 'B', 'C', 'D', 'E', 'F'}, "ABCDE"},  // no terminator: cut at size - 1
        {{'J', 'o', 's', 0xE9, 0, 0}, "Jos\u00e9"},
        {{0x80, 0x8C, 0x9F, 0x81, 0, 0}, "\u20ac\u0152\u0178\u0081"},
    };
    for (const auto& c : cases) {
        ByteVector bytes{'<', '<'};
        bytes.insert(bytes.end(), c.field.begin(), c.field.end());
        bytes.insert(bytes.end(), {'>', '>'});
        EXPECT_EQ(getText(bytes, 2, 6), c.text);
    }
}

// Fields longer than a word are scanned eight bytes at a time: the terminator is found at
// every place in the field, and a field without one is cut at its last byte, whatever
// non-zero bytes (high ones included) fill it and follow it.
TEST(FieldCodecText, StoredBytesEndAtTheFirstZeroAtAnyPlaceInAnyFieldSize) {
    for (std::size_t size : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 20u, 50u}) {
        for (std::size_t zeroAt = 0; zeroAt <= size; ++zeroAt) {
            ByteVector bytes(3 + size + 9);
            for (std::size_t i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<std::uint8_t>(i % 2 == 0 ? 0x80 + i % 0x7F : 'a' + i % 26);
            if (zeroAt < size) bytes[3 + zeroAt] = 0;  // else no terminator in the field
            std::string_view stored = fieldBytes(bytes, 3, size);
            EXPECT_EQ(stored.data(), reinterpret_cast<const char*>(bytes.data() + 3));
            EXPECT_EQ(stored.size(), std::min(zeroAt, size - 1))
                << "size " << size << ", zero at " << zeroAt;
        }
    }
    EXPECT_TRUE(fieldBytes(ByteVector{'a'}, 0, 0).empty());
}

TEST(FieldCodecText, WriteCutsEncodesAndZeroesOnlyItsOwnField) {
    struct Case {
        std::string text;
        ByteVector field;  // the 6 bytes expected in the field
    };
    const Case cases[] = {
        {"Ab", {'A', 'b', 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0}},
        {"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 0}},
        {"M\u00fcller", {'M', 0xFC, 'l', 'l', 'e', 0}},
        {"\u20ac5", {0x80, '5', 0, 0, 0, 0}},
        // Outside Windows-1252: one "?" per character.
        {"\u0141\u65e5x", {'?', '?', 'x', 0, 0, 0}},
    };
    for (const auto& c : cases) {
        ByteVector bytes = patternBytes(10);
        const ByteVector before = bytes;
        putText(bytes, 2, 6, c.text);
        EXPECT_EQ(ByteVector(bytes.begin() + 2, bytes.begin() + 8), c.field) << c.text;
        EXPECT_EQ(bytes[0], before[0]);
        EXPECT_EQ(bytes[1], before[1]);
        EXPECT_EQ(bytes[8], before[8]);
        EXPECT_EQ(bytes[9], before[9]);
        EXPECT_EQ(getText(bytes, 2, 6), getText(ByteVector(c.field), 0, 6));
    }
}

TEST(FieldCodecText, UnchangedTextKeepsTheBytesAfterItsTerminator) {
    ByteVector bytes{'J', 'a', 'n', 0, 'o', 'l', 'd'};
    const ByteVector before = bytes;
    putText(bytes, 0, 7, "Jan");
    EXPECT_EQ(bytes, before);

    // A field filled to its end without terminator also stays as it is.
    ByteVector full{'A', 'B', 'C', 'D'};
    putText(full, 0, 4, "ABC");
    EXPECT_EQ(full, (ByteVector{'A', 'B', 'C', 'D'}));

    // A changed text is written as text, terminator, zeros.
    putText(bytes, 0, 7, "Piet");
    EXPECT_EQ(bytes, (ByteVector{'P', 'i', 'e', 't', 0, 0, 0}));
}

}  // namespace
}  // namespace ambon
