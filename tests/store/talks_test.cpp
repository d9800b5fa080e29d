// The talk catalogue and the topics: the built-in catalogue, the update of talks 161..230
// from an older file, truncated files, whole-file rewrites, and free topic numbers.
#include "store/talks.h"

#include <gtest/gtest.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::concat;
using test::slice;
using test::u16At;

constexpr std::size_t kTalk = 154;

ByteVector talkRecord(std::uint16_t talkNo, std::string_view title, std::string_view number,
                      std::uint16_t topic = 0) {
    return ByteImage(kTalk).text(0, title).text(93, number).u16(100, talkNo).u16(102, topic);
}

// A full "talk.dat" of 256 records "Titel t" / "t", with the given records replaced.
ByteVector talkFile(const std::vector<std::pair<int, ByteVector>>& replaced = {}) {
    std::vector<ByteVector> records;
    for (int t = 1; t <= 256; ++t) {
        std::string title = "Titel " + std::to_string(t);
        std::string number = std::to_string(t);
        records.push_back(talkRecord(static_cast<std::uint16_t>(t), title, number, 3));
    }
    for (const auto& [t, bytes] : replaced) records[static_cast<std::size_t>(t - 1)] = bytes;
    ByteVector out;
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

class TalksTest : public ::testing::Test {
protected:
    test::StoreWorld w;
    Talks talks{w.io};
};

TEST_F(TalksTest, WithoutAFileTheBuiltInCatalogueIsBuiltAndNothingWritten) {
    talks.load();
    EXPECT_FALSE(talks.loadedFromFile());
    EXPECT_TRUE(w.temp.list().empty());
    struct Case {
        int talkNo;
        const char* numberText;
        std::uint16_t topic;
    };
    for (Case c : {Case{1, "1", 4}, Case{4, "4", 1}, Case{162, "162", 6}, Case{163, "163", 0},
                   Case{230, "230", 0}, Case{231, "S-31", 0}, Case{256, "S-56", 0}}) {
        const TalkRecord& r = talks.talk(static_cast<std::size_t>(c.talkNo - 1));
        EXPECT_EQ(r.talkNo, c.talkNo);
        EXPECT_EQ(r.numberText, c.numberText) << c.talkNo;
        EXPECT_EQ(r.topicNos[0], c.topic) << c.talkNo;
        EXPECT_EQ(r.topicNos[1], 0) << c.talkNo;
    }
    EXPECT_EQ(talks.talk(0).title, "Hoe goed ken je God?");
    EXPECT_EQ(talks.talk(160).title, "Openbare lezing 161");
    for (int t = 195; t <= 230; ++t)
        EXPECT_EQ(talks.talk(static_cast<std::size_t>(t - 1)).title, " ") << t;
    EXPECT_EQ(talks.talkIndexByNumber(231), 230u);
    EXPECT_EQ(talks.talkIndexByNumber(0), kNoTalk);
}

TEST(DefaultTopicOfTalk, EveryTalkUpTo162HasOneAndNoOtherTalkHas) {
    for (int t = 1; t <= 162; ++t) {
        EXPECT_GE(defaultTopicOfTalk(t), 1) << t;
        EXPECT_LE(defaultTopicOfTalk(t), 10) << t;
    }
    for (int t : {-1, 0, 163, 200, 256, 257}) EXPECT_EQ(defaultTopicOfTalk(t), 0) << t;
    // The first and last talk of each topic.
    const int firstAndLast[10][2] = {{4, 150},  {7, 157}, {17, 81}, {1, 159},  {5, 146},
                                     {19, 162}, {2, 156}, {3, 161}, {32, 143}, {11, 160}};
    for (int topic = 1; topic <= 10; ++topic)
        for (int t : firstAndLast[topic - 1]) EXPECT_EQ(defaultTopicOfTalk(t), topic) << t;
}

TEST_F(TalksTest, AnOlderFileHasItsTalks161To230BroughtUpToDate) {
    w.temp.write("talk.dat",
                 talkFile({{160, talkRecord(160, "   ", "S-60")},  // before the range: kept
                           {170, talkRecord(170, "  ", "S-70")},
                           {175, talkRecord(175, "Eigen titel", "S-75")},
                           {180, talkRecord(180, "", "180")},
                           {200, talkRecord(200, " ", "S-100")},  // built-in title is blank
                           {161, talkRecord(161, "", "S-61")},
                           {230, talkRecord(230, "Slot", "S-130")},
                           {231, talkRecord(231, "", "S-31")}}));
    talks.load();
    EXPECT_TRUE(talks.loadedFromFile());
    struct Case {
        int talkNo;
        const char* numberText;
        const char* title;
    };
    for (Case c : {Case{160, "S-60", "   "}, Case{170, "170", "Openbare lezing 170"},
                   Case{175, "175", "Eigen titel"}, Case{180, "180", "Openbare lezing 180"},
                   Case{200, "200", " "}, Case{161, "161", "Openbare lezing 161"},
                   Case{230, "230", "Slot"}, Case{231, "S-31", ""}, Case{12, "12", "Titel 12"}}) {
        const TalkRecord& r = talks.talk(static_cast<std::size_t>(c.talkNo - 1));
        EXPECT_EQ(r.numberText, c.numberText) << c.talkNo;
        EXPECT_EQ(r.title, c.title) << c.talkNo;
        EXPECT_EQ(r.talkNo, c.talkNo);
    }
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(TalksTest, ATruncatedFileKeepsItsRecordsAndTheRestAnswerToTheirNumbers) {
    ByteVector file = slice(talkFile(), 0, 10 * kTalk + 100);  // 10 records and a piece
    w.temp.write("talk.dat", file);
    talks.load();
    EXPECT_EQ(talks.talk(9).title, "Titel 10");
    EXPECT_EQ(talks.talk(10).title, "Titel 11");
    EXPECT_EQ(talks.talk(10).numberText, "11");
    EXPECT_EQ(talks.talk(10).talkNo, 11);  // its talkNo was cut off
    EXPECT_EQ(talks.talk(10).topicNos[0], 0);
    for (std::size_t i = 11; i < 256; ++i) {
        EXPECT_EQ(talks.talk(i).talkNo, i + 1);
        EXPECT_EQ(talks.talkIndexByNumber(static_cast<int>(i + 1)), i);
    }
    EXPECT_EQ(talks.talk(169).title, "Openbare lezing 170");
    EXPECT_EQ(talks.talk(100).title, "");
}

TEST_F(TalksTest, SaveWritesAll256RecordsAndAnUnchangedCatalogueGoesBackByteForByte) {
    // Bytes after the terminators are kept by an unchanged talk.
    ByteVector talk5 = ByteImage(talkRecord(5, "Titel 5", "5", 3)).fill(50, 40, 0xDD);
    const ByteVector original = talkFile({{5, talk5}});
    // A record beyond the 256th is not part of the catalogue.
    w.temp.write("talk.dat", concat({original, talkRecord(257, "Te veel", "257")}));
    talks.load();
    ASSERT_TRUE(talks.save());
    EXPECT_EQ(w.temp.size("talk.dat"), 39424u);
    EXPECT_EQ(w.temp.read("talk.dat"), original);

    talks.talk(41).title = "Nieuwe titel";
    talks.talk(41).topicNos[25] = 40000;
    ASSERT_TRUE(talks.save());
    const ByteVector saved = w.temp.read("talk.dat");
    EXPECT_EQ(slice(saved, 41 * kTalk, kTalk),
              ByteVector(ByteImage(talkRecord(42, "Nieuwe titel", "42", 3)).u16(152, 40000)));
    EXPECT_EQ(slice(saved, 0, 41 * kTalk), slice(original, 0, 41 * kTalk));
}

TEST_F(TalksTest, TheBuiltInCatalogueIsWrittenByTheFirstSave) {
    talks.load();
    ASSERT_TRUE(talks.save());
    const ByteVector saved = w.temp.read("talk.dat");
    ASSERT_EQ(saved.size(), 39424u);
    for (std::size_t i = 0; i < 256; ++i) EXPECT_EQ(u16At(saved, i * kTalk + 100), i + 1);
    EXPECT_EQ(slice(saved, 161 * kTalk, kTalk),
              ByteVector(talkRecord(162, "Openbare lezing 162", "162", 6)));
    EXPECT_EQ(slice(saved, 255 * kTalk + 93, 5), (ByteVector{'S', '-', '5', '6', 0}));
}

TEST_F(TalksTest, AFailedSaveShowsMessage1231) {
    talks.load();
    test::blockFile(w.temp, "talk.dat");
    EXPECT_FALSE(talks.save());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "talk.dat"));
}

