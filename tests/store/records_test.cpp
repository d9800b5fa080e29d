// The record layouts byte for byte: every field at its offset and size, integers
// little-endian and signed where they are, texts cut and terminated, uninterpreted bytes
// carried over, short input zero-filled, and the fields a table loads agreeing with the
// whole record.
#include "store/records.h"

#include <gtest/gtest.h>

#include "store/cp1252.h"
#include "support/byte_image.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::patternBytes;
using test::slice;

template <class R>
ByteVector encoded(const R& r) {
    auto out = r.encode();
    return ByteVector(out.begin(), out.end());
}

// Text fields: each gets an over-long text of its own letter, so the expected bytes show
// the field's offset, its size (the cut at size - 1 and the terminator) and its neighbours.
template <class R>
struct TextField {
    std::string R::*field;
    std::size_t offset;
    std::size_t size;
};

template <class R>
void expectTextLayout(std::initializer_list<TextField<R>> fields) {
    R r;
    char letter = 'A';
    for (const auto& f : fields) r.*f.field = std::string(f.size + 7, letter++);
    const ByteVector out = encoded(r);
    letter = 'A';
    for (const auto& f : fields) {
        EXPECT_EQ(slice(out, f.offset, f.size - 1),
                  ByteVector(f.size - 1, static_cast<std::uint8_t>(letter)))
            << "text field at " << f.offset;
        EXPECT_EQ(out[f.offset + f.size - 1], 0) << "terminator of the field at " << f.offset;
        ++letter;
    }
    const R back = R::decode(out);
    letter = 'A';
    for (const auto& f : fields)
        EXPECT_EQ(back.*f.field, std::string(f.size - 1, letter++)) << "field at " << f.offset;
}

// Integer fields: a value and the two bytes it must give.
template <class R, class T>
struct IntField {
    T R::*field;
    std::size_t offset;
    T value;
    std::uint8_t lo, hi;
};

template <class R, class T>
void expectIntLayout(const ByteVector& out, std::initializer_list<IntField<R, T>> fields) {
    for (const auto& f : fields) {
        EXPECT_EQ(out[f.offset], f.lo) << "low byte at " << f.offset;
        EXPECT_EQ(out[f.offset + 1], f.hi) << "high byte at " << f.offset;
    }
    const R back = R::decode(out);
    for (const auto& f : fields) EXPECT_EQ(back.*f.field, f.value) << "field at " << f.offset;
}

template <class R, class T>
void setInts(R& r, std::initializer_list<IntField<R, T>> fields) {
    for (const auto& f : fields) r.*f.field = f.value;
}

TalkSet talkSetWith(std::initializer_list<int> bits) {
    TalkSet set{};
    for (int b : bits)
        set[static_cast<std::size_t>(b / 8)] |= static_cast<std::uint8_t>(1 << (b % 8));
    return set;
}

// --- Text layouts ---

TEST(RecordTextLayout, BrotherRecord) {
    expectTextLayout<BrotherRecord>({{&BrotherRecord::firstName, 0, 20},
                                     {&BrotherRecord::lastName, 20, 20},
                                     {&BrotherRecord::address1, 40, 40},
                                     {&BrotherRecord::address2, 80, 40},
                                     {&BrotherRecord::phone, 120, 16}});
}

TEST(RecordTextLayout, BrotherExtraRecord) {
    expectTextLayout<BrotherExtraRecord>({{&BrotherExtraRecord::mobile, 2, 16},
                                          {&BrotherExtraRecord::skype, 18, 16},
                                          {&BrotherExtraRecord::email, 34, 48},
                                          {&BrotherExtraRecord::remark, 82, 46}});
}

TEST(RecordTextLayout, CongregationRecord) {
    expectTextLayout<CongregationRecord>({{&CongregationRecord::name, 0, 50},
                                          {&CongregationRecord::hallAddress1, 50, 41},
                                          {&CongregationRecord::hallAddress2, 91, 41},
                                          {&CongregationRecord::phone1, 132, 16},
                                          {&CongregationRecord::phone2, 148, 16},
                                          {&CongregationRecord::meetingTimeOdd, 164, 10},
                                          {&CongregationRecord::meetingTimeEven, 188, 10},
                                          {&CongregationRecord::mapFile, 198, 28}});
}

TEST(RecordTextLayout, NamedIdTalkTopicAndSpecialRecords) {
    expectTextLayout<NamedIdRecord>({{&NamedIdRecord::name, 0, 30}});
    expectTextLayout<TalkRecord>({{&TalkRecord::title, 0, 93}, {&TalkRecord::numberText, 93, 7}});
    expectTextLayout<TopicRecord>({{&TopicRecord::name, 0, 46}});
    expectTextLayout<SpecialEventRecord>(
        {{&SpecialEventRecord::who, 4, 40}, {&SpecialEventRecord::talkTitle, 44, 100}});
}

