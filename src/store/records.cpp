// Record codecs: field by field, little-endian, at the offsets of each file layout.
#include "store/records.h"

#include <algorithm>
#include <cstring>

#include "store/cp1252.h"
#include "store/field_codec.h"

namespace ambon {

namespace {

// Copies up to N bytes of the input into a zero-filled record buffer. A whole record, the
// usual case, is one copy of known size, which the compiler does without a library call.
template <std::size_t N>
RecordBytes<N> fill(std::span<const std::uint8_t> bytes) {
    RecordBytes<N> raw;
    if (bytes.size() >= N) {
        std::memcpy(raw.data(), bytes.data(), N);
        return raw;
    }
    raw.fill(0);
    std::copy_n(bytes.begin(), bytes.size(), raw.begin());
    return raw;
}

TalkSet getSet(std::span<const std::uint8_t> b, std::size_t offset) {
    TalkSet set{};
    std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(offset), set.size(), set.begin());
    return set;
}

void putSet(std::span<std::uint8_t> b, std::size_t offset, const TalkSet& set) {
    std::copy(set.begin(), set.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

BrotherRecord BrotherRecord::decode(std::span<const std::uint8_t> bytes) {
    BrotherRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.firstName = getText(b, 0, 20);
    r.lastName = getText(b, 20, 20);
    r.address1 = getText(b, 40, 40);
    r.address2 = getText(b, 80, 40);
    r.phone = getText(b, 120, 16);
    r.talks = getSet(b, 136);
    r.flags = b[200];
    r.roles = b[201];
    r.congId = getI16(b, 202);
    r.brotherId = getI16(b, 204);
    r.extraNo = getU16(b, 206);
    return r;
}

RecordBytes<BrotherRecord::kSize> BrotherRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putText(b, 0, 20, firstName);
    putText(b, 20, 20, lastName);
    putText(b, 40, 40, address1);
    putText(b, 80, 40, address2);
    putText(b, 120, 16, phone);
    putSet(b, 136, talks);
    b[200] = flags;
    b[201] = roles;
    putI16(b, 202, congId);
    putI16(b, 204, brotherId);
    putU16(b, 206, extraNo);
    return out;
}

BrotherListFields BrotherListFields::decode(std::span<const std::uint8_t> bytes) {
    RecordBytes<BrotherRecord::kSize> padded;
    if (bytes.size() < BrotherRecord::kSize) {
        padded = fill<BrotherRecord::kSize>(bytes);
        bytes = padded;
    }
    BrotherListFields f;
    cp1252ToUtf8(storedFirstName(bytes), f.firstName);
    cp1252ToUtf8(storedLastName(bytes), f.lastName);
    storedTalks(bytes, f.talks);
    f.flags = storedFlags(bytes);
    f.congId = storedCongId(bytes);
    f.brotherId = storedId(bytes);
    f.extraNo = storedExtraNo(bytes);
    return f;
}

BrotherExtraRecord BrotherExtraRecord::decode(std::span<const std::uint8_t> bytes) {
    BrotherExtraRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.brotherId = getI16(b, 0);
    r.mobile = getText(b, 2, 16);
    r.skype = getText(b, 18, 16);
    r.email = getText(b, 34, 48);
    r.remark = getText(b, 82, 46);
    return r;
}

RecordBytes<BrotherExtraRecord::kSize> BrotherExtraRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putI16(b, 0, brotherId);
    putText(b, 2, 16, mobile);
    putText(b, 18, 16, skype);
    putText(b, 34, 48, email);
    putText(b, 82, 46, remark);
    return out;
}

LegacyExtraRecord LegacyExtraRecord::decode(std::span<const std::uint8_t> bytes) {
    auto raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(raw);
    LegacyExtraRecord r;
    r.brotherId = getI16(b, 0);
    r.mobile = getText(b, 2, 16);
    r.skype = getText(b, 18, 16);
    // The old record leaves the e-mail field open to its end; it is cut to the room the
    // new record has for it.
    r.email = getText(b, 34, 48);
    return r;
}

CongregationRecord CongregationRecord::decode(std::span<const std::uint8_t> bytes) {
    CongregationRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.name = getText(b, 0, 50);
    r.hallAddress1 = getText(b, 50, 41);
    r.hallAddress2 = getText(b, 91, 41);
    r.phone1 = getText(b, 132, 16);
    r.phone2 = getText(b, 148, 16);
    r.meetingTimeOdd = getText(b, 164, 10);
    r.congId = getI16(b, 174);
    r.circuitId = getI16(b, 178);
    r.elderCoordinatorId = getI16(b, 182);
    r.secretaryId = getI16(b, 184);
    r.talkCoordinatorId = getI16(b, 186);
    r.meetingTimeEven = getText(b, 188, 10);
    r.mapFile = getText(b, 198, 28);
    r.meetingDayOdd = b[226];
    r.meetingDayEven = b[227];
    return r;
}

CongregationListFields CongregationListFields::decode(std::span<const std::uint8_t> bytes) {
    RecordBytes<CongregationRecord::kSize> padded;
    if (bytes.size() < CongregationRecord::kSize) {
        padded = fill<CongregationRecord::kSize>(bytes);
        bytes = padded;
    }
    CongregationListFields f;
    cp1252ToUtf8(storedName(bytes), f.name);
    cp1252ToUtf8(fieldBytes(bytes, 164, 10), f.meetingTimeOdd);
    f.congId = storedId(bytes);
    f.circuitId = getI16(bytes, 178);
    f.elderCoordinatorId = getI16(bytes, 182);
    f.secretaryId = getI16(bytes, 184);
    f.talkCoordinatorId = getI16(bytes, 186);
    cp1252ToUtf8(fieldBytes(bytes, 188, 10), f.meetingTimeEven);
    f.meetingDayOdd = bytes[226];
    f.meetingDayEven = bytes[227];
    return f;
}

RecordBytes<CongregationRecord::kSize> CongregationRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putText(b, 0, 50, name);
    putText(b, 50, 41, hallAddress1);
    putText(b, 91, 41, hallAddress2);
    putText(b, 132, 16, phone1);
    putText(b, 148, 16, phone2);
    putText(b, 164, 10, meetingTimeOdd);
    putI16(b, 174, congId);
    putI16(b, 178, circuitId);
    putI16(b, 182, elderCoordinatorId);
    putI16(b, 184, secretaryId);
    putI16(b, 186, talkCoordinatorId);
    putText(b, 188, 10, meetingTimeEven);
    putText(b, 198, 28, mapFile);
    b[226] = meetingDayOdd;
    b[227] = meetingDayEven;
    return out;
}