// --- Topics ---

ByteVector topicRecord(std::string_view name, std::uint16_t no) {
    return ByteImage(48).text(0, name).u16(46, no);
}

class TopicsTest : public ::testing::Test {
protected:
    std::vector<std::pair<std::string, int>> contents() const {
        std::vector<std::pair<std::string, int>> out;
        for (const auto& r : topics.records()) out.emplace_back(r.name, r.topicNo);
        return out;
    }

    test::StoreWorld w;
    Topics topics{w.io, w.order};
};

TEST_F(TopicsTest, WithoutAFileTheTenBuiltInTopicsAreSortedByName) {
    topics.load();
    EXPECT_EQ(contents(), (std::vector<std::pair<std::string, int>>{
                              {"Beproevingen / Problemen", 9},
                              {"Bijbel / God", 1},
                              {"Christelijke maatstaven / Eigenschappen", 2},
                              {"Geen deel van deze wereld", 10},
                              {"Geloof / Geestelijke gezindheid", 4},
                              {"Gezinsleven / Jongeren", 5},
                              {"Koninkrijk / Paradijs", 6},
                              {"Laatste dagen / Gods oordeel", 7},
                              {"Prediking / Bediening", 3},
                              {"Religie / Aanbidding", 8}}));
    EXPECT_TRUE(w.temp.list().empty());
}

