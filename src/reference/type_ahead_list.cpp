// Type-ahead search over the rows of a list.
#include "reference/type_ahead_list.h"

#include <cstdint>

#include "store/cp1252.h"

namespace ambon {

namespace {

std::string folded(std::string_view utf8) {
    std::string bytes = utf8ToCp1252(utf8);
    for (auto& c : bytes) c = static_cast<char>(foldLatin(static_cast<std::uint8_t>(c)));
    return bytes;
}

int firstStartingWith(const std::string& search, const std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string row = folded(rows[i]);
        if (row.compare(0, search.size(), search) == 0) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool TypeAheadList::isLetter(std::string_view character) {
    std::string bytes = utf8ToCp1252(character);
    if (bytes.size() != 1) return false;
    auto c = static_cast<std::uint8_t>(bytes[0]);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    // The letters of the upper half of Windows-1252.
    switch (c) {
        case 0x83:
        case 0x8A:
        case 0x8C:
        case 0x8E:
        case 0x9A:
        case 0x9C:
        case 0x9E:
        case 0x9F:
        case 0xAA:
        case 0xB5:
        case 0xBA:
            return true;
        default:
            return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

int TypeAheadList::type(std::string_view character, const std::vector<std::string>& rows) {
    if (!isLetter(character)) return -1;
    std::string letter = folded(character);
    if (search_.size() >= kMaxSearch) search_.clear();
    search_ += letter;
    int row = firstStartingWith(search_, rows);
    if (row < 0 && search_ != letter) {
        search_ = letter;
        row = firstStartingWith(search_, rows);
    }
    if (row < 0) search_.clear();
    return row;
}

}  // namespace ambon