NamedIdRecord NamedIdRecord::decode(std::span<const std::uint8_t> bytes) {
    NamedIdRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.name = getText(b, 0, 30);
    r.id = getU16(b, 30);
    return r;
}

RecordBytes<NamedIdRecord::kSize> NamedIdRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putText(b, 0, 30, name);
    putU16(b, 30, id);
    return out;
}

TalkRecord TalkRecord::decode(std::span<const std::uint8_t> bytes) {
    TalkRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.title = getText(b, 0, 93);
    r.numberText = getText(b, 93, 7);
    r.talkNo = getU16(b, 100);
    for (int i = 0; i < kTopicSlots; ++i)
        r.topicNos[static_cast<std::size_t>(i)] = getU16(b, 102 + 2 * static_cast<std::size_t>(i));
    return r;
}

RecordBytes<TalkRecord::kSize> TalkRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putText(b, 0, 93, title);
    putText(b, 93, 7, numberText);
    putU16(b, 100, talkNo);
    for (int i = 0; i < kTopicSlots; ++i)
        putU16(b, 102 + 2 * static_cast<std::size_t>(i), topicNos[static_cast<std::size_t>(i)]);
    return out;
}

TopicRecord TopicRecord::decode(std::span<const std::uint8_t> bytes) {
    TopicRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.name = getText(b, 0, 46);
    r.topicNo = getU16(b, 46);
    return r;
}

RecordBytes<TopicRecord::kSize> TopicRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putText(b, 0, 46, name);
    putU16(b, 46, topicNo);
    return out;
}

