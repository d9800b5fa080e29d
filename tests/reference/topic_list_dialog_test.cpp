// The topic list screen: adding, renaming and deleting by clearing, with "topic.dat"
// rewritten after every confirmed edit.
#include "reference/topic_list_dialog.h"

#include <gtest/gtest.h>

#include "calendar/text_services.h"
#include "store/field_codec.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

struct DiskTopic {
    std::string name;
    int topicNo;
    bool operator==(const DiskTopic&) const = default;
};

class TopicListTest : public ::testing::Test {
protected:
    TopicListTest() : doc(tp.clock, tp.messages) { doc.startUp(dir.path()); }

    std::vector<DiskTopic> onDisk() const {
        std::vector<DiskTopic> topics;
        auto bytes = dir.read("topic.dat");
        EXPECT_EQ(bytes.size() % TopicRecord::kSize, 0u);
        for (std::size_t o = 0; o + TopicRecord::kSize <= bytes.size(); o += TopicRecord::kSize)
            topics.push_back({getText(std::span(bytes).subspan(o), 0, 46), getU16(bytes, o + 46)});
        return topics;
    }
    int rowOf(const std::string& name) const {
        const auto& rows = dialog.view().list.rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r] == name) return static_cast<int>(r);
        return -1;
    }

    test::TempDataDir dir;
    test::TestPlatform tp;
    CAmbDoc doc;
    TopicListDialog dialog{doc, tp.platform};
};

TEST_F(TopicListTest, OpensWithTheTopicsAndTheEditFieldHidden) {
    auto v = dialog.view();
    EXPECT_EQ(v.caption, "Onderwerpen");
    ASSERT_EQ(v.list.rows.size(), 10u);
    EXPECT_EQ(v.list.rows[0], "Beproevingen / Problemen");
    EXPECT_EQ(v.add.text, "Voeg Onderwerp Toe");
    EXPECT_TRUE(v.add.visible);
    EXPECT_FALSE(v.edit.visible);
    EXPECT_FALSE(v.ok.visible);
    EXPECT_EQ(v.close.text, "Sluiten");
    // Nothing is written by looking.
    dialog.close();
    EXPECT_TRUE(dialog.closed());
    EXPECT_FALSE(dir.exists("topic.dat"));
}

TEST_F(TopicListTest, AddCutsToFortyFiveCharactersTrimsAndWritesTheSortedFile) {
    dialog.pressAdd();
    auto v = dialog.view();
    EXPECT_TRUE(v.edit.visible);
    EXPECT_TRUE(v.ok.visible);
    EXPECT_FALSE(v.add.visible);
    EXPECT_EQ(v.edit.text, "");
    EXPECT_EQ(dialog.focus(), TopicListDialog::Edit);
    // Two leading blanks and 43 characters make 45; what follows is cut, then the
    // blanks are trimmed away.
    const std::string name = "  Oorlog en vrede in de tijd van het einde \u00e9n";
    ASSERT_EQ(utf8Length(name), 45u);
    dialog.setEditText(name + " nog meer tekst");
    dialog.ok();
    v = dialog.view();
    EXPECT_FALSE(v.edit.visible);
    EXPECT_TRUE(v.add.visible);
    EXPECT_TRUE(v.list.selected.empty());
    const std::string stored = "Oorlog en vrede in de tijd van het einde \u00e9n";
    auto disk = onDisk();
    ASSERT_EQ(disk.size(), 11u);
    // In name order, after "Laatste dagen / Gods oordeel".
    EXPECT_EQ(disk[8], (DiskTopic{stored, 11}));
    EXPECT_EQ(disk[7].name, "Laatste dagen / Gods oordeel");
    EXPECT_EQ(v.list.rows[8], stored);
    // "\u00e9" is one byte in the file: 43 bytes for 43 characters.
    auto bytes = dir.read("topic.dat");
    EXPECT_EQ(bytes[8 * 48 + 41], 0xE9);
    EXPECT_EQ(bytes[8 * 48 + 42], 'n');
    EXPECT_EQ(bytes[8 * 48 + 43], 0x00);
}

TEST_F(TopicListTest, RenameKeepsTheNumberAndRefusesAnotherTopicsName) {
    const int row = rowOf("Prediking / Bediening");
    dialog.selectRow(row);
    EXPECT_EQ(dialog.view().edit.text, "Prediking / Bediening");
    EXPECT_EQ(dialog.focus(), TopicListDialog::Edit);
    dialog.setEditText("Zendingswerk");
    dialog.ok();
    auto disk = onDisk();
    ASSERT_EQ(disk.size(), 10u);
    EXPECT_EQ(disk.back(), (DiskTopic{"Zendingswerk", 3}));

    dialog.selectRow(rowOf("Zendingswerk"));
    dialog.setEditText("bijbel / god");
    dialog.ok();
    EXPECT_EQ(tp.messages.lastText(), "Bijbel / God Dubbele naam.");
    EXPECT_EQ(onDisk(), disk);
    EXPECT_FALSE(dialog.view().edit.visible);

    // The topic's own name in another case is no duplicate.
    tp.messages.shown.clear();
    dialog.selectRow(rowOf("Zendingswerk"));
    dialog.setEditText("ZENDINGSWERK");
    dialog.ok();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_EQ(onDisk().back(), (DiskTopic{"ZENDINGSWERK", 3}));
}

TEST_F(TopicListTest, ClearingTheNameDeletesTheTopicFromTheTalksAsWell) {
    dialog.selectRow(rowOf("Prediking / Bediening"));
    dialog.setEditText("   ");
    dialog.ok();
    auto disk = onDisk();
    ASSERT_EQ(disk.size(), 9u);
    for (const auto& t : disk) EXPECT_NE(t.topicNo, 3);
    for (auto slot : doc.talks().talk(16).topicNos) EXPECT_NE(slot, 3);
    EXPECT_EQ(dialog.deletedTopicNos(), std::vector<std::uint16_t>{3});
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(TopicListTest, DeletingEveryTopicLeavesAnEmptyFileThatStaysEmpty) {
    while (!dialog.view().list.rows.empty()) {
        dialog.selectRow(0);
        dialog.setEditText("");
        dialog.ok();
    }
    ASSERT_TRUE(dir.exists("topic.dat"));
    EXPECT_EQ(dir.size("topic.dat"), 0u);
    // The built-in topics do not come back at the next start.
    doc.topics().load();
    EXPECT_EQ(doc.topics().count(), 0u);
}

TEST_F(TopicListTest, AddingADuplicateOrNothingChangesNoTopic) {
    dialog.pressAdd();
    dialog.setEditText(" geloof / geestelijke gezindheid ");
    dialog.ok();
    EXPECT_EQ(tp.messages.lastText(), "Geloof / Geestelijke gezindheid Dubbele naam.");
    dialog.pressAdd();
    dialog.setEditText("   ");
    dialog.ok();
    EXPECT_EQ(doc.topics().count(), 10u);
    EXPECT_EQ(onDisk().size(), 10u);
    EXPECT_FALSE(dialog.view().edit.visible);
}

}  // namespace
}  // namespace ambon
