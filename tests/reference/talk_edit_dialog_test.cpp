// The talk editor: what it shows, what storing takes (with the field limits), walking
// the talk list, the history of the talk, and the topic list it opens.
#include "reference/talk_edit_dialog.h"

#include <gtest/gtest.h>

#include "reference/topic_list_dialog.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class TalkEditTest : public ::testing::Test {
protected:
    TalkEditTest() : doc(tp.clock, tp.messages) { doc.startUp(dir.path()); }

    const TalkRecord& talk(int talkNo) const {
        return doc.talks().talk(static_cast<std::size_t>(talkNo - 1));
    }
    std::vector<std::uint16_t> topicsOf(int talkNo) const {
        std::vector<std::uint16_t> nos;
        for (auto slot : talk(talkNo).topicNos)
            if (slot != 0) nos.push_back(slot);
        return nos;
    }
    int topicRow(const TalkEditDialog& d, const std::string& name) const {
        const auto& rows = d.view().chooseTopics.rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r] == name) return static_cast<int>(r);
        return -1;
    }

    test::TempDataDir dir;
    test::TestPlatform tp;
    CAmbDoc doc;
};

TEST_F(TalkEditTest, ShowsTheTalkWithItsTopicAndAnEmptyHistory) {
    TalkEditDialog d(doc, tp.platform, {11, 12, 13}, 1);  // talk 13
    auto v = d.view();
    EXPECT_EQ(v.caption, talk(13).title + " ( 13 ) ");
    EXPECT_EQ(v.numberText.text, "13");
    EXPECT_EQ(v.title.text, talk(13).title);
    EXPECT_EQ(v.topicButton.text, "Selecteer onderwerp voor lezing 13");
    EXPECT_EQ(v.talkTopics.rows, std::vector<std::string>{"Gezinsleven / Jongeren"});
    EXPECT_TRUE(v.talkTopics.visible);
    EXPECT_FALSE(v.chooseTopics.visible);
    EXPECT_FALSE(v.editTopics.visible);
    EXPECT_EQ(v.editTopics.text, "Bewerk onderwerpen lijst");
    EXPECT_EQ(v.historyGroup.text, " Geschiedenis ");
    EXPECT_TRUE(v.history.visible);
    // Never planned: nothing to show, and the caption stays.
    EXPECT_TRUE(v.history.rows.empty());
    EXPECT_TRUE(v.history.selected.empty());
    d.selectHistoryRow(0);
    EXPECT_EQ(d.view().caption, talk(13).title + " ( 13 ) ");
    EXPECT_EQ(v.previous.text, "Vorige");
    EXPECT_EQ(v.next.text, "Volgende");
    EXPECT_EQ(v.ok.text, "OK");
    EXPECT_EQ(v.cancel.text, "Annuleren");
}

TEST_F(TalkEditTest, HistoryListsThePlannedWeeksAndNamesTheSpeaker) {
    CongregationRecord c;
    c.name = "Ambon-Noord";
    std::size_t cIndex = doc.congregations().addCongregation(c);
    const std::int16_t congId = doc.congregations().entry(cIndex).congId;
    BrotherRecord b;
    b.firstName = "Jan";
    b.lastName = "Jansen";
    b.congId = congId;
    doc.brothers().addBrother(b, {});
    const std::int16_t speaker = doc.brothers().entry(0).brotherId;

    const int recent = doc.sheetWeek() - 2;
    const int older = doc.sheetWeek() - 30;
    WeekRecord w = doc.getWeek(recent);
    w.talkNo = 13;
    w.speakerId = speaker;
    doc.commitWeek(w, recent);
    w = doc.getWeek(older);
    w.talkNo = 13;
    doc.commitWeek(w, older);

    TalkEditDialog d(doc, tp.platform, {12}, 0);
    auto v = d.view();
    ASSERT_EQ(v.history.rows.size(), 2u);
    EXPECT_EQ(v.history.rows[0], doc.dateText(recent + 1, 26));
    EXPECT_EQ(v.history.rows[1], doc.dateText(older + 1, 26));
    EXPECT_EQ(v.history.selected, std::vector<int>{0});
    EXPECT_EQ(v.caption, talk(13).title + " ( 13 ) ");

    d.selectHistoryRow(0);
    EXPECT_EQ(d.view().caption, doc.dateText(recent + 1, 26) + " - Jan Jansen - Ambon-Noord");
    d.selectHistoryRow(1);
    EXPECT_EQ(d.view().caption, doc.dateText(older + 1, 26));
}

TEST_F(TalkEditTest, StoringCutsNumberAndTitleAndWritesNoFile) {
    TalkEditDialog d(doc, tp.platform, {4}, 0);  // talk 5
    d.setNumberText("123456789");
    d.setTitle(std::string(100, 'x'));
    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(talk(5).numberText, "12345");
    EXPECT_EQ(talk(5).title, std::string(91, 'x'));
    EXPECT_EQ(talk(5).talkNo, 5);
    EXPECT_TRUE(doc.dataChanged());
    EXPECT_FALSE(dir.exists("talk.dat"));
}

