// Schedule queries: their search windows and tie-breaks decide the marks and filters
// the coordinator sees.
#include "schedule/schedule_queries.h"

#include <gtest/gtest.h>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class QueriesTest : public ::testing::Test {
protected:
    QueriesTest() : clock(2026, 12, 11), doc(clock, messages) {
        doc.startUp(dir.path());
        first = doc.firstWeek();
        today = doc.todayWeek();
        sheet = doc.sheetWeek();
    }

    WeekRecord& week(int index) { return doc.getWeek(index); }

    test::TempDataDir dir;
    test::FixedClock clock;
    test::FakeMessages messages;
    CAmbDoc doc;
    int first = 0;
    int today = 0;
    int sheet = 0;
};

TEST_F(QueriesTest, OtherRoleOrderAndExclusion) {
    const int k = today;
    week(k).speakerId = 7;
    week(k).outSpeakerId[3] = 7;
    week(k).chairmanId = 8;
    week(k).readerId = 8;
    struct Case {
        std::int16_t brother;
        int own;
        int expected;
    };
    const Case cases[] = {
        {7, kNoRole, kOutgoingSpeaker},
        {7, kLocalSpeaker, kOutgoingSpeaker},
        {7, kOutgoingSpeaker, kLocalSpeaker},
        {8, kNoRole, kChairman},
        {8, kChairman, kReader},
        {8, kReader, kChairman},
        {9, kNoRole, kNoRole},
        {0, kNoRole, kNoRole},
    };
    for (const Case& c : cases)
        EXPECT_EQ(otherRole(doc, c.brother, k, c.own), c.expected) << c.brother << "/" << c.own;
}

TEST_F(QueriesTest, ConflictCountCoversFiftyFiveWeeksFromTheNextWeek) {
    week(today - 1).chairmanId = 5;  // this week: not counted
    week(today).chairmanId = 5;
    week(today + 54).readerId = 5;
    week(today + 55).readerId = 5;  // beyond the window
    EXPECT_EQ(conflictCount(doc, 5), 2);
}

TEST_F(QueriesTest, BackwardSearchesNeverLookAtTheFirstHeldWeek) {
    week(first).speakerId = 3;
    week(first).outSpeakerId[0] = 3;
    EXPECT_EQ(lastLocalTalk(doc, 3, first + 10), 0);
    EXPECT_EQ(lastOutgoingTalk(doc, 3, first + 10), 0);
    week(first + 1).speakerId = 3;
    EXPECT_EQ(lastLocalTalk(doc, 3, first + 10), first + 2);
}

TEST_F(QueriesTest, LatestWeekWinsAndDefaultWindowsStartAtTheSheet) {
    week(sheet - 10).speakerId = 4;
    week(sheet + 20).speakerId = 4;
    week(sheet + 21).speakerId = 4;  // beyond sheetWeek + 20
    EXPECT_EQ(lastLocalTalk(doc, 4, 0), sheet + 21);
    EXPECT_EQ(lastLocalTalk(doc, 4, sheet), sheet - 9);
    EXPECT_EQ(lastLocalTalk(doc, 0, 0), 0);

    week(sheet + 25).speakerCongId = 9;
    week(sheet + 26).speakerCongId = 9;
    EXPECT_EQ(lastCongVisit(doc, 9), sheet + 26);
}

TEST_F(QueriesTest, LastTalkWeekLooksFiftyTwoWeeksAhead) {
    const int k = sheet + 5;
    week(k).talkNo = 33;
    // From k - 21 the window reaches k + 31, so it finds week k itself.
    EXPECT_EQ(lastTalkWeek(doc, 33, k - 21), k + 1);
    EXPECT_EQ(lastTalkWeek(doc, 33, k - 53), 0);
    week(k + 31).talkNo = 33;
    EXPECT_EQ(lastTalkWeek(doc, 33, k - 21), k + 32);
    EXPECT_EQ(lastTalkWeek(doc, 33, 0), k + 32);  // from sheetWeek + 52
}

TEST_F(QueriesTest, RecentlyPlannedAndPlannedWithin) {
    week(sheet - 26).talkNo = 10;  // week number sheet - 25: recent
    week(sheet - 27).talkNo = 11;  // week number sheet - 26: not recent
    week(sheet + 78).talkNo = 12;  // week number sheet + 79: recent
    week(sheet + 79).talkNo = 13;  // beyond the window
    EXPECT_TRUE(talkRecentlyPlanned(doc, 10));
    EXPECT_FALSE(talkRecentlyPlanned(doc, 11));
    EXPECT_TRUE(talkRecentlyPlanned(doc, 12));
    EXPECT_FALSE(talkRecentlyPlanned(doc, 13));

    // The window starts at index todayWeek - w - 1, the week w weeks before this week.
    week(today - 27).talkNo = 20;
    EXPECT_TRUE(talkPlannedWithin(doc, 20, 26));
    EXPECT_FALSE(talkPlannedWithin(doc, 20, 25));
    week(sheet + 52).talkNo = 21;
    week(sheet + 53).talkNo = 22;
    EXPECT_TRUE(talkPlannedWithin(doc, 21, 0));
    EXPECT_FALSE(talkPlannedWithin(doc, 22, 0));
}

TEST_F(QueriesTest, TalkSetsCongregationsTopicsAndCircuits) {
    CongregationRecord c;
    c.name = "Amersvoort-Noord";
    c.circuitId = 30002;
    doc.congregations().addCongregation(c);
    CongregationRecord other;
    other.name = "Zeewolde-Haven";
    doc.congregations().addCongregation(other);
    BrotherRecord a;
    a.firstName = "Jan";
    a.lastName = "Bakker";
    a.congId = 1;
    setBit(a.talks, 4, true);  // talk 5
    doc.brothers().addBrother(a, {});
    BrotherRecord b;
    b.firstName = "Kees";
    b.lastName = "Visser";
    b.congId = 1;
    doc.brothers().addBrother(b, {});
    BrotherRecord none;
    none.firstName = "Piet";
    none.lastName = "Zonder";
    setBit(none.talks, 4, true);
    doc.brothers().addBrother(none, {});

    EXPECT_TRUE(givesTalk(doc, 0, 5));
    EXPECT_FALSE(givesTalk(doc, 0, 6));
    EXPECT_TRUE(givesTalk(doc, 0, 0));
    EXPECT_FALSE(givesTalk(doc, 1, 0));
    EXPECT_EQ(speakersForTalk(doc, 0, 5), 1);
    EXPECT_EQ(speakersForTalk(doc, 0, 0), 1);
    EXPECT_EQ(speakersForTalk(doc, 1, 5), 0);
    EXPECT_EQ(brotherCircuit(doc, 0), 30002);
    EXPECT_EQ(brotherCircuit(doc, 2), 0);

    // Fresh catalogue: talk 17 is in topic 3 ("Prediking / Bediening").
    std::size_t topic = doc.topics().findTopicNo(3) - 1;
    EXPECT_TRUE(talkInTopic(doc, 16, topic));
    EXPECT_FALSE(talkInTopic(doc, 17, topic));
}

TEST_F(QueriesTest, EmptyUnavailabilityMakesEveryoneAvailable) {
    EXPECT_TRUE(isAvailable(doc, 5, today));
    doc.unavailability().addUnavailable(5, today + 1, today);
    EXPECT_TRUE(isAvailable(doc, 5, today));
    EXPECT_FALSE(isAvailable(doc, 5, today + 1));
}

}  // namespace
}  // namespace ambon