// --- Integer and set layouts ---

TEST(RecordIntLayout, BrotherRecord) {
    BrotherRecord r;
    const std::initializer_list<IntField<BrotherRecord, std::int16_t>> i16s = {
        {&BrotherRecord::congId, 202, -2, 0xFE, 0xFF},
        {&BrotherRecord::brotherId, 204, 0x1234, 0x34, 0x12}};
    const std::initializer_list<IntField<BrotherRecord, std::uint16_t>> u16s = {
        {&BrotherRecord::extraNo, 206, 40000, 0x40, 0x9C}};
    setInts(r, i16s);
    setInts(r, u16s);
    r.flags = 0x22;
    r.roles = 0x96;
    r.talks = talkSetWith({0, 9, 255});
    const ByteVector out = encoded(r);
    expectIntLayout(out, i16s);
    expectIntLayout(out, u16s);
    EXPECT_EQ(out[200], 0x22);
    EXPECT_EQ(out[201], 0x96);
    ByteVector talks(32, 0);
    talks[0] = 0x01;
    talks[1] = 0x02;
    talks[31] = 0x80;
    EXPECT_EQ(slice(out, 136, 32), talks);

    const BrotherRecord back = BrotherRecord::decode(out);
    EXPECT_EQ(back.flags, 0x22);
    EXPECT_EQ(back.roles, 0x96);
    EXPECT_EQ(back.office(), 2);
    EXPECT_TRUE(back.suspended());
    EXPECT_EQ(back.talks, r.talks);
}

TEST(RecordIntLayout, BrotherExtraAndLegacyExtraRecords) {
    BrotherExtraRecord r;
    const std::initializer_list<IntField<BrotherExtraRecord, std::int16_t>> i16s = {
        {&BrotherExtraRecord::brotherId, 0, -300, 0xD4, 0xFE}};
    setInts(r, i16s);
    expectIntLayout(encoded(r), i16s);

    // The older 96-byte record: brotherId and three texts at the same offsets; its e-mail
    // may run to the record's end and is cut to the room the new record has.
    const ByteVector legacy =
        ByteImage(96).i16(0, 517).text(2, "06-1234").text(18, "piet.skype").fill(34, 62, 'e');
    const LegacyExtraRecord old = LegacyExtraRecord::decode(legacy);
    EXPECT_EQ(old.brotherId, 517);
    EXPECT_EQ(old.mobile, "06-1234");
    EXPECT_EQ(old.skype, "piet.skype");
    EXPECT_EQ(old.email, std::string(47, 'e'));
}

TEST(RecordIntLayout, CongregationRecord) {
    CongregationRecord r;
    const std::initializer_list<IntField<CongregationRecord, std::int16_t>> i16s = {
        {&CongregationRecord::congId, 174, 0x0102, 0x02, 0x01},
        {&CongregationRecord::circuitId, 178, 30001, 0x31, 0x75},
        {&CongregationRecord::elderCoordinatorId, 182, -1, 0xFF, 0xFF},
        {&CongregationRecord::secretaryId, 184, 0x0304, 0x04, 0x03},
        {&CongregationRecord::talkCoordinatorId, 186, 0x0506, 0x06, 0x05}};
    setInts(r, i16s);
    r.meetingDayOdd = 3;
    r.meetingDayEven = 0xF0;
    const ByteVector out = encoded(r);
    expectIntLayout(out, i16s);
    EXPECT_EQ(out[226], 3);
    EXPECT_EQ(out[227], 0xF0);
    const CongregationRecord back = CongregationRecord::decode(out);
    EXPECT_EQ(back.meetingDayOdd, 3);
    EXPECT_EQ(back.meetingDayEven, 0xF0);
}

TEST(RecordIntLayout, NamedIdAndTopicRecords) {
    NamedIdRecord n;
    const std::initializer_list<IntField<NamedIdRecord, std::uint16_t>> nid = {
        {&NamedIdRecord::id, 30, 40001, 0x41, 0x9C}};
    setInts(n, nid);
    expectIntLayout(encoded(n), nid);

    TopicRecord t;
    const std::initializer_list<IntField<TopicRecord, std::uint16_t>> tid = {
        {&TopicRecord::topicNo, 46, 0x8001, 0x01, 0x80}};
    setInts(t, tid);
    expectIntLayout(encoded(t), tid);
}

