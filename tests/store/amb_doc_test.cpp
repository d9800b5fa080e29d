// Start-up of the document: what a first start creates, the week window, the language
// behaviours, the full reload, and the operations that span several tables.
#include "store/amb_doc.h"

#include <gtest/gtest.h>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

using test::FakeMessages;
using test::FixedClock;
using test::TempDataDir;

TEST(AmbDocStartUp, FirstStartCreatesOnlyTheSlotFilesAndBuildsTheCatalogue) {
    TempDataDir dir;
    FixedClock clock(2024, 3, 14);
    FakeMessages messages;
    CAmbDoc doc(clock, messages);
    ASSERT_TRUE(doc.startUp(dir.path()));

    EXPECT_EQ(dir.list(), (std::vector<std::string>{"cong.dat", "speakers.dat", "xtend.dat"}));
    EXPECT_EQ(dir.read("speakers.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(dir.read("cong.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(dir.read("xtend.dat"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(doc.talks().talk(0).title, "Hoe goed ken je God?");
    EXPECT_EQ(doc.talks().talk(230).numberText, "S-31");
    EXPECT_EQ(doc.talks().talk(255).numberText, "S-56");
    EXPECT_EQ(doc.topics().count(), 10u);
    EXPECT_EQ(doc.brothers().count(), 0u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(AmbDocStartUp, WeekWindowFollowsTheYear) {
    struct Case {
        int year;
        int firstWeek;
    };
    for (Case c : {Case{2009, 0}, Case{2010, 52}, Case{2024, 780}}) {
        TempDataDir dir;
        FixedClock clock(c.year, 6, 1);
        FakeMessages messages;
        CAmbDoc doc(clock, messages);
        ASSERT_TRUE(doc.startUp(dir.path(), {.readOnly = true}));
        EXPECT_EQ(doc.firstWeek(), c.firstWeek) << c.year;
        EXPECT_EQ(doc.getWeek(c.firstWeek).week, c.firstWeek + 1);
        EXPECT_EQ(doc.getWeek(c.firstWeek + 999).week, c.firstWeek + 1000);
    }
}

TEST(AmbDocStartUp, ReadOnlyStartWritesNothing) {
    TempDataDir dir;
    FixedClock clock(2026, 12, 11);
    FakeMessages messages;
    CAmbDoc doc(clock, messages);
    ASSERT_TRUE(doc.startUp(dir.path(), {.readOnly = true}));
    EXPECT_TRUE(dir.list().empty());
    EXPECT_EQ(doc.todayWeek(), doc.sheetWeek());
}

}  // namespace
}  // namespace ambon
