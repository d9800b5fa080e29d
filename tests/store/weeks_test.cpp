// The week window: which records of "history.dat" are taken in, the blank record outside
// the window, the in-use bit set by commitWeek, and the rewrite of the weeks in use.
#include "store/weeks.h"

#include <gtest/gtest.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::concat;
using test::weekRecord;

class WeeksTest : public ::testing::Test {
protected:
    void loadWith(int firstWeek, const std::vector<ByteVector>& records) {
        ByteVector file;
        for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
        w.temp.write("history.dat", file);
        weeks.setFirstWeek(firstWeek);
        weeks.load();
    }
    // Week numbers of the slots that hold something besides their week number.
    std::vector<std::pair<int, int>> heldWeeksAndTalks() const {
        std::vector<std::pair<int, int>> out;
        for (int i = 0; i < kWeekWindow; ++i)
            if (weeks.slot(i).flags != 0)
                out.emplace_back(weeks.slot(i).week, weeks.slot(i).talkNo);
        return out;
    }

    test::StoreWorld w;
    Weeks weeks{w.io};
};

TEST_F(WeeksTest, LoadTakesWeeksInsideTheWindowInAscendingOrderAndTheLaterOfTwo) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> records;  // week number, talk
        std::vector<std::pair<int, int>> held;
    };
    const Case cases[] = {
        {"a week before the window between two inside",
         {{100, 1}, {90, 2}, {101, 3}},
         {{100, 1}, {101, 3}}},
        {"two records of one week", {{100, 1}, {100, 2}}, {{100, 2}}},
        {"the window's edges", {{95, 1}, {96, 2}, {1095, 3}, {1096, 4}}, {{96, 2}, {1095, 3}}},
        {"out of ascending order", {{101, 1}, {100, 2}, {102, 3}}, {{101, 1}, {102, 3}}},
        {"week zero", {{0, 1}, {97, 2}}, {{97, 2}}},
    };
    for (const auto& c : cases) {
        std::vector<ByteVector> records;
        for (auto [week, talk] : c.records)
            records.push_back(weekRecord({.week = static_cast<std::uint16_t>(week),
                                          .talkNo = static_cast<std::uint16_t>(talk)}));
        loadWith(95, records);
        EXPECT_EQ(heldWeeksAndTalks(), c.held) << c.what;
    }
}

TEST_F(WeeksTest, ALoadedRecordIsCopiedWhole) {
    const ByteVector record = ByteImage(test::patternBytes(64, 7)).u16(0, 101);
    loadWith(95, {record});
    const auto held = weeks.slot(5).encode();
    EXPECT_EQ(ByteVector(held.begin(), held.end()), record);
}

TEST_F(WeeksTest, WithoutAFileTheWindowHoldsBlankWeeksNumberedFromFirstWeek) {
    weeks.setFirstWeek(780);
    weeks.load();
    for (int i : {0, 1, 500, 999}) {
        WeekRecord expected;
        expected.week = static_cast<std::uint16_t>(781 + i);
        EXPECT_EQ(weeks.slot(i), expected) << i;
    }
    EXPECT_TRUE(w.temp.list().empty());
}

TEST_F(WeeksTest, GetWeekGivesTheSlotInsideAndABlankScratchRecordOutside) {
    weeks.setFirstWeek(780);
    weeks.load();
    EXPECT_EQ(&weeks.getWeek(780), &weeks.slot(0));
    EXPECT_EQ(weeks.getWeek(780).week, 781);
    EXPECT_EQ(&weeks.getWeek(1779), &weeks.slot(999));

    for (int outside : {779, 1780, 0}) {
        WeekRecord& scratch = weeks.getWeek(outside);
        EXPECT_EQ(scratch, WeekRecord{}) << outside;
        scratch.talkNo = 12;
        EXPECT_EQ(weeks.getWeek(outside), WeekRecord{}) << "changes to the scratch record are lost";
        const Weeks& constWeeks = weeks;
        EXPECT_EQ(constWeeks.getWeek(outside), WeekRecord{});
    }
}

