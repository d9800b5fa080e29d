// The congregation table on disk: load order and sort, slot allocation and reuse, stale
// entries, refused and failed writes, and the weekday coding of the meeting days.
#include "store/congregations.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::congregationBlock;
using test::i16At;
using test::slice;
using test::slotFile;
using test::zeroBlock;

constexpr std::size_t kBlock = 256;

CongregationRecord newCongregation(const std::string& name) {
    CongregationRecord r;
    r.name = name;
    return r;
}

class CongregationsTest : public ::testing::Test {
protected:
    Congregations loaded() {
        Congregations c(w.io, w.order);
        c.load();
        return c;
    }
    static std::vector<std::string> namesOf(const Congregations& c) {
        std::vector<std::string> names;
        for (const auto& e : c.entries()) names.push_back(e.name);
        return names;
    }
    ByteVector block(std::size_t slot) {
        return slice(w.temp.read("cong.dat"), slot * kBlock, kBlock);
    }

    test::StoreWorld w;
};

TEST_F(CongregationsTest, LoadSkipsFreeSlotsSortsByNameAndCopiesTheEntryFields) {
    w.temp.write("cong.dat",
                 slotFile({congregationBlock({.congId = 1, .name = "Zuid"}), zeroBlock(),
                           ByteImage(congregationBlock({.congId = 3,
                                                        .name = "amstelveen",
                                                        .circuitId = 30002,
                                                        .meetingTimeOdd = "10:00",
                                                        .meetingTimeEven = "13:30",
                                                        .meetingDayOdd = 0,
                                                        .meetingDayEven = 6}))
                               .i16(182, 11)
                               .i16(184, 12)
                               .i16(186, 13),
                           congregationBlock({.congId = 4, .name = "Breda"}),
                           congregationBlock({.congId = 5, .name = "  Noord "})}));
    Congregations c = loaded();
    // Leading blanks and case do not count in the order.
    EXPECT_EQ(namesOf(c), (std::vector<std::string>{"amstelveen", "Breda", "  Noord ", "Zuid"}));
    EXPECT_EQ(c.congBlocks(), 6);
    const CongregationEntry& a = c.entry(0);
    EXPECT_EQ(a.congId, 3);
    EXPECT_EQ(a.slot, 3);
    EXPECT_EQ(a.circuitId, 30002);
    EXPECT_EQ(a.elderCoordinatorId, 11);
    EXPECT_EQ(a.secretaryId, 12);
    EXPECT_EQ(a.talkCoordinatorId, 13);
    EXPECT_EQ(a.meetingTimeOdd, "10:00");
    EXPECT_EQ(a.meetingTimeEven, "13:30");
    EXPECT_EQ(a.meetingDayOdd, 0);
    EXPECT_EQ(a.meetingDayEven, 6);

    EXPECT_EQ(c.findCongregation(4), 2u);
    EXPECT_EQ(c.findCongregation(2), 0u);
    EXPECT_EQ(c.findCongregation(0), 0u);
    EXPECT_EQ(c.congregationName(1, false), "Breda");
    EXPECT_EQ(c.congregationName(1, true), "Gemeente - Breda");
}

// Names with blanks around, accents in both cases, case differences and duplicates:
// the table is in the stable name order of the congregations in file order.
TEST_F(CongregationsTest, LoadOrderIsTheStableNameOrderOfTheNames) {
    const std::string_view names[] = {"Amsterdam-Noord",
                                      "amsterdam-noord",
                                      "  Amsterdam-Noord ",
                                      "\xC9pinal",
                                      "\xE9pinal",
                                      "Epinal",
                                      "",
                                      "   ",
                                      "\x8A"
                                      "abac",
                                      "\x9A"
                                      "abac",
                                      "Zaandam Oost 12",
                                      "Zaandam Oost 2"};
    std::mt19937 rng(600);
    std::vector<ByteVector> blocks;
    for (int slot = 1; slot <= 200; ++slot) {
        blocks.push_back(slot % 13 == 0
                             ? zeroBlock()
                             : congregationBlock({.congId = static_cast<std::int16_t>(slot),
                                                  .name = names[rng() % std::size(names)]}));
    }
    w.temp.write("cong.dat", slotFile(blocks));

    for (bool latin : {false, true}) {
        w.order.setLatinFold(latin);
        std::vector<std::pair<std::string, int>> expected;
        for (int slot = 1; slot <= 200; ++slot) {
            auto record = CongregationRecord::decode(blocks[static_cast<std::size_t>(slot - 1)]);
            if (record.congId != 0) expected.emplace_back(record.name, slot);
        }
        std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
            return w.order.less(a.first, b.first);
        });
        Congregations c = loaded();
        std::vector<std::pair<std::string, int>> actual;
        for (const auto& e : c.entries()) actual.emplace_back(e.name, e.slot);
        EXPECT_EQ(actual, expected) << "latin " << latin;
    }
}

class FreshCongFile : public CongregationsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FreshCongFile, FirstTwoCongregationsGetIdsOneAndTwo) {
    const bool emptyFileExists = GetParam();
    if (emptyFileExists) w.temp.write("cong.dat", {});
    Congregations c = loaded();
    if (!emptyFileExists) EXPECT_EQ(w.temp.read("cong.dat"), zeroBlock());

