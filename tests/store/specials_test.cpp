// Special events: the file read and rewritten whole, one event per week in week order, and
// the marks they leave in the week table.
#include "store/specials.h"

#include <gtest/gtest.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::concat;

constexpr std::size_t kEvent = 144;

ByteVector eventRecord(std::uint16_t weekIndex, std::uint16_t flags, std::string_view who,
                       std::string_view title = {}) {
    return ByteImage(kEvent).u16(0, weekIndex).u16(2, flags).text(4, who).text(44, title);
}

SpecialEventRecord event(std::uint16_t weekIndex, std::uint16_t flags, const std::string& who) {
    SpecialEventRecord e;
    e.weekIndex = weekIndex;
    e.eventFlags = flags;
    e.who = who;
    return e;
}

class SpecialsTest : public ::testing::Test {
protected:
    SpecialsTest() {
        weeks.setFirstWeek(780);
        weeks.load();
    }
    std::vector<std::pair<int, std::string>> contents() const {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& e : specials.events()) out.emplace_back(e.weekIndex, e.who);
        return out;
    }

    test::StoreWorld w;
    Weeks weeks{w.io};
    Specials specials{w.io};
};

TEST_F(SpecialsTest, LoadReadsToTheEndAndSaveWritesEveryEventBack) {
    ByteVector file = concat({ByteImage(eventRecord(800, 0x02, "Kringvergadering", "Thema"))
                                  .fill(30, 10, 0xCC),  // after the terminator
                              eventRecord(805, 0x04, "Kringopziener")});
    ByteVector last = eventRecord(810, 0x08, "Gedachtenisviering");
    file.insert(file.end(), last.begin(), last.begin() + 60);
    w.temp.write("special.dat", file);
    specials.load();
    ASSERT_EQ(specials.count(), 3u);
    EXPECT_EQ(specials.event(0).talkTitle, "Thema");
    EXPECT_EQ(specials.event(2).who, "Gedachtenisviering");
    EXPECT_EQ(specials.findSpecial(805), 2u);
    EXPECT_EQ(specials.findSpecial(806), 0u);

    ASSERT_TRUE(specials.save());
    file.resize(3 * kEvent, 0);
    EXPECT_EQ(w.temp.read("special.dat"), file);
}

TEST_F(SpecialsTest, StoreInsertsInWeekOrderReplacesTheWeeksEventAndMarksTheWeek) {
    WeekRecord planned = weeks.getWeek(805);
    planned.talkNo = 12;
    planned.flags = WeekRecord::kInUse | WeekRecord::kAllowChairman | WeekRecord::kOtherEvent;
    weeks.commitWeek(planned, 805);

    specials.storeSpecial(event(810, WeekRecord::kAssembly, "Kringvergadering"), weeks);
    specials.storeSpecial(event(800, WeekRecord::kCircuitVisit, "Kringopziener"), weeks);
    specials.storeSpecial(event(805, WeekRecord::kOtherEvent | WeekRecord::kAllowReader, "Iets"),
                          weeks);
    EXPECT_EQ(contents(), (std::vector<std::pair<int, std::string>>{
                              {800, "Kringopziener"}, {805, "Iets"}, {810, "Kringvergadering"}}));
    EXPECT_EQ(weeks.getWeek(805).flags, WeekRecord::kOtherEvent | WeekRecord::kAllowReader | 1);
    EXPECT_EQ(weeks.getWeek(805).talkNo, 12);
    EXPECT_EQ(weeks.getWeek(800).flags, WeekRecord::kCircuitVisit | 1);

    // A second event for a week replaces the first one.
    specials.storeSpecial(event(805, WeekRecord::kAssembly, "Andere"), weeks);
    EXPECT_EQ(contents(), (std::vector<std::pair<int, std::string>>{
                              {800, "Kringopziener"}, {805, "Andere"}, {810, "Kringvergadering"}}));
    EXPECT_EQ(weeks.getWeek(805).flags, WeekRecord::kAssembly | 1);

    // Nothing is written by storing.
    EXPECT_FALSE(w.temp.exists("special.dat"));
    EXPECT_FALSE(w.temp.exists("history.dat"));
}

TEST_F(SpecialsTest, RemoveLeavesTheWeekOnlyItsInUseBit) {
    specials.storeSpecial(event(800, WeekRecord::kAssembly | WeekRecord::kAllowHospitality, "A"),
                          weeks);
    specials.storeSpecial(event(801, WeekRecord::kCircuitVisit, "B"), weeks);
    specials.removeSpecial(0, weeks);
    EXPECT_EQ(contents(), (std::vector<std::pair<int, std::string>>{{801, "B"}}));
    EXPECT_EQ(weeks.getWeek(800).flags, WeekRecord::kInUse);
    EXPECT_EQ(weeks.getWeek(801).flags, WeekRecord::kCircuitVisit | 1);
    specials.removeSpecial(5, weeks);  // no such position
    EXPECT_EQ(specials.count(), 1u);
}

TEST_F(SpecialsTest, AnEmptyTableWritesAnEmptyFileAndAFailureShowsMessage1231) {
    w.temp.write("special.dat", eventRecord(800, 2, "A"));
    specials.load();
    specials.removeSpecial(0, weeks);
    ASSERT_TRUE(specials.save());
    EXPECT_TRUE(w.temp.exists("special.dat"));
    EXPECT_EQ(w.temp.size("special.dat"), 0u);

    test::blockFile(w.temp, "special.dat");
    EXPECT_FALSE(specials.save());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "special.dat"));
}

}  // namespace
}  // namespace ambon
