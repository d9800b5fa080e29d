// Talk sets, flag words and the dark-colour test.
#include "calendar/bits.h"

#include <bit>

namespace ambon {

namespace {

constexpr int kSetBits = 256;
constexpr int kFlagBits = 16;

}  // namespace

bool testBit(const TalkSet& set, int bit) {
    if (bit < 0 || bit >= kSetBits) return false;
    return (set[bit / 8] >> (bit % 8)) & 1;
}

void setBit(TalkSet& set, int bit, bool on) {
    if (bit < 0 || bit >= kSetBits) return;
    auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
    if (on) {
        set[bit / 8] |= mask;
    } else {
        set[bit / 8] &= static_cast<std::uint8_t>(~mask);
    }
}

int countBits(const TalkSet& set) {
    int count = 0;
    for (std::uint8_t byte : set) count += std::popcount(byte);
    return count;
}

bool testFlag(std::uint16_t word, int bit) {
    if (bit < 0 || bit >= kFlagBits) return false;
    return (word >> bit) & 1;
}

void setFlag(std::uint16_t& word, int bit, bool on) {
    if (bit < 0 || bit >= kFlagBits) return;
    auto mask = static_cast<std::uint16_t>(1u << bit);
    word = on ? static_cast<std::uint16_t>(word | mask) : static_cast<std::uint16_t>(word & ~mask);
}

bool isDarkColour(std::uint32_t rgb) {
    unsigned red = rgb & 0xFF;
    unsigned green = (rgb >> 8) & 0xFF;
    unsigned blue = (rgb >> 16) & 0xFF;
    return red + green + blue <= 374 && red <= 251 && green <= 251 && blue <= 251;
}

}  // namespace ambon
