// Talk texts, the weeks of a talk, and topic maintenance on a fresh catalogue.
#include "reference/talk_catalogue.h"

#include <gtest/gtest.h>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class TalkCatalogueTest : public ::testing::Test {
protected:
    TalkCatalogueTest() : clock(2026, 12, 11), doc(clock, messages) { doc.startUp(dir.path()); }

    std::size_t topicIndex(std::uint16_t topicNo) const {
        return doc.topics().findTopicNo(topicNo) - 1;
    }
    bool talkHasTopic(int talkNo, std::uint16_t topicNo) const {
        for (auto slot : doc.talks().talk(static_cast<std::size_t>(talkNo - 1)).topicNos)
            if (slot == topicNo) return true;
        return false;
    }
    void planTalk(int weekIndex, int talkNo) {
        WeekRecord w = doc.getWeek(weekIndex);
        w.talkNo = static_cast<std::uint16_t>(talkNo);
        doc.commitWeek(w, weekIndex);
    }

    test::TempDataDir dir;
    test::FixedClock clock;
    test::FakeMessages messages;
    CAmbDoc doc;
};

TEST_F(TalkCatalogueTest, TalkTextVariants) {
    doc.talks().talk(255).title = "Een titel voor 256";
    struct Case {
        int talkNo;
        int flags;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, "Hoe goed ken je God?"},
        {1, kTalkWithNumber, "Hoe goed ken je God? ( 1 ) "},
        {1, kTalkWithPrefix, "Lezing - Hoe goed ken je God?"},
        {1, kTalkWithPrefix | kTalkWithNumber, "Lezing - Hoe goed ken je God? ( 1 ) "},
        {231, kTalkWithNumber, "Observing the \"Lord's Evening Meal\" ( S-31 ) "},
        {0, 0, ""},
        {0, kTalkWithPrefix | kTalkWithNumber, "Lezing"},
        // Talk 256 never shows its title.
        {256, kTalkWithNumber, ""},
        {256, kTalkWithPrefix, "Lezing"},
        {-3, kTalkWithPrefix, "Lezing"},
        {300, kTalkWithNumber, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(talkText(doc, c.talkNo, c.flags), c.text) << c.talkNo << " flags " << c.flags;
}

TEST_F(TalkCatalogueTest, TalkWeeksRunNewestFirstFromTheSheetWeekToTheSecondRecord) {
    const int sheet = doc.sheetWeek();
    const int first = doc.firstWeek();
    planTalk(sheet + 1, 12);  // after week number sheetWeek + 1: not listed
    planTalk(sheet, 12);
    planTalk(sheet - 5, 12);
    planTalk(sheet - 6, 13);
    planTalk(first + 1, 12);  // the second record of the table
    planTalk(first, 12);      // the first record: never examined
    auto weeks = talkWeeks(doc, 12);
    ASSERT_EQ(weeks.size(), 3u);
    EXPECT_EQ(weeks[0].weekIndex, sheet);
    EXPECT_EQ(weeks[1].weekIndex, sheet - 5);
    EXPECT_EQ(weeks[2].weekIndex, first + 1);
    EXPECT_EQ(weeks[1].text, doc.dateText(sheet - 4, 26));
    EXPECT_FALSE(weeks[1].text.empty());
}

TEST_F(TalkCatalogueTest, TalkZeroHasNoWeeksThoughEveryEmptyWeekHoldsTalkZero) {
    EXPECT_TRUE(talkWeeks(doc, 0).empty());
    EXPECT_TRUE(talkWeeks(doc, 40).empty());
}

TEST_F(TalkCatalogueTest, DeletingTopicThreeClearsItFromItsTalksAndFreesTheNumber) {
    ASSERT_EQ(doc.topics().count(), 10u);
    for (int t : {17, 63, 65, 66, 81}) ASSERT_TRUE(talkHasTopic(t, 3)) << t;
    deleteTopic(doc, topicIndex(3));
    EXPECT_EQ(doc.topics().count(), 9u);
    EXPECT_EQ(doc.topics().findTopicNo(3), 0u);
    for (int t = 1; t <= kTalkCount; ++t) EXPECT_FALSE(talkHasTopic(t, 3)) << t;
    // Other topics keep their talks.
    EXPECT_TRUE(talkHasTopic(4, 1));
    EXPECT_TRUE(talkHasTopic(162, 6));
    EXPECT_TRUE(messages.shown.empty());

    TopicRecord added;
    added.name = "Aardse hoop";
    EXPECT_TRUE(addTopic(doc, added));
    ASSERT_EQ(doc.topics().count(), 10u);
    const auto& topics = doc.topics().records();
    // Sorted by name: "Aardse hoop" comes first.
    EXPECT_EQ(topics[0].name, "Aardse hoop");
    EXPECT_EQ(topics[0].topicNo, 3);
    for (std::size_t i = 1; i < topics.size(); ++i)
        EXPECT_TRUE(doc.nameOrder().less(topics[i - 1].name, topics[i].name)) << i;
    // The new topic starts without talks.
    EXPECT_FALSE(talkHasTopic(17, 3));
}

TEST_F(TalkCatalogueTest, DeletingBeyondTheTableChangesNothing) {
    deleteTopic(doc, 10);
    EXPECT_EQ(doc.topics().count(), 10u);
    EXPECT_TRUE(talkHasTopic(17, 3));
}

TEST_F(TalkCatalogueTest, FindTopicByName) {
    const std::size_t bible = topicIndex(1);  // "Bijbel / God"
    struct Case {
        const char* text;
        bool flag;
        std::size_t except;
        int result;
        bool message;
    };
    const Case cases[] = {
        {"bijbel / GOD", true, 5000, static_cast<int>(bible) + 1, true},
        {"  Bijbel / God ", false, 5000, static_cast<int>(bible) + 1, true},
        // The topic being renamed does not count against itself.
        {"BIJBEL / god", false, bible, 0, false},
        // ... unless the flag is set.
        {"Bijbel / God", true, bible, static_cast<int>(bible) + 1, true},
        {"Bijbel / God", false, 32211, static_cast<int>(bible) + 1, false},
        {"Bijbel", true, 5000, 0, false},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        EXPECT_EQ(findTopicByName(doc, c.text, c.flag, c.except), c.result) << c.text;
        ASSERT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.text;
        if (c.message) {
            EXPECT_EQ(messages.shown[0].text, "Bijbel / God Dubbele naam.");
            EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
        }
    }
}

TEST_F(TalkCatalogueTest, AddingATakenNameIsRefused) {
    TopicRecord twin;
    twin.name = "prediking / bediening";
    EXPECT_FALSE(addTopic(doc, twin));
    EXPECT_EQ(doc.topics().count(), 10u);
    EXPECT_EQ(messages.lastText(), "Prediking / Bediening Dubbele naam.");
    // Numbers 1..10 are taken: the next topic gets 11.
    TopicRecord fresh;
    fresh.name = "Zending";
    EXPECT_TRUE(addTopic(doc, fresh));
    EXPECT_EQ(doc.topics().records().back().name, "Zending");
    EXPECT_EQ(doc.topics().records().back().topicNo, 11);
}

}  // namespace
}  // namespace ambon
