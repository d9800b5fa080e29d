// Byte fixtures for the data files, built independently of the record codecs: zero-filled
// records with little-endian integers and raw Windows-1252 text at chosen offsets.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace ambon::test {

using ByteVector = std::vector<std::uint8_t>;

class ByteImage {
public:
    explicit ByteImage(std::size_t size) : bytes_(size, 0) {}
    // Starts from existing bytes, to change a few of them.
    explicit ByteImage(ByteVector bytes) : bytes_(std::move(bytes)) {}

    ByteImage& u8(std::size_t offset, std::uint8_t value) {
        bytes_.at(offset) = value;
        return *this;
    }
    ByteImage& u16(std::size_t offset, std::uint16_t value) {
        bytes_.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
        bytes_.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
        return *this;
    }
    ByteImage& i16(std::size_t offset, std::int16_t value) {
        return u16(offset, static_cast<std::uint16_t>(value));
    }
    // Copies the bytes as they are (no terminator is added; the image is zero already).
    ByteImage& text(std::size_t offset, std::string_view cp1252) {
        for (std::size_t i = 0; i < cp1252.size(); ++i)
            bytes_.at(offset + i) = static_cast<std::uint8_t>(cp1252[i]);
        return *this;
    }
    ByteImage& fill(std::size_t offset, std::size_t count, std::uint8_t value) {
        for (std::size_t i = 0; i < count; ++i) bytes_.at(offset + i) = value;
        return *this;
    }

    const ByteVector& bytes() const { return bytes_; }
    operator ByteVector() const { return bytes_; }  // NOLINT: fixtures read better this way

private:
    ByteVector bytes_;
};

// Bytes 0..size-1 following a fixed pattern in which every byte differs from its neighbours
// and no byte is 0, so a field read into its neighbour or a byte lost shows.
inline ByteVector patternBytes(std::size_t size, std::uint8_t seed = 0) {
    ByteVector bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(1 + (i * 37 + seed) % 255);
    return bytes;
}

inline ByteVector concat(std::initializer_list<ByteVector> parts) {
    ByteVector out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// count bytes from offset; fewer (or none) where the bytes end, so a short file makes a
// comparison fail instead of reading past the end.
inline ByteVector slice(const ByteVector& bytes, std::size_t offset, std::size_t count) {
    std::size_t from = std::min(offset, bytes.size());
    std::size_t to = std::min(offset + count, bytes.size());
    return ByteVector(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                      bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

inline std::uint16_t u16At(const ByteVector& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

inline std::int16_t i16At(const ByteVector& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(u16At(bytes, offset));
}

}  // namespace ambon::test
