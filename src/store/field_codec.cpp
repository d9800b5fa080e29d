// Field access for record codecs.
#include "store/field_codec.h"

#include <algorithm>

#include "store/cp1252.h"

namespace ambon {

std::string getText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    return cp1252ToUtf8(fieldBytes(bytes, offset, size));
}

void putText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t size,
             const std::string& text) {
    if (getText(bytes, offset, size) == text) return;
    std::string encoded = utf8ToCp1252(text);
    std::size_t n = std::min(encoded.size(), size - 1);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(encoded.data()), n, bytes.begin() + offset);
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(offset + n),
              bytes.begin() + static_cast<std::ptrdiff_t>(offset + size), 0);
}

}  // namespace ambon