TEST_F(TalkEditTest, CancelAfterNextKeepsTheTalksLeftBehind) {
    const std::string third = talk(3).title;
    TalkEditDialog d(doc, tp.platform, {0, 1, 2}, 0);
    d.setTitle("Eerste");
    d.next();
    EXPECT_EQ(d.position(), 1u);
    EXPECT_EQ(d.view().numberText.text, "2");
    d.setTitle("Tweede");
    d.next();
    d.setTitle("Derde");
    d.cancel();
    EXPECT_TRUE(d.closed());
    EXPECT_FALSE(d.accepted());
    EXPECT_EQ(talk(1).title, "Eerste");
    EXPECT_EQ(talk(2).title, "Tweede");
    EXPECT_EQ(talk(3).title, third);
}

TEST_F(TalkEditTest, PreviousAndNextWrapAroundTheListRows) {
    TalkEditDialog d(doc, tp.platform, {0, 230, 231}, 0);
    d.previous();
    EXPECT_EQ(d.position(), 2u);
    EXPECT_EQ(d.talkIndex(), 231u);
    EXPECT_EQ(d.view().numberText.text, "S-32");
    d.next();
    EXPECT_EQ(d.position(), 0u);
    EXPECT_EQ(d.view().numberText.text, "1");
}

TEST_F(TalkEditTest, ChoosingTopicsStoresThemInTableOrder) {
    TalkEditDialog d(doc, tp.platform, {12}, 0);  // talk 13, topic 5
    d.pressTopicButton();
    auto v = d.view();
    EXPECT_TRUE(v.chooseTopics.visible);
    EXPECT_FALSE(v.talkTopics.visible);
    EXPECT_TRUE(v.editTopics.visible);
    EXPECT_FALSE(v.history.visible);
    EXPECT_FALSE(v.historyGroup.visible);
    EXPECT_EQ(v.topicButton.text, "Bekijk lijst voor lezing 13");
    ASSERT_EQ(v.chooseTopics.rows.size(), 10u);
    EXPECT_EQ(v.chooseTopics.selected, std::vector<int>{topicRow(d, "Gezinsleven / Jongeren")});

    const int religion = topicRow(d, "Religie / Aanbidding");  // topic 8
    const int bible = topicRow(d, "Bijbel / God");             // topic 1
    // Rows given out of order are stored in table order.
    d.setTopicSelection({religion, bible});
    EXPECT_EQ(topicsOf(13), std::vector<std::uint16_t>{5});  // not stored yet
    d.pressTopicButton();
    v = d.view();
    EXPECT_EQ(v.talkTopics.rows,
              (std::vector<std::string>{"Bijbel / God", "Religie / Aanbidding"}));
    d.ok();
    EXPECT_EQ(talk(13).topicNos[0], 1);
    EXPECT_EQ(talk(13).topicNos[1], 8);
    EXPECT_EQ(topicsOf(13).size(), 2u);
}

TEST_F(TalkEditTest, TopicsWithoutANameAreNotOffered) {
    doc.topics().records()[0].name = "  ";
    TalkEditDialog d(doc, tp.platform, {0}, 0);
    d.pressTopicButton();
    EXPECT_EQ(d.view().chooseTopics.rows.size(), 9u);
}

TEST_F(TalkEditTest, ATopicDeletedInTheTopicListDoesNotPassToItsNumbersNextOwner) {
    TalkEditDialog d(doc, tp.platform, {16}, 0);  // talk 17, topic 3
    d.pressTopicButton();
    tp.screens.onTopicListDialog = [&](TopicListDialog& topics) {
        const auto rows = topics.view().list.rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r] == "Prediking / Bediening") topics.selectRow(static_cast<int>(r));
        topics.setEditText("");
        topics.ok();
        topics.pressAdd();
        topics.setEditText("Nieuw onderwerp");
        topics.ok();
        topics.close();
        return false;
    };
    d.pressEditTopics();
    EXPECT_EQ(tp.screens.opened, std::vector<std::string>{"TopicListDialog"});
    // The new topic took number 3 and is offered, without talk 17 in it.
    ASSERT_EQ(doc.topics().records()[doc.topics().findTopicNo(3) - 1].name, "Nieuw onderwerp");
    auto v = d.view();
    EXPECT_NE(topicRow(d, "Nieuw onderwerp"), -1);
    EXPECT_TRUE(v.chooseTopics.selected.empty());
    // Back to showing and stored without touching the selection.
    d.pressTopicButton();
    EXPECT_TRUE(d.view().talkTopics.rows.empty());
    d.ok();
    EXPECT_TRUE(topicsOf(17).empty());
}

}  // namespace
}  // namespace ambon