TEST(RecordIntLayout, TalkRecord) {
    TalkRecord r;
    const std::initializer_list<IntField<TalkRecord, std::uint16_t>> u16s = {
        {&TalkRecord::talkNo, 100, 0x8100, 0x00, 0x81}};
    setInts(r, u16s);
    for (std::size_t i = 0; i < 26; ++i)
        r.topicNos[i] = static_cast<std::uint16_t>(0x9000 + 0x101 * i);
    const ByteVector out = encoded(r);
    expectIntLayout(out, u16s);
    for (std::size_t i = 0; i < 26; ++i) {
        EXPECT_EQ(out[102 + 2 * i], static_cast<std::uint8_t>(i)) << "topic slot " << i;
        EXPECT_EQ(out[103 + 2 * i], static_cast<std::uint8_t>(0x90 + i)) << "topic slot " << i;
    }
    EXPECT_EQ(TalkRecord::decode(out).topicNos, r.topicNos);
}

TEST(RecordIntLayout, WeekRecord) {
    WeekRecord r;
    const std::initializer_list<IntField<WeekRecord, std::uint16_t>> u16s = {
        {&WeekRecord::week, 0, 40000, 0x40, 0x9C},
        {&WeekRecord::talkNo, 4, 0x8003, 0x03, 0x80},
        {&WeekRecord::flags, 20, 0x807F, 0x7F, 0x80}};
    const std::initializer_list<IntField<WeekRecord, std::int16_t>> i16s = {
        {&WeekRecord::speakerId, 2, -2, 0xFE, 0xFF},
        {&WeekRecord::speakerCongId, 6, 0x0607, 0x07, 0x06},
        {&WeekRecord::askedStamp, 8, 0x0809, 0x09, 0x08},
        {&WeekRecord::confirmedStamp, 10, 0x0A0B, 0x0B, 0x0A},
        {&WeekRecord::remindedStamp, 12, -32768, 0x00, 0x80},
        {&WeekRecord::chairmanId, 14, 0x0E0F, 0x0F, 0x0E},
        {&WeekRecord::readerId, 16, 0x1011, 0x11, 0x10},
        {&WeekRecord::hostId, 18, 30002, 0x32, 0x75}};
    setInts(r, u16s);
    setInts(r, i16s);
    r.reserved = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6};
    for (std::size_t i = 0; i < 6; ++i) {
        r.outSpeakerId[i] = static_cast<std::int16_t>(-1 - static_cast<int>(i));
        r.outCongId[i] = static_cast<std::int16_t>(0x2000 + i);
        r.outTalkNo[i] = static_cast<std::uint16_t>(0xF000 + i);
    }
    const ByteVector out = encoded(r);
    expectIntLayout(out, u16s);
    expectIntLayout(out, i16s);
    EXPECT_EQ(slice(out, 22, 6), (ByteVector{0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6}));
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(test::i16At(out, 28 + 2 * i), -1 - static_cast<int>(i)) << "out slot " << i;
        EXPECT_EQ(test::u16At(out, 40 + 2 * i), 0x2000 + i) << "out slot " << i;
        EXPECT_EQ(test::u16At(out, 52 + 2 * i), 0xF000 + i) << "out slot " << i;
    }
    EXPECT_EQ(WeekRecord::decode(out), r);
}

TEST(RecordIntLayout, UnavailableRecord) {
    UnavailableRecord r;
    r.brotherId = -5;
    r.week = 50000;
    r.reserved = {1, 2, 3, 4};
    EXPECT_EQ(encoded(r), (ByteVector{0xFB, 0xFF, 0x50, 0xC3, 1, 2, 3, 4}));
    EXPECT_EQ(UnavailableRecord::decode(encoded(r)), r);
}

TEST(RecordIntLayout, SpecialEventRecord) {
    SpecialEventRecord r;
    const std::initializer_list<IntField<SpecialEventRecord, std::uint16_t>> u16s = {
        {&SpecialEventRecord::weekIndex, 0, 0x9001, 0x01, 0x90},
        {&SpecialEventRecord::eventFlags, 2, 0x0052, 0x52, 0x00}};
    setInts(r, u16s);
    expectIntLayout(encoded(r), u16s);
}

TEST(RecordIntLayout, WishList) {
    WishList w;
    w.wanted = talkSetWith({0, 255});
    w.high = talkSetWith({1});
    w.low = talkSetWith({10});
    const ByteVector out = encoded(w);
    ASSERT_EQ(out.size(), 96u);
    ByteVector expected(96, 0);
    expected[0] = 0x01;
    expected[31] = 0x80;
    expected[32] = 0x02;
    expected[64 + 1] = 0x04;
    EXPECT_EQ(out, expected);
    EXPECT_EQ(WishList::decode(out), w);
}

