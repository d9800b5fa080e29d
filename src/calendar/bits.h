// Talk sets (256 bits in 32 bytes: talk t is bit (t - 1) mod 8 of byte (t - 1) div 8),
// flag words and the colour test used for printed bars.
#pragma once

#include <array>
#include <cstdint>

namespace ambon {

using TalkSet = std::array<std::uint8_t, 32>;

// Bit number b (0..255) of a set; a number outside the set reads as clear and is not set.
bool testBit(const TalkSet& set, int bit);
void setBit(TalkSet& set, int bit, bool on);
int countBits(const TalkSet& set);

// Bit 0..15 of a flag word; other numbers read as clear and change nothing.
bool testFlag(std::uint16_t word, int bit);
void setFlag(std::uint16_t& word, int bit, bool on);

// Colour as red + 256 x green + 65536 x blue. Dark: red + green + blue <= 374 and no
// component above 251.
bool isDarkColour(std::uint32_t rgb);

}  // namespace ambon