    EXPECT_EQ(c.addCongregation(newCongregation("Zuid")), 0u);
    EXPECT_EQ(c.addCongregation(newCongregation("Noord")), 1u);
    EXPECT_EQ(c.entry(0).congId, 1);
    EXPECT_EQ(c.entry(1).congId, 2);
    EXPECT_EQ(c.congBlocks(), 3);
    EXPECT_EQ(w.temp.size("cong.dat"), 3 * kBlock);
    EXPECT_EQ(block(1), congregationBlock({.congId = 1, .name = "Zuid"}));
    EXPECT_EQ(block(2), congregationBlock({.congId = 2, .name = "Noord"}));
    EXPECT_EQ(namesOf(loaded()), (std::vector<std::string>{"Noord", "Zuid"}));
}

INSTANTIATE_TEST_SUITE_P(MissingOrEmpty, FreshCongFile, ::testing::Bool());

TEST_F(CongregationsTest, AFreedSlotIsReusedBeforeTheFileGrows) {
    w.temp.write("cong.dat", slotFile({congregationBlock({.congId = 1, .name = "A"}),
                                       congregationBlock({.congId = 2, .name = "B"}),
                                       congregationBlock({.congId = 3, .name = "C"})}));
    Congregations c = loaded();
    const std::size_t b = c.findCongregation(2) - 1;
    ASSERT_TRUE(c.writeCongregationSlot(c.entry(b).slot, CongregationRecord{}));
    c.removeEntry(b);
    EXPECT_EQ(block(2), zeroBlock());

    const std::size_t d = c.addCongregation(newCongregation("D"));
    EXPECT_EQ(c.entry(d).congId, 2);
    const std::size_t e = c.addCongregation(newCongregation("E"));
    EXPECT_EQ(c.entry(e).congId, 4);
    EXPECT_EQ(c.congBlocks(), 5);
    EXPECT_EQ(i16At(block(4), 174), 4);
}

TEST_F(CongregationsTest, ReadCongregationGivesTheRecordOrSlotZeroForAStaleEntry) {
    w.temp.write("cong.dat", slotFile({ByteImage(congregationBlock({.congId = 1, .name = "Zuid"}))
                                           .text(50, "Kerkweg 1")
                                           .text(198, "zuid.jpg")}));
    Congregations c = loaded();
    CongregationRecord r;
    EXPECT_EQ(c.readCongregation(0, r), 1);
    EXPECT_EQ(r.hallAddress1, "Kerkweg 1");
    EXPECT_EQ(r.mapFile, "zuid.jpg");
    EXPECT_EQ(c.readCongregation(1, r), 0);

    w.temp.write("cong.dat", slotFile({congregationBlock({.congId = 5, .name = "Ander"})}));
    r.name = "left over";
    EXPECT_EQ(c.readCongregation(0, r), 0);
    EXPECT_EQ(r.name, "");
    EXPECT_EQ(r.congId, 0);
}

TEST_F(CongregationsTest, UpdateWritesTheEntrySlotOnlyAndFailsSilently) {
    const ByteVector file = slotFile({congregationBlock({.congId = 1, .name = "Zuid"}),
                                      congregationBlock({.congId = 2, .name = "Noord"})});
    w.temp.write("cong.dat", file);
    Congregations c = loaded();
    CongregationRecord r;
    ASSERT_EQ(c.readCongregation(c.findCongregation(2) - 1, r), 2);
    r.phone1 = "076-1";
    c.updateCongregation(c.findCongregation(2) - 1, r);
    EXPECT_EQ(slice(w.temp.read("cong.dat"), 0, 2 * kBlock), slice(file, 0, 2 * kBlock));
    EXPECT_EQ(block(2), ByteVector(ByteImage(slice(file, 2 * kBlock, kBlock)).text(132, "076-1")));

    test::blockFile(w.temp, "cong.dat");
    c.updateCongregation(0, r);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(CongregationsTest, SlotZeroIsRefusedSilentlyAndAFailedWriteShowsMessage1231) {
    Congregations c = loaded();
    EXPECT_FALSE(c.writeCongregationSlot(0, newCongregation("Kop")));
    EXPECT_EQ(w.temp.read("cong.dat"), zeroBlock());
    EXPECT_TRUE(w.messages.shown.empty());

    test::blockFile(w.temp, "cong.dat");
    EXPECT_FALSE(c.writeCongregationSlot(1, newCongregation("Zuid")));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "cong.dat"));
}

TEST_F(CongregationsTest, AnUnreadableFileIsNotReplacedByAnEmptyOne) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const ByteVector file = slotFile({congregationBlock({.congId = 1, .name = "Zuid"})});
    w.temp.write("cong.dat", file);
    ::chmod(w.temp.file("cong.dat").c_str(), 0200);
    Congregations c = loaded();
    EXPECT_EQ(c.count(), 0u);
    ::chmod(w.temp.file("cong.dat").c_str(), 0600);
    EXPECT_EQ(w.temp.read("cong.dat"), file);
}

TEST(CongregationWeekdays, StoredSundayIsZeroAndTheIndexRunsMondayToSunday) {
    struct Case {
        int stored;
        int index;
    };
    for (Case c : {Case{0, 6}, Case{1, 0}, Case{2, 1}, Case{5, 4}, Case{6, 5}}) {
        EXPECT_EQ(weekdayIndexOfStored(c.stored), c.index) << "stored " << c.stored;
        EXPECT_EQ(storedWeekdayOfIndex(c.index), c.stored) << "index " << c.index;
    }
}

}  // namespace
}  // namespace ambon
