// The demo data set as a coordinator meets it: generated for a fixed date, then read back
// by a fresh document, with every reference checked and the refusal to overwrite data.
#include "tools/demo_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

using test::FakeMessages;
using test::FixedClock;
using test::TempDataDir;

LocalDateTime dateOf(int year, int month, int day) {
    LocalDateTime d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

std::map<std::string, std::vector<std::uint8_t>> snapshot(const TempDataDir& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& name : dir.list()) files[name] = dir.read(name);
    return files;
}

bool hasDuty(const LocalBrotherEntry& local, int duty) {
    return (local.roles & (1 << duty)) != 0;
}

// One data set for the whole suite (generating it writes a few hundred records); every
// test reads it back with a fresh document.
class DemoGenerator : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TempDataDir;
        summary_ = new demo::DemoSummary;
        if (!demo::writeDemoData(dir_->path(), FixedClock(2026, 3, 11).time, error_, summary_))
            error_ = "generation failed: " + error_;
    }
    static void TearDownTestSuite() {
        delete dir_;
        delete summary_;
    }

    void SetUp() override {
        ASSERT_TRUE(error_.empty()) << error_;
        ASSERT_TRUE(doc.startUp(dir_->path()));
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText();
        t = doc.todayWeek();
    }

    const LocalBrotherEntry* local(std::int16_t brotherId) const {
        for (const auto& l : doc.localBrothers())
            if (l.brotherId == brotherId) return &l;
        return nullptr;
    }
    const BrotherEntry* brother(std::int16_t brotherId) const {
        std::size_t i = doc.brothers().findBrother(brotherId);
        return i == kNoBrother ? nullptr : &doc.brothers().entry(i);
    }

    static inline TempDataDir* dir_ = nullptr;
    static inline demo::DemoSummary* summary_ = nullptr;
    static inline std::string error_;

    const TempDataDir& dir = *dir_;
    const demo::DemoSummary& summary = *summary_;
    FixedClock clock{2026, 3, 11};
    FakeMessages messages;
    CAmbDoc doc{clock, messages};
    int t = 0;
};

TEST_F(DemoGenerator, HomeCongregationHasItsDutiesAndOfficers) {
    ASSERT_NE(doc.homeCongId(), 0);
    std::size_t home =
        doc.congregations().findCongregation(static_cast<std::int16_t>(doc.homeCongId()));
    ASSERT_NE(home, 0u);
    EXPECT_EQ(doc.congregations().entry(home - 1).name, "Amersvoort-Noord");
    EXPECT_EQ(doc.settings().planReaders, 1);
    EXPECT_EQ(doc.settings().planHospitality, 1);

    ASSERT_EQ(doc.localBrothers().size(), 20u);
    int counts[5] = {};
    for (const auto& l : doc.localBrothers())
        for (int duty : {demo::kOutgoingDuty, demo::kChairmanDuty, demo::kReaderDuty})
            if (hasDuty(l, duty)) ++counts[duty];
    EXPECT_GE(counts[demo::kOutgoingDuty], 6);
    EXPECT_GE(counts[demo::kChairmanDuty], 6);
    EXPECT_GE(counts[demo::kReaderDuty], 5);
    // Every outgoing speaker has talks to give.
    for (const auto& l : doc.localBrothers())
        if (hasDuty(l, demo::kOutgoingDuty))
            EXPECT_GE(countBits(doc.brothers().entry(l.index).talks), 5);

    // The officers are elders of the home congregation, three different brothers.
    const CongregationEntry& c = doc.congregations().entry(home - 1);
    std::set<std::int16_t> officers = {c.talkCoordinatorId, c.elderCoordinatorId, c.secretaryId};
    EXPECT_EQ(officers.size(), 3u);
    for (std::int16_t id : officers) {
        ASSERT_NE(local(id), nullptr) << id;
        EXPECT_EQ(brother(id)->office, 2) << id;
    }

    // Hospitality families, one of them marked out of the rotation.
    ASSERT_GE(doc.hosts().count(), 5u);
    int tilde = 0;
    for (const auto& h : doc.hosts().records()) {
        EXPECT_NE(h.name.find("Familie "), std::string::npos) << h.name;
        if (h.name[0] == '~') ++tilde;
    }
    EXPECT_EQ(tilde, 1);
}

