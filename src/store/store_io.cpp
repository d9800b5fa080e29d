// Writing data files and reporting failures.
#include "store/store_io.h"

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

void StoreIo::reportWriteError(const std::string& fileName) const {
    messages_.ok(fillText(std::string(stringText(1231)), dir_.fullPath(fileName)),
                 MsgIcon::Warning);
}

bool StoreIo::writeWhole(const std::string& fileName, std::span<const std::uint8_t> bytes) const {
    if (dir_.writeWhole(fileName, bytes)) return true;
    reportWriteError(fileName);
    return false;
}

bool StoreIo::writeAt(const std::string& fileName, std::uint64_t offset,
                      std::span<const std::uint8_t> bytes, bool create) const {
    if (dir_.writeAt(fileName, offset, bytes, create)) return true;
    reportWriteError(fileName);
    return false;
}

namespace files {
std::string speakers() {
    return std::string(stringText(1244));
}
std::string extra() {
    return std::string(stringText(1114));
}
std::string oldExtra() {
    return std::string(stringText(1287));
}
std::string congs() {
    return std::string(stringText(1296));
}
std::string circuits() {
    return std::string(stringText(1186));
}
std::string hosts() {
    return std::string(stringText(1190));
}
std::string talks() {
    return std::string(stringText(1187));
}
std::string topics() {
    return std::string(stringText(1188));
}
std::string history() {
    return std::string(stringText(1189));
}
std::string blackout() {
    return std::string(stringText(1115));
}
std::string specials() {
    return std::string(stringText(1116));
}
std::string wishlist() {
    return std::string(stringText(1185));
}
std::string settings() {
    return std::string(stringText(1251));
}
}  // namespace files

}  // namespace ambon
