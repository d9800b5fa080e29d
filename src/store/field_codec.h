// Little-endian integers and NUL-terminated Windows-1252 text fields inside a record's
// bytes, at fixed offsets. No struct is ever copied onto the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

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

// The text of a field of size bytes: up to its terminator, and never more than size - 1
// bytes, so a field without terminator is cut instead of running into the next field.
std::string getText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size);

// Stores text into a field: cut to size - 1 bytes, terminated, the rest of the field
// zero. A field that already holds this text keeps its bytes, so a record read and
// written back unchanged stays byte for byte the same.
void putText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t size,
             const std::string& text);

}  // namespace ambon