TEST_F(DemoGenerator, CongregationsAndSpeakersAreComplete) {
    EXPECT_EQ(doc.circuits().count(), 4u);
    ASSERT_EQ(doc.congregations().count(), 25u);
    int saturday = 0;
    for (std::size_t i = 0; i < doc.congregations().count(); ++i) {
        const CongregationEntry& c = doc.congregations().entry(i);
        EXPECT_NE(doc.circuits().find(static_cast<std::uint16_t>(c.circuitId)), 0u) << c.name;
        EXPECT_FALSE(c.meetingTimeOdd.empty()) << c.name;
        EXPECT_FALSE(c.meetingTimeEven.empty()) << c.name;
        if (c.meetingDayOdd == 6) ++saturday;
        CongregationRecord r;
        ASSERT_NE(doc.congregations().readCongregation(i, r), 0) << c.name;
        EXPECT_FALSE(r.hallAddress1.empty()) << c.name;
        EXPECT_FALSE(r.phone1.empty()) << c.name;
        // The talk coordinator, whom letters go to, is a brother of that congregation.
        const BrotherEntry* coordinator = brother(c.talkCoordinatorId);
        ASSERT_NE(coordinator, nullptr) << c.name;
        EXPECT_EQ(coordinator->congId, c.congId) << c.name;
    }
    EXPECT_GE(saturday, 1);
    EXPECT_LT(saturday, 6);

    int visiting = 0, suspended = 0, withExtra = 0;
    for (std::size_t i = 0; i < doc.brothers().count(); ++i) {
        const BrotherEntry& b = doc.brothers().entry(i);
        ASSERT_NE(doc.congregations().findCongregation(b.congId), 0u) << b.lastName;
        if (b.suspended) ++suspended;
        if (b.extraNo != 0) {
            BrotherExtraRecord extra;
            EXPECT_TRUE(doc.brothers().readExtra(b.extraNo, b.brotherId, extra)) << b.lastName;
            EXPECT_FALSE(extra.mobile.empty());
            ++withExtra;
        }
        if (b.congId == doc.homeCongId()) continue;
        ++visiting;
        int n = countBits(b.talks);
        EXPECT_GE(n, 3) << b.lastName;
        EXPECT_LE(n, 12) << b.lastName;
        for (int bit = demo::kHighestDemoTalk; bit < 256; ++bit)
            EXPECT_FALSE(testBit(b.talks, bit)) << b.lastName << " talk " << bit + 1;
    }
    EXPECT_GE(visiting, 130);
    EXPECT_LE(visiting, 170);
    EXPECT_EQ(visiting, summary.visitingSpeakers);
    EXPECT_GE(suspended, 2);
    EXPECT_GT(withExtra, 30);
}

TEST_F(DemoGenerator, WeeksArePlannedBeforeAndAfterToday) {
    int past = 0, future = 0, open = 0;
    for (int i = t - 52; i < t; ++i) {
        const WeekRecord& w = doc.getWeek(i);
        if (w.speakerId == 0) continue;
        ++past;
        // History is settled: every talk was confirmed before it was given.
        EXPECT_NE(w.askedStamp, 0) << i;
        EXPECT_GE(w.confirmedStamp, w.askedStamp) << i;
        EXPECT_LE(w.confirmedStamp, w.week) << i;
    }
    for (int i = t; i <= t + 25; ++i) {
        const WeekRecord& w = doc.getWeek(i);
        if (w.speakerId != 0) ++future;
        if ((w.flags & WeekRecord::kInUse) == 0) ++open;
        if (i >= t + 13) EXPECT_EQ(w.confirmedStamp, 0) << i;
    }
    EXPECT_GE(past, 45);
    EXPECT_GE(future, 12);
    EXPECT_GE(open, 3);
    // The next week is confirmed; no stamp lies after the current week.
    EXPECT_NE(doc.getWeek(t).confirmedStamp, 0);
    for (int i = t - 52; i <= t + 25; ++i) {
        const WeekRecord& w = doc.getWeek(i);
        for (std::int16_t stamp : {w.askedStamp, w.confirmedStamp, w.remindedStamp})
            EXPECT_LE(stamp, t) << i;
    }
}

TEST_F(DemoGenerator, EventsCarryTheirFlagsAndRecords) {
    ASSERT_EQ(doc.specials().count(), 2u);
    int assemblies = 0, visits = 0;
    for (const auto& e : doc.specials().events()) {
        const WeekRecord& w = doc.getWeek(e.weekIndex);
        EXPECT_GE(e.weekIndex, t);
        EXPECT_EQ(w.flags, e.eventFlags | WeekRecord::kInUse);
        EXPECT_FALSE(e.who.empty());
        EXPECT_FALSE(e.talkTitle.empty());
        EXPECT_EQ(w.speakerId, 0);
        EXPECT_EQ(w.talkNo, 0);
        EXPECT_EQ(w.readerId, 0);
        EXPECT_EQ(w.outSpeakerId[0], 0);
        if (e.eventFlags == WeekRecord::kAssembly) {
            ++assemblies;
            EXPECT_EQ(w.chairmanId, 0);
            EXPECT_EQ(w.hostId, 0);
        }
        if (e.eventFlags == (WeekRecord::kCircuitVisit | WeekRecord::kAllowChairman |
                             WeekRecord::kAllowHospitality)) {
            ++visits;
            EXPECT_NE(w.chairmanId, 0);
            EXPECT_NE(w.hostId, 0);
        }
    }
    EXPECT_EQ(assemblies, 1);
    EXPECT_EQ(visits, 1);
}

