// Unavailable weeks: what a load keeps, when a save writes, how entries are reused and
// cleared, and the queries on them.
#include "store/unavailability.h"

#include <gtest/gtest.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::concat;

constexpr int kToday = 1263;

ByteVector entry(std::int16_t brotherId, std::uint16_t week) {
    return ByteImage(8).i16(0, brotherId).u16(2, week);
}

using Pairs = std::vector<std::pair<int, int>>;

class UnavailabilityTest : public ::testing::Test {
protected:
    // The table holding exactly these (brotherId, week) pairs, past weeks included. A load keeps no
    // empty entry, so a free one starts as a placeholder pair and is cleared by removing that pair.
    void startWith(const Pairs& before) {
        constexpr std::int16_t kPlaceholder = 999;
        constexpr std::uint16_t kFar = 60000;
        ByteVector file;
        for (auto [id, week] : before) {
            ByteVector r =
                id == 0 ? entry(kPlaceholder, kFar)
                        : entry(static_cast<std::int16_t>(id), static_cast<std::uint16_t>(week));
            file.insert(file.end(), r.begin(), r.end());
        }
        w.temp.write("blackout.dat", file);
        table.load(0);
        table.removeUnavailable(kPlaceholder, kFar);
        ASSERT_EQ(pairs(), before);
    }
    void loadWith(const std::vector<ByteVector>& records) {
        ByteVector file;
        for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
        w.temp.write("blackout.dat", file);
        table.load(kToday);
    }
    Pairs pairs() const {
        Pairs out;
        for (const auto& r : table.entries()) out.emplace_back(r.brotherId, r.week);
        return out;
    }

    test::StoreWorld w;
    Unavailability table{w.io};
};

TEST_F(UnavailabilityTest, LoadDropsPastWeeksAndEmptyEntries) {
    loadWith({entry(1, kToday + 3), entry(2, kToday - 1), entry(0, kToday + 5), entry(3, kToday),
              ByteImage(8).i16(0, 4).u16(2, kToday + 1).fill(4, 4, 0xEE)});
    EXPECT_EQ(pairs(), (Pairs{{1, kToday + 3}, {3, kToday}, {4, kToday + 1}}));
    EXPECT_FALSE(table.dirty());
}

TEST_F(UnavailabilityTest, SaveWritesOnlyWhenChangedAndNotEmpty) {
    const ByteVector original =
        concat({entry(1, kToday + 3), entry(2, kToday - 10), entry(3, kToday + 4)});
    w.temp.write("blackout.dat", original);
    table.load(kToday);

    // Loaded but unchanged: the past entry stays in the file.
    ASSERT_TRUE(table.save());
    EXPECT_EQ(w.temp.read("blackout.dat"), original);

    table.addUnavailable(5, kToday + 8, kToday);
    ASSERT_TRUE(table.dirty());
    ASSERT_TRUE(table.save());
    EXPECT_FALSE(table.dirty());
    EXPECT_EQ(w.temp.read("blackout.dat"),
              concat({entry(1, kToday + 3), entry(3, kToday + 4), entry(5, kToday + 8)}));

    // Cleared entries are left out; a table of cleared entries writes an empty file.
    table.removeUnavailable(1, kToday + 3);
    table.removeUnavailable(3, kToday + 4);
    table.removeUnavailable(5, kToday + 8);
    ASSERT_TRUE(table.save());
    EXPECT_EQ(w.temp.size("blackout.dat"), 0u);
}

TEST_F(UnavailabilityTest, AnEmptyTableWritesNothingEvenWhenDirty) {
    const ByteVector original = concat({entry(1, kToday - 5)});
    w.temp.write("blackout.dat", original);
    table.load(kToday);
    ASSERT_EQ(table.count(), 0u);
    table.removeUnavailable(1, kToday - 5);
    ASSERT_TRUE(table.dirty());
    EXPECT_TRUE(table.save());
    EXPECT_EQ(w.temp.read("blackout.dat"), original);
}

TEST_F(UnavailabilityTest, AFailedSaveShowsMessage1231AndStaysDirty) {
    table.load(kToday);
    table.addUnavailable(1, kToday, kToday);
    test::blockFile(w.temp, "blackout.dat");
    EXPECT_FALSE(table.save());
    EXPECT_TRUE(table.dirty());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "blackout.dat"));
}

