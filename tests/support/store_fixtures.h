// Data-file images for store tests, written byte by byte at the file layouts' offsets (not
// through the record codecs), so that a codec fault cannot hide in the fixture too.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_dir.h"
#include "store/name_order.h"
#include "store/store_io.h"
#include "support/byte_image.h"
#include "support/fake_messages.h"
#include "support/temp_data_dir.h"

namespace ambon::test {

struct BrotherImage {
    std::int16_t brotherId = 0;
    std::string_view firstName;  // Windows-1252 bytes
    std::string_view lastName;
    std::int16_t congId = 0;
    std::uint16_t extraNo = 0;
    std::uint8_t flags = 0;
    std::uint8_t roles = 0;
    std::string_view phone;
};

inline ByteVector brotherBlock(const BrotherImage& b) {
    return ByteImage(256)
        .text(0, b.firstName)
        .text(20, b.lastName)
        .text(120, b.phone)
        .u8(200, b.flags)
        .u8(201, b.roles)
        .i16(202, b.congId)
        .i16(204, b.brotherId)
        .u16(206, b.extraNo);
}

inline ByteVector zeroBlock() {
    return ByteVector(256, 0);
}

// A slot file: the header block of zeros followed by the given blocks.
inline ByteVector slotFile(const std::vector<ByteVector>& blocks) {
    ByteVector out = zeroBlock();
    for (const auto& b : blocks) out.insert(out.end(), b.begin(), b.end());
    return out;
}

struct CongregationImage {
    std::int16_t congId = 0;
    std::string_view name;
    std::int16_t circuitId = 0;
    std::string_view meetingTimeOdd;
    std::string_view meetingTimeEven;
    std::uint8_t meetingDayOdd = 0;
    std::uint8_t meetingDayEven = 0;
};

inline ByteVector congregationBlock(const CongregationImage& c) {
    return ByteImage(256)
        .text(0, c.name)
        .text(164, c.meetingTimeOdd)
        .i16(174, c.congId)
        .i16(178, c.circuitId)
        .text(188, c.meetingTimeEven)
        .u8(226, c.meetingDayOdd)
        .u8(227, c.meetingDayEven);
}

struct WeekImage {
    std::uint16_t week = 0;
    std::int16_t speakerId = 0;
    std::uint16_t talkNo = 0;
    std::int16_t speakerCongId = 0;
    std::uint16_t flags = 1;
    std::int16_t outSpeakerId0 = 0;
    std::int16_t outCongId0 = 0;
    std::int16_t outCongId5 = 0;
};

inline ByteVector weekRecord(const WeekImage& w) {
    return ByteImage(64)
        .u16(0, w.week)
        .i16(2, w.speakerId)
        .u16(4, w.talkNo)
        .i16(6, w.speakerCongId)
        .u16(20, w.flags)
        .i16(28, w.outSpeakerId0)
        .i16(40, w.outCongId0)
        .i16(50, w.outCongId5);
}

inline ByteVector namedIdRecord(std::string_view name, std::uint16_t id) {
    return ByteImage(32).text(0, name).u16(30, id);
}

// What a table needs around it: a fresh data directory, message boxes that record what
// they show, and the plain ASCII name order.
struct StoreWorld {
    TempDataDir temp;
    DataDir dir{temp.path()};
    FakeMessages messages;
    StoreIo io{dir, messages};
    NameOrder order;
};

// Message 1231 exactly as the user must see it, for a file of the data directory.
inline std::string writeErrorText(const TempDataDir& temp, const std::string& name) {
    return "Unable to update file: " + (temp.path() / name).string() +
           ".\nRemove the \nread-only attribute from the directory / file or obtain "
           "permission to update \nfiles in this directory.";
}

// Puts a non-empty folder where the data file should be: neither an update in place nor
// a rename over it can succeed, not even for root.
inline void blockFile(const TempDataDir& temp, const std::string& name) {
    std::filesystem::remove(temp.file(name));
    std::filesystem::create_directory(temp.file(name));
    temp.write(name + "/keep", ByteVector{1});
}

}  // namespace ambon::test