TEST_F(DemoGenerator, EveryIdInTheWeeksResolvesAndNobodyServesTwice) {
    const auto homeId = static_cast<std::int16_t>(doc.homeCongId());
    int weeksSeen = 0;
    std::map<std::pair<std::int16_t, std::int16_t>, int> lastVisit;  // speaker, congregation
    for (int slot = 0; slot < kWeekWindow; ++slot) {
        const WeekRecord& w = doc.weeks().slot(slot);
        if ((w.flags & WeekRecord::kInUse) == 0) continue;
        ++weeksSeen;
        std::vector<std::int16_t> serving;
        if (w.speakerId != 0) {
            const BrotherEntry* s = brother(w.speakerId);
            ASSERT_NE(s, nullptr) << w.week;
            EXPECT_FALSE(s->suspended) << w.week;
            EXPECT_EQ(s->congId, w.speakerCongId) << w.week;
            ASSERT_GE(w.talkNo, 1) << w.week;
            ASSERT_LE(w.talkNo, demo::kHighestDemoTalk) << w.week;
            EXPECT_TRUE(testBit(s->talks, w.talkNo - 1)) << w.week;
            if (s->congId == homeId) serving.push_back(w.speakerId);
        } else {
            EXPECT_EQ(w.talkNo, 0) << w.week;
        }
        if (w.chairmanId != 0) {
            const LocalBrotherEntry* l = local(w.chairmanId);
            ASSERT_NE(l, nullptr) << w.week;
            EXPECT_TRUE(hasDuty(*l, demo::kChairmanDuty)) << w.week;
            serving.push_back(w.chairmanId);
        }
        if (w.readerId != 0) {
            const LocalBrotherEntry* l = local(w.readerId);
            ASSERT_NE(l, nullptr) << w.week;
            EXPECT_TRUE(hasDuty(*l, demo::kReaderDuty)) << w.week;
            serving.push_back(w.readerId);
        }
        if (w.hostId != 0) {
            std::size_t h = doc.hosts().find(static_cast<std::uint16_t>(w.hostId));
            ASSERT_NE(h, 0u) << w.week;
            EXPECT_NE(doc.hosts().records()[h - 1].name[0], '~') << w.week;
        }
        std::set<std::int16_t> visited;
        for (int k = 0; k < WeekRecord::kOutSlots; ++k) {
            std::int16_t id = w.outSpeakerId[static_cast<std::size_t>(k)];
            if (id == 0) continue;
            const LocalBrotherEntry* l = local(id);
            ASSERT_NE(l, nullptr) << w.week;
            EXPECT_TRUE(hasDuty(*l, demo::kOutgoingDuty)) << w.week;
            std::int16_t congId = w.outCongId[static_cast<std::size_t>(k)];
            EXPECT_NE(doc.congregations().findCongregation(congId), 0u) << w.week;
            EXPECT_NE(congId, homeId) << w.week;
            EXPECT_TRUE(visited.insert(congId).second) << w.week;
            // A speaker does not return to the same congregation within half a year.
            auto [it, first] = lastVisit.try_emplace({id, congId}, w.week);
            if (!first) EXPECT_GE(w.week - it->second, 26) << id << " to " << congId;
            it->second = w.week;
            int talk = w.outTalkNo[static_cast<std::size_t>(k)];
            EXPECT_TRUE(talk >= 1 && testBit(brother(id)->talks, talk - 1)) << w.week;
            serving.push_back(id);
        }
        std::set<std::int16_t> distinct(serving.begin(), serving.end());
        EXPECT_EQ(distinct.size(), serving.size()) << "a brother with two roles in week " << w.week;
        for (std::int16_t id : serving)
            EXPECT_TRUE(doc.unavailability().isAvailable(id, w.week))
                << id << " planned while away, week " << w.week;
        if (w.speakerId != 0)
            EXPECT_TRUE(doc.unavailability().isAvailable(w.speakerId, w.week)) << w.week;
    }
    EXPECT_EQ(weeksSeen, summary.pastWeeks + summary.futureWeeks);
}