TEST_F(WeeksTest, CommitWeekMarksTheWeekInUseWhenItDiffersFromABlankWeek) {
    weeks.setFirstWeek(780);
    weeks.load();
    struct Case {
        const char* what;
        WeekRecord record;
        bool inUse;
    };
    WeekRecord blank;
    blank.week = 801;
    WeekRecord withTalk = blank;
    withTalk.talkNo = 12;
    WeekRecord onlyReserved = blank;
    onlyReserved.reserved[5] = 1;
    WeekRecord clearedAfterUse = blank;  // everything cleared, but it was in use
    clearedAfterUse.flags = WeekRecord::kInUse;
    WeekRecord outgoing = blank;
    outgoing.outTalkNo[5] = 7;
    WeekRecord wrongBitOnBlank = blank;  // no content but an allow bit
    wrongBitOnBlank.flags = WeekRecord::kAllowReader;
    const Case cases[] = {
        {"blank", blank, false},
        {"local talk", withTalk, true},
        {"uninterpreted byte", onlyReserved, true},
        {"cleared after use", clearedAfterUse, true},
        {"last outgoing slot", outgoing, true},
        {"allow bit only", wrongBitOnBlank, true},
    };
    for (const auto& c : cases) {
        weeks.commitWeek(c.record, 800);
        const WeekRecord& held = weeks.getWeek(800);
        EXPECT_EQ((held.flags & WeekRecord::kInUse) != 0, c.inUse) << c.what;
        WeekRecord expected = c.record;
        expected.flags = static_cast<std::uint16_t>(c.inUse ? expected.flags | WeekRecord::kInUse
                                                            : expected.flags & ~WeekRecord::kInUse);
        EXPECT_EQ(held, expected) << c.what;
    }

    weeks.commitWeek(withTalk, 800);
    WeekRecord cleared = weeks.getWeek(800);
    cleared.talkNo = 0;
    weeks.commitWeek(cleared, 800);
    EXPECT_TRUE(weeks.getWeek(800).flags & WeekRecord::kInUse) << "a week once in use stays so";

    // Outside the window nothing is stored.
    weeks.commitWeek(withTalk, 779);
    weeks.commitWeek(withTalk, 1780);
    EXPECT_EQ(weeks.weeksInUse(), 1);
}

TEST_F(WeeksTest, SaveWritesTheWeeksInUseInSlotOrder) {
    const ByteVector kept = weekRecord({.week = 101, .talkNo = 5});
    loadWith(95, {kept, weekRecord({.week = 102, .talkNo = 6, .flags = 0}),
                  weekRecord({.week = 105, .speakerId = -3, .flags = 0x0B})});
    WeekRecord cleared = weeks.getWeek(104);
    cleared.talkNo = 0;
    cleared.speakerId = 0;
    cleared.flags = WeekRecord::kInUse;
    weeks.commitWeek(cleared, 104);
    WeekRecord later = weeks.getWeek(99);
    later.chairmanId = 9;
    weeks.commitWeek(later, 99);

    ASSERT_TRUE(weeks.save());
    EXPECT_EQ(w.temp.read("history.dat"), concat({ByteImage(64).u16(0, 100).i16(14, 9).u16(20, 1),
                                                  kept, ByteImage(64).u16(0, 105).u16(20, 1)}));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(WeeksTest, AnUnchangedWindowGoesBackByteForByte) {
    ByteVector a = ByteImage(test::patternBytes(64, 1)).u16(0, 97).u16(20, 0x7F);
    ByteVector b = ByteImage(test::patternBytes(64, 2)).u16(0, 300).u16(20, 0x01);
    loadWith(95, {a, b});
    ASSERT_TRUE(weeks.save());
    EXPECT_EQ(w.temp.read("history.dat"), concat({a, b}));
}

TEST_F(WeeksTest, NoWeekInUseWritesAnEmptyFileAndAFailureShowsMessage1231) {
    loadWith(95, {weekRecord({.week = 100, .talkNo = 1})});
    weeks.slot(4).flags = 0;
    ASSERT_TRUE(weeks.save());
    EXPECT_EQ(w.temp.size("history.dat"), 0u);

    test::blockFile(w.temp, "history.dat");
    EXPECT_FALSE(weeks.save());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "history.dat"));
}

}  // namespace
}  // namespace ambon
