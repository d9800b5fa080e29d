// Windows-1252, the code page of every text on disk. In memory all text is UTF-8;
// conversion happens only here. A character that Windows-1252 cannot hold becomes "?".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ambon {

// Bytes in Windows-1252 -> UTF-8. The five bytes the code page leaves undefined map to
// the code points of the same value, so that every byte survives a round trip.
std::string cp1252ToUtf8(std::string_view bytes);
// The same into out, whose storage is reused: a large file converts thousands of short
// fields, most of them plain ASCII.
void cp1252ToUtf8(std::string_view bytes, std::string& out);
// UTF-8 -> Windows-1252; unknown characters and broken UTF-8 become "?".
std::string utf8ToCp1252(std::string_view text);

// Case folding of one Windows-1252 byte: plain ASCII, or also the accented letters
// of the code page when a language has set a locale.
std::uint8_t foldAscii(std::uint8_t c);
std::uint8_t foldLatin(std::uint8_t c);

}  // namespace ambon
