// The availability screen: which weeks it shows, what OK stores (and writes), and the
// view-only and suspend variants.
#include "schedule/availability_dialog.h"

#include <gtest/gtest.h>

#include "store/field_codec.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class AvailabilityTest : public ::testing::Test {
protected:
    AvailabilityTest() : clock(2026, 12, 11), doc(clock, messages) {
        doc.startUp(dir.path());
        today = doc.todayWeek();
        BrotherRecord b;
        b.firstName = "Willem";
        b.lastName = "Smit";
        doc.brothers().addBrother(b, {});
        id = doc.brothers().entry(0).brotherId;
    }

    // The (brother, week) pairs in "blackout.dat".
    std::vector<std::pair<int, int>> onDisk() const {
        std::vector<std::pair<int, int>> pairs;
        auto bytes = dir.read("blackout.dat");
        for (std::size_t o = 0; o + 8 <= bytes.size(); o += 8)
            pairs.emplace_back(getI16(bytes, o), getU16(bytes, o + 2));
        return pairs;
    }

    test::TempDataDir dir;
    test::FixedClock clock;
    test::FakeMessages messages;
    CAmbDoc doc;
    int today = 0;
    std::int16_t id = 0;
};

TEST_F(AvailabilityTest, ShowsFiftyTwoWeeksFromThisWeekWithTheBrothersWeeksSelected) {
    doc.unavailability().addUnavailable(id, today + 3, today);
    doc.unavailability().addUnavailable(id, today + 60, today);  // beyond the rows
    doc.unavailability().addUnavailable(id, today - 1, today);   // last week: no row
    AvailabilityDialog d(doc, id, false, std::nullopt);
    auto v = d.view();
    EXPECT_EQ(v.caption, "Willem Smit");
    ASSERT_EQ(v.weeks.rows.size(), 52u);
    EXPECT_EQ(v.weeks.rows[0], doc.dateText(today, 26));
    EXPECT_EQ(v.weeks.selected, std::vector<int>{3});
    EXPECT_EQ(v.weeks.topRow, 3);
    EXPECT_EQ(v.count.text, "1");
    EXPECT_FALSE(v.suspend.visible);
}

TEST_F(AvailabilityTest, OkAddsAndRemovesTheChangedWeeksAndWritesTheFile) {
    doc.unavailability().addUnavailable(id, today + 3, today);
    doc.unavailability().addUnavailable(id, today - 1, today);
    AvailabilityDialog d(doc, id, false);
    d.setSelection({0, 10});
    EXPECT_EQ(d.view().count.text, "2");
    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_FALSE(doc.unavailability().isAvailable(id, today));
    EXPECT_FALSE(doc.unavailability().isAvailable(id, today + 10));
    EXPECT_TRUE(doc.unavailability().isAvailable(id, today + 3));
    // The week before this week has no row and is left alone.
    EXPECT_FALSE(doc.unavailability().isAvailable(id, today - 1));
    auto pairs = onDisk();
    EXPECT_EQ(pairs.size(), 3u);
    EXPECT_NE(std::find(pairs.begin(), pairs.end(), std::make_pair<int, int>(id, today + 10)),
              pairs.end());
}

TEST_F(AvailabilityTest, CancelAndViewOnlyChangeNothing) {
    AvailabilityDialog cancelled(doc, id, false);
    cancelled.setSelection({5});
    cancelled.cancel();
    EXPECT_TRUE(doc.unavailability().isAvailable(id, today + 5));

    AvailabilityDialog viewOnly(doc, id, true);
    auto v = viewOnly.view();
    EXPECT_FALSE(v.ok.visible);
    EXPECT_FALSE(v.prompt.visible);
    EXPECT_EQ(v.cancel.text, "Sluiten");
    viewOnly.setSelection({5});
    viewOnly.ok();
    EXPECT_FALSE(viewOnly.accepted());
    EXPECT_TRUE(doc.unavailability().isAvailable(id, today + 5));
    EXPECT_FALSE(dir.exists("blackout.dat"));
}

TEST_F(AvailabilityTest, SuspendValueGoesBackOnOkOnly) {
    AvailabilityDialog d(doc, id, false, false);
    EXPECT_TRUE(d.view().suspend.visible);
    EXPECT_FALSE(d.view().suspend.checked);
    d.setSuspend(true);
    d.ok();
    EXPECT_EQ(d.suspendValue(), std::optional<bool>(true));
}

}  // namespace
}  // namespace ambon
