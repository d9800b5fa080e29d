// Little-endian integers and NUL-terminated Windows-1252 text fields inside a record's
// bytes, at fixed offsets. No struct is ever copied onto the bytes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace ambon {

// Inline: a large file decodes tens of thousands of these.
inline std::uint16_t getU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}
inline std::int16_t getI16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int16_t>(getU16(bytes, offset));
}
inline void putU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}
inline void putI16(std::span<std::uint8_t> bytes, std::size_t offset, std::int16_t value) {
    putU16(bytes, offset, static_cast<std::uint16_t>(value));
}

// The stored bytes of a text field of size bytes, still in Windows-1252: up to its
// terminator, and never more than size - 1 bytes, so a field without terminator is cut
// instead of running into the next field.
inline std::string_view fieldBytes(std::span<const std::uint8_t> bytes, std::size_t offset,
                                   std::size_t size) {
    if (size == 0) return {};
    const char* begin = reinterpret_cast<const char*>(bytes.data() + offset);
    const std::size_t limit = size - 1;
    std::size_t i = 0;
    // Eight bytes at a time: a file holds thousands of short names, and a library call per
    // field costs more than the scan. The lowest flagged byte is the first zero byte.
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= limit; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, begin + i, 8);
            std::uint64_t zero = (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
            if (zero != 0) return {begin, i + static_cast<std::size_t>(std::countr_zero(zero)) / 8};
        }
    }
    while (i < limit && begin[i] != 0) ++i;
    return {begin, i};
}

// The text of a field (its fieldBytes) in UTF-8.
std::string getText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size);

// Stores text into a field: cut to size - 1 bytes, terminated, the rest of the field
// zero. A field that already holds this text keeps its bytes, so a record read and
// written back unchanged stays byte for byte the same.
void putText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t size,
             const std::string& text);

}  // namespace ambon