TEST_F(DemoGenerator, UnavailableWeeksAndWishListAreStored) {
    // The blackout file survives a fresh start: every entry lies ahead of today.
    ASSERT_GE(doc.unavailability().count(), 5u);
    EXPECT_EQ(doc.unavailability().droppedOnLoad(), 0);
    std::set<std::int16_t> away;
    for (const auto& e : doc.unavailability().entries()) {
        EXPECT_GT(e.week, t);
        EXPECT_NE(brother(e.brotherId), nullptr);
        away.insert(e.brotherId);
    }
    EXPECT_GE(away.size(), 3u);

    const WishList& wish = doc.wishList().wishList();
    EXPECT_EQ(countBits(wish.wanted), 10);
    int high = 0, low = 0;
    for (int i = 0; i < 256; ++i) {
        if (testBit(wish.high, i) || testBit(wish.low, i))
            EXPECT_TRUE(testBit(wish.wanted, i)) << i;
        if (!testBit(wish.wanted, i)) continue;
        EXPECT_LT(i, demo::kHighestDemoTalk);
        int p = doc.wishList().wishPriority(i);
        high += p == 1;
        low += p == 3;
    }
    EXPECT_GE(high, 1);
    EXPECT_GE(low, 1);
}

TEST_F(DemoGenerator, SecondRunIsRefusedAndChangesNothing) {
    auto before = snapshot(dir);
    std::string error;
    EXPECT_FALSE(demo::writeDemoData(dir.path(), clock.time, error));
    EXPECT_NE(error.find("already holds data files"), std::string::npos) << error;
    EXPECT_EQ(snapshot(dir), before);
}

TEST(DemoGeneratorTarget, RefusesAnyDataFileAndAcceptsOtherFiles) {
    struct Case {
        const char* name;
        bool refused;
    };
    for (Case c : {Case{"speakers.dat", true}, Case{"HISTORY.DAT", true}, Case{"ambon.ini", true},
                   Case{"notes.txt", false}}) {
        TempDataDir dir;
        dir.writeText(c.name, "x");
        std::string error;
        bool written = demo::writeDemoData(dir.path(), dateOf(2026, 3, 11), error);
        EXPECT_EQ(written, !c.refused) << c.name << ": " << error;
        if (c.refused) EXPECT_EQ(dir.list(), std::vector<std::string>{c.name}) << c.name;
        EXPECT_EQ(dir.readText(c.name), "x") << c.name;
    }
}

TEST(DemoGeneratorTarget, CreatesAMissingDirectoryButNotForABadDate) {
    TempDataDir dir;
    std::string error;
    EXPECT_FALSE(demo::writeDemoData(dir.file("x"), dateOf(2026, 2, 29), error));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x")));
    EXPECT_TRUE(demo::writeDemoData(dir.file("a") / "b", dateOf(2026, 2, 28), error)) << error;
    EXPECT_TRUE(std::filesystem::exists(dir.file("a") / "b" / "history.dat"));
}

TEST(DemoGeneratorTarget, SameDateGivesSameFilesAndTheWeeksFollowTheDate) {
    TempDataDir one, two, later;
    std::string error;
    ASSERT_TRUE(demo::writeDemoData(one.path(), dateOf(2025, 10, 1), error)) << error;
    ASSERT_TRUE(demo::writeDemoData(two.path(), dateOf(2025, 10, 1), error)) << error;
    ASSERT_TRUE(demo::writeDemoData(later.path(), dateOf(2025, 11, 5), error)) << error;
    EXPECT_EQ(snapshot(one), snapshot(two));
    EXPECT_EQ(one.read("speakers.dat"), later.read("speakers.dat"));
    EXPECT_NE(one.read("special.dat"), later.read("special.dat"));
}

TEST(DemoDate, ParsesOnlyRealDatesInRange) {
    struct Case {
        const char* text;
        bool ok;
    };
    for (Case c : {Case{"2026-03-11", true}, Case{"2024-02-29", true}, Case{"2036-12-31", true},
                   Case{"2025-02-29", false}, Case{"2026-04-31", false}, Case{"2026-13-01", false},
                   Case{"2009-12-31", false}, Case{"2037-01-01", false}, Case{"2026-3-11", false},
                   Case{"2026/03/11", false}, Case{"", false}, Case{"20260311xx", false}}) {
        LocalDateTime d;
        EXPECT_EQ(demo::parseDemoDate(c.text, d), c.ok) << c.text;
    }
    LocalDateTime d;
    ASSERT_TRUE(demo::parseDemoDate("2026-03-11", d));
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 11);
}

}  // namespace
}  // namespace ambon