TEST_F(UnavailabilityTest, AddReusesFreeAndExpiredEntriesAndStopsAtThePair) {
    struct Case {
        const char* what;
        Pairs before;
        std::pair<int, int> added;
        Pairs after;
    };
    const Case cases[] = {
        {"appended", {{1, kToday}}, {2, kToday}, {{1, kToday}, {2, kToday}}},
        {"free entry reused",
         {{1, kToday}, {0, 0}, {3, kToday}},
         {2, kToday + 1},
         {{1, kToday}, {2, kToday + 1}, {3, kToday}}},
        {"expired entry reused",
         {{1, kToday - 2}, {3, kToday}},
         {2, kToday},
         {{2, kToday}, {3, kToday}}},
        {"last week is not expired",
         {{1, kToday - 1}},
         {2, kToday},
         {{1, kToday - 1}, {2, kToday}}},
        {"already present", {{2, kToday}, {1, kToday}}, {2, kToday}, {{2, kToday}, {1, kToday}}},
        {"present further down, an earlier entry free",
         {{1, kToday}, {0, 0}, {2, kToday + 4}},
         {2, kToday + 4},
         {{1, kToday}, {2, kToday + 4}, {2, kToday + 4}}},
        {"present further down, an earlier entry expired",
         {{7, kToday - 30}, {2, kToday + 4}},
         {2, kToday + 4},
         {{2, kToday + 4}, {2, kToday + 4}}},
    };
    for (const auto& c : cases) {
        startWith(c.before);
        table.addUnavailable(static_cast<std::int16_t>(c.added.first), c.added.second, kToday);
        EXPECT_EQ(pairs(), c.after) << c.what;
    }
}

TEST_F(UnavailabilityTest, RemoveClearsEveryCopyWithoutShrinkingTheTable) {
    startWith({{2, kToday + 4}, {1, kToday + 4}, {2, kToday + 4}, {2, kToday + 5}});
    ASSERT_FALSE(table.isAvailable(2, kToday + 4));
    table.removeUnavailable(2, kToday + 4);
    EXPECT_EQ(pairs(), (Pairs{{0, 0}, {1, kToday + 4}, {0, 0}, {2, kToday + 5}}));
    EXPECT_EQ(table.entries()[0], UnavailableRecord{});
    EXPECT_TRUE(table.dirty());
    EXPECT_TRUE(table.isAvailable(2, kToday + 4));
    EXPECT_FALSE(table.isAvailable(2, kToday + 5));
    EXPECT_FALSE(table.isAvailable(1, kToday + 4));
    // A cleared entry is the pair (0, 0) and answers for it.
    EXPECT_FALSE(table.isAvailable(0, 0));
    EXPECT_TRUE(table.isAvailable(0, kToday + 4));
}

TEST_F(UnavailabilityTest, AnEmptyTableMakesEveryoneAvailable) {
    table.load(kToday);
    EXPECT_TRUE(table.isAvailable(0, 0));
    EXPECT_TRUE(table.isAvailable(1, kToday));
}

TEST_F(UnavailabilityTest, UnavailableWeeksInTableOrderUpToTheMaximum) {
    Pairs many;
    for (int i = 0; i < 60; ++i) {
        many.emplace_back(3, kToday + 100 - i);
        if (i % 10 == 0) many.emplace_back(4, kToday + i);
    }
    startWith(many);
    const auto weeks3 = table.unavailableWeeks(3);
    ASSERT_EQ(weeks3.size(), 55u);
    EXPECT_EQ(weeks3.front(), kToday + 100);
    EXPECT_EQ(weeks3.back(), kToday + 46);
    EXPECT_EQ(table.unavailableWeeks(3, 2), (std::vector<int>{kToday + 100, kToday + 99}));
    EXPECT_EQ(table.unavailableWeeks(3, 70).size(), 60u);
    EXPECT_EQ(table.unavailableWeeks(4), (std::vector<int>{kToday, kToday + 10, kToday + 20,
                                                           kToday + 30, kToday + 40, kToday + 50}));
    EXPECT_TRUE(table.unavailableWeeks(5).empty());
}

}  // namespace
}  // namespace ambon
