// The record layouts of the data files and their codecs. Each record keeps the bytes it
// was read from, so bytes the program does not interpret are written back unchanged;
// new records start from zeros.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "calendar/bits.h"
#include "store/field_codec.h"

namespace ambon {

template <std::size_t N>
using RecordBytes = std::array<std::uint8_t, N>;

// Block of "speakers.dat" (slot file, block 0 is a header of zeros).
struct BrotherRecord {
    static constexpr std::size_t kSize = 256;
    static constexpr std::uint8_t kOfficeMask = 0x03;
    static constexpr std::uint8_t kSuspendedBit = 0x20;

    std::string firstName;       // char[20] at 0
    std::string lastName;        // char[20] at 20
    std::string address1;        // char[40] at 40
    std::string address2;        // char[40] at 80
    std::string phone;           // char[16] at 120
    TalkSet talks{};             // u8[32] at 136
    std::uint8_t flags = 0;      // at 200: bits 0-1 office (1 servant, 2 elder), bit 5 suspended
    std::uint8_t roles = 0;      // at 201: bit 1 outgoing speaker, bit 2 chairman, bit 4 reader
    std::int16_t congId = 0;     // at 202
    std::int16_t brotherId = 0;  // at 204, 0 = free slot
    std::uint16_t extraNo = 0;   // at 206
    RecordBytes<kSize> raw{};

    int office() const { return flags & kOfficeMask; }
    bool suspended() const { return (flags & kSuspendedBit) != 0; }

    // Short input is zero-filled.
    static BrotherRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// The fields of a brother's block that the brother table keeps in memory. A large file
// loads by decoding only these; addresses and phones stay on disk until a screen asks.
struct BrotherListFields {
    std::string firstName;
    std::string lastName;
    TalkSet talks{};
    std::uint8_t flags = 0;
    std::int16_t congId = 0;
    std::int16_t brotherId = 0;
    std::uint16_t extraNo = 0;

    // Short input is zero-filled.
    static BrotherListFields decode(std::span<const std::uint8_t> bytes);
    // The fields of a whole block one by one, read in place; the names as stored, in
    // Windows-1252. A large file is sorted and loaded through these without a copy.
    static std::int16_t storedId(std::span<const std::uint8_t> block) { return getI16(block, 204); }
    static std::string_view storedFirstName(std::span<const std::uint8_t> block) {
        return fieldBytes(block, 0, 20);
    }
    static std::string_view storedLastName(std::span<const std::uint8_t> block) {
        return fieldBytes(block, 20, 20);
    }
    static void storedTalks(std::span<const std::uint8_t> block, TalkSet& talks) {
        std::memcpy(talks.data(), block.data() + 136, talks.size());
    }
    static std::uint8_t storedFlags(std::span<const std::uint8_t> block) { return block[200]; }
    static std::int16_t storedCongId(std::span<const std::uint8_t> block) {
        return getI16(block, 202);
    }
    static std::uint16_t storedExtraNo(std::span<const std::uint8_t> block) {
        return getU16(block, 206);
    }
};

// Record of "xtend.dat": a brother's further contact details.
struct BrotherExtraRecord {
    static constexpr std::size_t kSize = 128;

    std::int16_t brotherId = 0;  // at 0, 0 = free record
    std::string mobile;          // char[16] at 2
    std::string skype;           // char[16] at 18
    std::string email;           // char[48] at 34
    std::string remark;          // char[46] at 82
    RecordBytes<kSize> raw{};

    static BrotherExtraRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// Record of the older "extend.dat" (96 bytes), converted once into "xtend.dat".
struct LegacyExtraRecord {
    static constexpr std::size_t kSize = 96;

    std::int16_t brotherId = 0;
    std::string mobile;  // at 2
    std::string skype;   // at 18
    std::string email;   // at 34

    static LegacyExtraRecord decode(std::span<const std::uint8_t> bytes);
};

// Block of "cong.dat" (slot file).
struct CongregationRecord {
    static constexpr std::size_t kSize = 256;

    std::string name;                     // char[50] at 0
    std::string hallAddress1;             // char[41] at 50
    std::string hallAddress2;             // char[41] at 91
    std::string phone1;                   // char[16] at 132
    std::string phone2;                   // char[16] at 148
    std::string meetingTimeOdd;           // char[10] at 164
    std::int16_t congId = 0;              // at 174, 0 = free slot
    std::int16_t circuitId = 0;           // at 178
    std::int16_t elderCoordinatorId = 0;  // at 182
    std::int16_t secretaryId = 0;         // at 184
    std::int16_t talkCoordinatorId = 0;   // at 186
    std::string meetingTimeEven;          // char[10] at 188
    std::string mapFile;                  // char[28] at 198
    std::uint8_t meetingDayOdd = 0;       // at 226: 0 = Sunday, 1..6 = Monday..Saturday
    std::uint8_t meetingDayEven = 0;      // at 227
    RecordBytes<kSize> raw{};

    static CongregationRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// The fields of a congregation's block that the congregation table keeps in memory.
struct CongregationListFields {
    std::string name;
    std::int16_t congId = 0;
    std::int16_t circuitId = 0;
    std::int16_t elderCoordinatorId = 0;
    std::int16_t secretaryId = 0;
    std::int16_t talkCoordinatorId = 0;
    std::string meetingTimeOdd;
    std::string meetingTimeEven;
    std::uint8_t meetingDayOdd = 0;
    std::uint8_t meetingDayEven = 0;

