// Windows-1252 <-> UTF-8.
#include "store/cp1252.h"

#include <array>
#include <cstring>

namespace ambon {

namespace {

// Length of the leading run of ASCII bytes, eight bytes at a time.
std::size_t asciiPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080ull) break;
        i += 8;
    }
    while (i < text.size() && static_cast<std::uint8_t>(text[i]) < 0x80) ++i;
    return i;
}

// Code points of 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int toCp1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[static_cast<std::size_t>(i)] == cp) return 0x80 + i;
    return -1;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    // Most texts are plain ASCII and are the same in both encodings.
    std::size_t ascii = asciiPrefix(bytes);
    if (ascii == bytes.size()) return std::string(bytes);
    std::string out(bytes.substr(0, ascii));
    out.reserve(bytes.size() + 8);
    for (char ch : bytes.substr(ascii)) {
        auto c = static_cast<std::uint8_t>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            appendUtf8(out, kHigh[c - 0x80]);
        else
            appendUtf8(out, c);
    }
    return out;
}

void cp1252ToUtf8(std::string_view bytes, std::string& out) {
    if (asciiPrefix(bytes) == bytes.size())
        out.assign(bytes);
    else
        out = cp1252ToUtf8(bytes);
}

std::string utf8ToCp1252(std::string_view text) {
    std::size_t i = asciiPrefix(text);
    if (i == text.size()) return std::string(text);
    std::string out(text.substr(0, i));
    out.reserve(text.size());
    while (i < text.size()) {
        auto c = static_cast<std::uint8_t>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
            // A lone continuation byte, an invalid lead byte or a cut sequence.
            out += '?';
            ++i;
            continue;
        }
        std::uint32_t cp = c & (extra == 1 ? 0x1F : extra == 2 ? 0x0F : 0x07);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            auto cc = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        int b = toCp1252(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::uint8_t foldAscii(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<std::uint8_t>(c + 32) : c;
}

std::uint8_t foldLatin(std::uint8_t c) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<std::uint8_t>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<std::uint8_t>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}

}  // namespace ambon