WeekRecord WeekRecord::decode(std::span<const std::uint8_t> bytes) {
    auto raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(raw);
    WeekRecord r;
    r.week = getU16(b, 0);
    r.speakerId = getI16(b, 2);
    r.talkNo = getU16(b, 4);
    r.speakerCongId = getI16(b, 6);
    r.askedStamp = getI16(b, 8);
    r.confirmedStamp = getI16(b, 10);
    r.remindedStamp = getI16(b, 12);
    r.chairmanId = getI16(b, 14);
    r.readerId = getI16(b, 16);
    r.hostId = getI16(b, 18);
    r.flags = getU16(b, 20);
    std::copy_n(raw.begin() + 22, r.reserved.size(), r.reserved.begin());
    for (std::size_t i = 0; i < kOutSlots; ++i) {
        r.outSpeakerId[i] = getI16(b, 28 + 2 * i);
        r.outCongId[i] = getI16(b, 40 + 2 * i);
        r.outTalkNo[i] = getU16(b, 52 + 2 * i);
    }
    return r;
}

RecordBytes<WeekRecord::kSize> WeekRecord::encode() const {
    RecordBytes<kSize> out{};
    std::span<std::uint8_t> b(out);
    putU16(b, 0, week);
    putI16(b, 2, speakerId);
    putU16(b, 4, talkNo);
    putI16(b, 6, speakerCongId);
    putI16(b, 8, askedStamp);
    putI16(b, 10, confirmedStamp);
    putI16(b, 12, remindedStamp);
    putI16(b, 14, chairmanId);
    putI16(b, 16, readerId);
    putI16(b, 18, hostId);
    putU16(b, 20, flags);
    std::copy(reserved.begin(), reserved.end(), out.begin() + 22);
    for (std::size_t i = 0; i < kOutSlots; ++i) {
        putI16(b, 28 + 2 * i, outSpeakerId[i]);
        putI16(b, 40 + 2 * i, outCongId[i]);
        putU16(b, 52 + 2 * i, outTalkNo[i]);
    }
    return out;
}

UnavailableRecord UnavailableRecord::decode(std::span<const std::uint8_t> bytes) {
    auto raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(raw);
    UnavailableRecord r;
    r.brotherId = getI16(b, 0);
    r.week = getU16(b, 2);
    std::copy_n(raw.begin() + 4, r.reserved.size(), r.reserved.begin());
    return r;
}

RecordBytes<UnavailableRecord::kSize> UnavailableRecord::encode() const {
    RecordBytes<kSize> out{};
    std::span<std::uint8_t> b(out);
    putI16(b, 0, brotherId);
    putU16(b, 2, week);
    std::copy(reserved.begin(), reserved.end(), out.begin() + 4);
    return out;
}

SpecialEventRecord SpecialEventRecord::decode(std::span<const std::uint8_t> bytes) {
    SpecialEventRecord r;
    r.raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(r.raw);
    r.weekIndex = getU16(b, 0);
    r.eventFlags = getU16(b, 2);
    r.who = getText(b, 4, 40);
    r.talkTitle = getText(b, 44, 100);
    return r;
}

RecordBytes<SpecialEventRecord::kSize> SpecialEventRecord::encode() const {
    RecordBytes<kSize> out = raw;
    std::span<std::uint8_t> b(out);
    putU16(b, 0, weekIndex);
    putU16(b, 2, eventFlags);
    putText(b, 4, 40, who);
    putText(b, 44, 100, talkTitle);
    return out;
}

WishList WishList::decode(std::span<const std::uint8_t> bytes) {
    auto raw = fill<kSize>(bytes);
    std::span<const std::uint8_t> b(raw);
    WishList w;
    w.wanted = getSet(b, 0);
    w.high = getSet(b, 32);
    w.low = getSet(b, 64);
    return w;
}

RecordBytes<WishList::kSize> WishList::encode() const {
    RecordBytes<kSize> out{};
    std::span<std::uint8_t> b(out);
    putSet(b, 0, wanted);
    putSet(b, 32, high);
    putSet(b, 64, low);
    return out;
}

}  // namespace ambon