TEST_F(TopicsTest, AFileIsReadToItsEndSortedAndAnEmptyFileGivesNoTopics) {
    ByteVector file = concat({topicRecord("zang", 4), topicRecord("Gebed", 2)});
    ByteVector last = topicRecord("aarde", 7);
    file.insert(file.end(), last.begin(), last.begin() + 47);
    w.temp.write("topic.dat", file);
    topics.load();
    EXPECT_EQ(contents(),
              (std::vector<std::pair<std::string, int>>{{"aarde", 7}, {"Gebed", 2}, {"zang", 4}}));
    EXPECT_EQ(topics.findTopicNo(2), 2u);
    EXPECT_EQ(topics.findTopicNo(3), 0u);

    w.temp.write("topic.dat", {});
    topics.load();
    EXPECT_EQ(topics.count(), 0u);
}

TEST_F(TopicsTest, SaveWritesTheTableAndAnEmptyTableEmptiesTheFile) {
    topics.load();
    ASSERT_TRUE(topics.save());
    const ByteVector saved = w.temp.read("topic.dat");
    ASSERT_EQ(saved.size(), 10 * 48u);
    EXPECT_EQ(slice(saved, 0, 48), topicRecord("Beproevingen / Problemen", 9));
    EXPECT_EQ(slice(saved, 9 * 48, 48), topicRecord("Religie / Aanbidding", 8));

    topics.records().clear();
    ASSERT_TRUE(topics.save());
    EXPECT_EQ(w.temp.size("topic.dat"), 0u);
    topics.load();
    EXPECT_EQ(topics.count(), 0u);
}

TEST_F(TopicsTest, FreeTopicNoIsTheSmallestUnusedFromOneAndStopsAt100) {
    struct Case {
        std::vector<std::uint16_t> used;
        std::uint16_t free;
    };
    std::vector<std::uint16_t> many;
    for (std::uint16_t n = 1; n <= 120; ++n) many.push_back(n);
    for (const auto& c : {Case{{}, 1}, Case{{1, 2, 4}, 3}, Case{{2, 3}, 1}, Case{many, 100}}) {
        topics.records().clear();
        for (auto n : c.used) topics.records().push_back(TopicRecord{.name = "t", .topicNo = n});
        EXPECT_EQ(topics.freeTopicNo(), c.free);
    }
}

}  // namespace
}  // namespace ambon