// --- Round trips over every record type ---

template <class R>
class RecordRoundTrip : public ::testing::Test {};
using RecordTypes = ::testing::Types<BrotherRecord, BrotherExtraRecord, CongregationRecord,
                                     NamedIdRecord, TalkRecord, TopicRecord, WeekRecord,
                                     UnavailableRecord, SpecialEventRecord, WishList>;
TYPED_TEST_SUITE(RecordRoundTrip, RecordTypes);

TYPED_TEST(RecordRoundTrip, DecodeThenEncodeIsByteIdentical) {
    // Every byte non-zero and no text field terminated: each text is cut at its field's
    // end, and still the record goes back byte for byte.
    const ByteVector pattern = patternBytes(TypeParam::kSize, 5);
    EXPECT_EQ(encoded(TypeParam::decode(pattern)), pattern);
}

TYPED_TEST(RecordRoundTrip, ShortInputIsZeroFilled) {
    for (std::size_t length : {std::size_t{0}, TypeParam::kSize / 2 + 1, TypeParam::kSize - 1}) {
        ByteVector input = patternBytes(length, 9);
        ByteVector expected = input;
        expected.resize(TypeParam::kSize, 0);
        EXPECT_EQ(encoded(TypeParam::decode(input)), expected) << "length " << length;
    }
}

TYPED_TEST(RecordRoundTrip, LongInputUsesTheFirstRecordOnly) {
    ByteVector input = patternBytes(TypeParam::kSize + 10, 3);
    EXPECT_EQ(encoded(TypeParam::decode(input)), slice(input, 0, TypeParam::kSize));
}

// --- The list fields a table loads agree with the whole record ---

TEST(RecordListFields, AgreeWithTheWholeRecordForFullShortAndTerminatedInput) {
    ByteVector terminated = patternBytes(256, 7);
    terminated[5] = 0;   // first name of five bytes
    terminated[20] = 0;  // empty last name; the name of a congregation ends at 5 as well
    for (const ByteVector& input : {patternBytes(256, 5), patternBytes(150, 3), terminated}) {
        const auto record = BrotherRecord::decode(input);
        const auto fields = BrotherListFields::decode(input);
        EXPECT_EQ(fields.firstName, record.firstName);
        EXPECT_EQ(fields.lastName, record.lastName);
        EXPECT_EQ(fields.talks, record.talks);
        EXPECT_EQ(fields.flags, record.flags);
        EXPECT_EQ(fields.congId, record.congId);
        EXPECT_EQ(fields.brotherId, record.brotherId);
        EXPECT_EQ(fields.extraNo, record.extraNo);
        const auto cong = CongregationRecord::decode(input);
        const auto congFields = CongregationListFields::decode(input);
        EXPECT_EQ(congFields.name, cong.name);
        EXPECT_EQ(congFields.meetingTimeOdd, cong.meetingTimeOdd);
        EXPECT_EQ(congFields.meetingTimeEven, cong.meetingTimeEven);
        EXPECT_EQ(congFields.congId, cong.congId);
        EXPECT_EQ(congFields.circuitId, cong.circuitId);
        EXPECT_EQ(congFields.elderCoordinatorId, cong.elderCoordinatorId);
        EXPECT_EQ(congFields.secretaryId, cong.secretaryId);
        EXPECT_EQ(congFields.talkCoordinatorId, cong.talkCoordinatorId);
        EXPECT_EQ(congFields.meetingDayOdd, cong.meetingDayOdd);
        EXPECT_EQ(congFields.meetingDayEven, cong.meetingDayEven);
        if (input.size() < 256) continue;
        // A whole block read in place, names still in Windows-1252.
        EXPECT_EQ(BrotherListFields::storedId(input), record.brotherId);
        EXPECT_EQ(BrotherListFields::storedCongId(input), record.congId);
        EXPECT_EQ(BrotherListFields::storedExtraNo(input), record.extraNo);
        EXPECT_EQ(BrotherListFields::storedFlags(input), record.flags);
        TalkSet talks{};
        BrotherListFields::storedTalks(input, talks);
        EXPECT_EQ(talks, record.talks);
        EXPECT_EQ(cp1252ToUtf8(BrotherListFields::storedFirstName(input)), record.firstName);
        EXPECT_EQ(cp1252ToUtf8(BrotherListFields::storedLastName(input)), record.lastName);
        EXPECT_EQ(CongregationListFields::storedId(input), cong.congId);
        EXPECT_EQ(cp1252ToUtf8(CongregationListFields::storedName(input)), cong.name);
    }
}