    // Short input is zero-filled.
    static CongregationListFields decode(std::span<const std::uint8_t> bytes);
    // Of a whole block: the id (0 for a free slot) and the name as stored.
    static std::int16_t storedId(std::span<const std::uint8_t> block) { return getI16(block, 174); }
    static std::string_view storedName(std::span<const std::uint8_t> block) {
        return fieldBytes(block, 0, 50);
    }
};

// Record of "circuit.dat" and of "hospital.dat": a name and a number from 30001 up.
struct NamedIdRecord {
    static constexpr std::size_t kSize = 32;

    std::string name;      // char[30] at 0
    std::uint16_t id = 0;  // at 30
    RecordBytes<kSize> raw{};

    static NamedIdRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};
using CircuitRecord = NamedIdRecord;
using HostRecord = NamedIdRecord;

// Record of "talk.dat" (always 256 records, talk t in record t - 1).
struct TalkRecord {
    static constexpr std::size_t kSize = 154;
    static constexpr int kTopicSlots = 26;

    std::string title;                                  // char[93] at 0
    std::string numberText;                             // char[7] at 93
    std::uint16_t talkNo = 0;                           // at 100
    std::array<std::uint16_t, kTopicSlots> topicNos{};  // at 102
    RecordBytes<kSize> raw{};

    static TalkRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// Record of "topic.dat".
struct TopicRecord {
    static constexpr std::size_t kSize = 48;

    std::string name;           // char[46] at 0
    std::uint16_t topicNo = 0;  // at 46
    RecordBytes<kSize> raw{};

    static TopicRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// Record of "history.dat": the schedule of one week.
struct WeekRecord {
    static constexpr std::size_t kSize = 64;
    static constexpr int kOutSlots = 6;

    // Bits of flags.
    static constexpr std::uint16_t kInUse = 0x01;
    static constexpr std::uint16_t kAssembly = 0x02;
    static constexpr std::uint16_t kCircuitVisit = 0x04;
    static constexpr std::uint16_t kOtherEvent = 0x08;
    static constexpr std::uint16_t kEventMask = 0x0E;
    static constexpr std::uint16_t kAllowChairman = 0x10;
    static constexpr std::uint16_t kAllowHospitality = 0x20;
    static constexpr std::uint16_t kAllowReader = 0x40;

    std::uint16_t week = 0;                              // at 0
    std::int16_t speakerId = 0;                          // at 2
    std::uint16_t talkNo = 0;                            // at 4
    std::int16_t speakerCongId = 0;                      // at 6
    std::int16_t askedStamp = 0;                         // at 8
    std::int16_t confirmedStamp = 0;                     // at 10
    std::int16_t remindedStamp = 0;                      // at 12
    std::int16_t chairmanId = 0;                         // at 14
    std::int16_t readerId = 0;                           // at 16
    std::int16_t hostId = 0;                             // at 18
    std::uint16_t flags = 0;                             // at 20
    std::array<std::uint8_t, 6> reserved{};              // at 22, not interpreted
    std::array<std::int16_t, kOutSlots> outSpeakerId{};  // at 28
    std::array<std::int16_t, kOutSlots> outCongId{};     // at 40
    std::array<std::uint16_t, kOutSlots> outTalkNo{};    // at 52

    bool hasEvent() const { return (flags & kEventMask) != 0; }
    bool isAssembly() const { return (flags & kAssembly) != 0; }
    bool isCircuitVisit() const { return (flags & kCircuitVisit) != 0; }
    bool isOtherEvent() const { return (flags & kOtherEvent) != 0; }

    static WeekRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
    bool operator==(const WeekRecord&) const = default;
};

// Record of "blackout.dat": a week in which a brother is unavailable.
struct UnavailableRecord {
    static constexpr std::size_t kSize = 8;

    std::int16_t brotherId = 0;              // at 0, 0 = empty entry
    std::uint16_t week = 0;                  // at 2, week number
    std::array<std::uint8_t, 4> reserved{};  // at 4, not interpreted

    static UnavailableRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
    bool operator==(const UnavailableRecord&) const = default;
};

// Record of "special.dat": an assembly, circuit overseer visit or other event.
struct SpecialEventRecord {
    static constexpr std::size_t kSize = 144;

    std::uint16_t weekIndex = 0;   // at 0 (its week number is weekIndex + 1)
    std::uint16_t eventFlags = 0;  // at 2, the week's flags bits 1..6
    std::string who;               // char[40] at 4
    std::string talkTitle;         // char[100] at 44
    RecordBytes<kSize> raw{};

    static SpecialEventRecord decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
};

// The single record of "wishlist.dat".
struct WishList {
    static constexpr std::size_t kSize = 96;

    TalkSet wanted{};  // at 0
    TalkSet high{};    // at 32
    TalkSet low{};     // at 64

    static WishList decode(std::span<const std::uint8_t> bytes);
    RecordBytes<kSize> encode() const;
    bool operator==(const WishList&) const = default;
};

}  // namespace ambon