// --- Uninterpreted bytes survive a change of every field ---

struct Range {
    std::size_t from, to;  // inclusive
};

void expectRangesKept(const ByteVector& before, const ByteVector& after,
                      std::initializer_list<Range> ranges) {
    for (Range r : ranges)
        EXPECT_EQ(slice(after, r.from, r.to - r.from + 1), slice(before, r.from, r.to - r.from + 1))
            << "bytes " << r.from << ".." << r.to;
}

TEST(RecordUninterpretedBytes, SurviveWhenEveryFieldChanges) {
    {
        const ByteVector in = patternBytes(256, 1);
        BrotherRecord r = BrotherRecord::decode(in);
        r.firstName = "Jan";
        r.lastName = "de Vries";
        r.address1 = "Kerkstraat 1";
        r.address2 = "1234 AB Ergens";
        r.phone = "0123";
        r.talks = talkSetWith({4});
        r.flags = 1;
        r.roles = 2;
        r.congId = 3;
        r.brotherId = 4;
        r.extraNo = 5;
        const ByteVector out = encoded(r);
        expectRangesKept(in, out, {{168, 199}, {208, 255}});
        EXPECT_EQ(slice(out, 0, 20), ByteVector(ByteImage(20).text(0, "Jan")));
    }
    {
        const ByteVector in = patternBytes(256, 2);
        CongregationRecord r = CongregationRecord::decode(in);
        r.name = "Noord";
        r.hallAddress1 = r.hallAddress2 = r.phone1 = r.phone2 = "x";
        r.meetingTimeOdd = r.meetingTimeEven = "10:00";
        r.mapFile = "noord.jpg";
        r.congId = r.circuitId = r.elderCoordinatorId = r.secretaryId = r.talkCoordinatorId = 7;
        r.meetingDayOdd = r.meetingDayEven = 1;
        expectRangesKept(in, encoded(r), {{176, 177}, {180, 181}, {228, 255}});
    }
    {
        const ByteVector in = patternBytes(64, 3);
        WeekRecord r = WeekRecord::decode(in);
        WeekRecord changed;
        changed.reserved = r.reserved;
        changed.week = 1;
        expectRangesKept(in, encoded(changed), {{22, 27}});
    }
    {
        const ByteVector in = patternBytes(8, 4);
        UnavailableRecord r = UnavailableRecord::decode(in);
        r.brotherId = 1;
        r.week = 2;
        expectRangesKept(in, encoded(r), {{4, 7}});
    }
}

// --- Windows-1252 on disk, UTF-8 in memory ---

TEST(RecordText, NamesRoundTripThroughWindows1252) {
    struct Case {
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"Jos\u00e9", "Jos\xE9"},
        {"M\u00fcller", "M\xFCller"},
        {"\u0152uvre \u20ac", "\x8Cuvre \x80"},
        {"\u00c5ngstr\u00f6m", "\xC5ngstr\xF6m"},
    };
    for (const auto& c : cases) {
        BrotherRecord r;
        r.firstName = c.utf8;
        const ByteVector out = encoded(r);
        EXPECT_EQ(slice(out, 0, c.cp1252.size() + 1),
                  ByteVector(ByteImage(c.cp1252.size() + 1).text(0, c.cp1252)))
            << c.utf8;
        EXPECT_EQ(BrotherRecord::decode(out).firstName, c.utf8);
    }
    // A character the code page cannot hold is stored as "?".
    CongregationRecord cong;
    cong.name = "\u0141\u00f3d\u017a";  // Polish city: L with stroke, o acute, d, z acute
    EXPECT_EQ(CongregationRecord::decode(encoded(cong)).name, "?\u00f3d?");
}

TEST(RecordText, ChangedTextIsTerminatedAndZeroFilledUnchangedTextKeepsItsTail) {
    const ByteVector in = ByteImage(256)
                              .text(0, std::string_view("Piet\0XYZ", 8))
                              .text(20, std::string_view("Jansen\0QQ", 9))
                              .i16(204, 1);
    BrotherRecord r = BrotherRecord::decode(in);
    r.firstName = "Kees";
    const ByteVector out = encoded(r);
    EXPECT_EQ(slice(out, 0, 20), ByteVector(ByteImage(20).text(0, "Kees")));
    EXPECT_EQ(slice(out, 20, 20), slice(in, 20, 20));
}

}  // namespace
}  // namespace ambon
