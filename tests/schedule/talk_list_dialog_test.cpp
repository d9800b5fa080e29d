// The talk list in its four modes: the catalogue with its free slot and the talk
// editor, choosing among all talks, choosing among a brother's talks with the set view,
// and editing a brother's talk set.
#include "schedule/talk_list_dialog.h"

#include <gtest/gtest.h>

#include "reference/talk_edit_dialog.h"
#include "store/field_codec.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class TalkListTest : public ::testing::Test {
protected:
    TalkListTest() : doc(tp.clock, tp.messages) {
        doc.startUp(dir.path());
        brother.firstName = "Jan";
        brother.lastName = "Jansen";
    }

    void give(std::initializer_list<int> talkNos) {
        for (int t : talkNos) setBit(brother.talks, t - 1, true);
    }
    std::vector<int> setOf(const TalkSet& set) const {
        std::vector<int> talks;
        for (int t = 1; t <= kTalkCount; ++t)
            if (testBit(set, t - 1)) talks.push_back(t);
        return talks;
    }
    // Rows of list 1019 showing these talks.
    std::vector<int> setRows(const TalkListDialog& d, std::initializer_list<int> talkNos) const {
        std::vector<int> rows;
        for (int t : talkNos)
            for (std::size_t r = 0; r < d.setTalks().size(); ++r)
                if (d.setTalks()[r] == static_cast<std::size_t>(t - 1))
                    rows.push_back(static_cast<int>(r));
        return rows;
    }
    std::vector<int> selectedTalksOf(const TalkListDialog& d) const {
        std::vector<int> talks;
        for (int r : d.view().setList.selected)
            talks.push_back(static_cast<int>(d.setTalks()[static_cast<std::size_t>(r)]) + 1);
        return talks;
    }

    test::TempDataDir dir;
    test::TestPlatform tp;
    CAmbDoc doc;
    BrotherRecord brother;
};

// --- the catalogue (command "Lezingen") ---

class CatalogueTest : public TalkListTest {
protected:
    TalkListDialog d{doc, tp.platform, BrotherRecord{}, 1, 0, TalkListDialog::kEditMode};
};

TEST_F(CatalogueTest, AFreshCatalogueListsTalksOneTo194AndThreeSpecialTalks) {
    auto v = d.view();
    EXPECT_EQ(v.caption, "Selecteer lezing om te bewerken");
    EXPECT_EQ(v.ok.text, "Bewerk");
    EXPECT_EQ(v.cancel.text, "Sluiten");
    EXPECT_EQ(v.switchButton.text, "Voeg nieuwe lezing toe");
    EXPECT_TRUE(v.switchButton.visible);
    EXPECT_TRUE(v.list.visible);
    EXPECT_FALSE(v.setList.visible);
    EXPECT_FALSE(v.frame.visible);
    EXPECT_FALSE(v.added.visible);
    EXPECT_FALSE(v.removed.visible);
    EXPECT_EQ(v.list.tabStops, std::vector<int>{25});
    ASSERT_EQ(v.list.rows.size(), 197u);
    EXPECT_EQ(v.list.rows[0], "1\tHoe goed ken je God?");
    EXPECT_EQ(v.list.rows[193], "194\tDe voordelen die Gods wijsheid voor ons heeft");
    EXPECT_EQ(v.list.rows[194], "S-31\tObserving the \"Lord's Evening Meal\"");
    EXPECT_EQ(v.list.rows[195], "S-32\tFuneral Discourse");
    EXPECT_EQ(v.list.rows[196], "S-41\tHonorable Marriage in God's Sight");
    EXPECT_EQ(v.list.selected, std::vector<int>{0});
    EXPECT_EQ(d.listTalks()[196], 240u);
    EXPECT_TRUE(v.setList.rows.empty());
}

TEST_F(CatalogueTest, AddOffersTheFirstFreeSlotThenTheNextOnceItHasATitle) {
    d.pressSwitch();
    auto v = d.view();
    ASSERT_EQ(v.list.rows.size(), 198u);
    EXPECT_EQ(v.list.rows[194], "This Slot is Available for a New Talk");
    EXPECT_EQ(d.listTalks()[194], 194u);  // talk 195
    EXPECT_EQ(v.list.selected, std::vector<int>{194});
    EXPECT_EQ(v.list.topRow, 185);
    EXPECT_FALSE(v.switchButton.visible);

    tp.screens.onTalkEditDialog = [&](TalkEditDialog& editor) {
        EXPECT_EQ(editor.talkIndex(), 194u);
        EXPECT_EQ(editor.view().numberText.text, "195");
        editor.setTitle("Een nieuwe lezing");
        editor.ok();
        return true;
    };
    d.ok();
    EXPECT_FALSE(d.closed());
    v = d.view();
    ASSERT_EQ(v.list.rows.size(), 198u);
    EXPECT_EQ(v.list.rows[194], "195\tEen nieuwe lezing");
    EXPECT_EQ(v.list.selected, std::vector<int>{194});
    EXPECT_TRUE(v.switchButton.visible);

    d.pressSwitch();
    v = d.view();
    EXPECT_EQ(v.list.rows[195], "This Slot is Available for a New Talk");
    EXPECT_EQ(d.listTalks()[195], 195u);  // talk 196
    EXPECT_EQ(v.list.selected, std::vector<int>{195});
}

TEST_F(TalkListTest, TheFreeSlotSitsAboutNineRowsBelowTheTop) {
    for (std::size_t i = 0; i < kTalkCount; ++i) doc.talks().talk(i).title = "Titel";
    struct Case {
        int freeRow;
        int topRow;
    };
    for (Case c :
         {Case{5, 0}, Case{9, 0}, Case{100, 91}, Case{236, 227}, Case{237, 236}, Case{255, 236}}) {
        doc.talks().talk(static_cast<std::size_t>(c.freeRow)).title = "";
        TalkListDialog d(doc, tp.platform, BrotherRecord{}, 1, 0, TalkListDialog::kEditMode);
        d.pressSwitch();
        auto v = d.view();
        EXPECT_EQ(v.list.selected, std::vector<int>{c.freeRow}) << c.freeRow;
        EXPECT_EQ(v.list.topRow, c.topRow) << c.freeRow;
        doc.talks().talk(static_cast<std::size_t>(c.freeRow)).title = "Titel";
    }
}

TEST_F(TalkListTest, WithEveryTalkTitledAddOffersNothingAndStaysAvailable) {
    for (std::size_t i = 0; i < kTalkCount; ++i) doc.talks().talk(i).title = "Titel";
    TalkListDialog d(doc, tp.platform, BrotherRecord{}, 1, 0, TalkListDialog::kEditMode);
    d.selectRow(40);
    d.pressSwitch();
    auto v = d.view();
    EXPECT_EQ(v.list.rows.size(), 256u);
    EXPECT_EQ(v.list.selected, std::vector<int>{40});
    EXPECT_TRUE(v.switchButton.visible);
}

TEST_F(CatalogueTest, EditFollowsTheEditorsWalkAndClosingWritesTheTalkFile) {
    d.selectRow(4);  // talk 5
    tp.screens.onTalkEditDialog = [&](TalkEditDialog& editor) {
        EXPECT_EQ(editor.position(), 4u);
        editor.setTitle("Titel van vijf");
        editor.next();
        editor.setTitle("Titel van zes");
        editor.next();
        editor.cancel();  // talk 7 untouched
        return false;
    };
    d.ok();
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(d.view().list.selected, std::vector<int>{6});
    EXPECT_EQ(d.view().list.rows[4], "5\tTitel van vijf");
    EXPECT_FALSE(dir.exists("talk.dat"));

    d.cancel();
    EXPECT_TRUE(d.closed());
    auto bytes = dir.read("talk.dat");
    ASSERT_EQ(bytes.size(), 39424u);
    std::span<const std::uint8_t> all(bytes);
    EXPECT_EQ(getText(all, 4 * 154, 93), "Titel van vijf");
    EXPECT_EQ(getText(all, 5 * 154, 93), "Titel van zes");
    EXPECT_EQ(getText(all, 5 * 154 + 93, 7), "6");
    EXPECT_EQ(getU16(all, 5 * 154 + 100), 6);
    EXPECT_EQ(getText(all, 6 * 154, 93), doc.talks().talk(6).title);
}

TEST_F(CatalogueTest, DoubleClickOpensTheEditor) {
    int opened = 0;
    tp.screens.onTalkEditDialog = [&](TalkEditDialog& editor) {
        ++opened;
        EXPECT_EQ(editor.talkIndex(), 230u);  // S-31
        editor.ok();
        return true;
    };
    d.doubleClickRow(194);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(d.view().list.selected, std::vector<int>{194});
}

// --- mode 1: one talk among all talks ---

TEST_F(TalkListTest, ChooseAnySelectsTheCurrentTalkEvenBehindEmptySlots) {
    // S-31 is talk 231 but row 194: rows and talk numbers part after the free slots.
    TalkListDialog d(doc, tp.platform, BrotherRecord{}, 231, 231, TalkListDialog::kChooseAny);
    auto v = d.view();
    EXPECT_EQ(v.caption, "Selecteer lezing");
    EXPECT_EQ(v.cancel.text, "Cancel");
    EXPECT_EQ(v.ok.text, "OK");
    EXPECT_FALSE(v.switchButton.visible);
    EXPECT_EQ(v.list.selected, std::vector<int>{194});
    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(d.itemChosen(), 230u);
    EXPECT_EQ(d.chosenTalkNo(), 231);
}

TEST_F(TalkListTest, ChooseAnyWithoutATalkStartsAtTheFirstAndDoubleClickChooses) {
    TalkListDialog d(doc, tp.platform, BrotherRecord{}, 0, 0, TalkListDialog::kChooseAny);
    EXPECT_EQ(d.view().list.selected, std::vector<int>{0});
    d.pressSwitch();  // hidden in this mode
    EXPECT_EQ(d.view().list.rows.size(), 197u);
    d.doubleClickRow(11);
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(d.chosenTalkNo(), 12);
}

// --- mode 2: one of the brother's talks, with the set view ---

class ChooseOwnTest : public TalkListTest {
protected:
    ChooseOwnTest() { give({12, 45, 231}); }
};

TEST_F(ChooseOwnTest, ListsTheBrothersTalksWithTheCurrentOneSelected) {
    TalkListDialog d(doc, tp.platform, brother, 0, 45, TalkListDialog::kChooseOwn);
    auto v = d.view();
    EXPECT_EQ(v.caption, "Selecteer lezing");
    EXPECT_EQ(v.switchButton.text, "Bewerk lijst");
    EXPECT_TRUE(v.switchButton.visible);
    EXPECT_EQ(v.cancel.text, "Cancel");
    ASSERT_EQ(v.list.rows.size(), 3u);
    EXPECT_EQ(v.list.rows[2], "S-31\tObserving the \"Lord's Evening Meal\"");
    EXPECT_EQ(v.list.selected, std::vector<int>{1});
    d.selectRow(2);
    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(d.chosenTalkNo(), 231);
    EXPECT_FALSE(dir.exists("talk.dat"));
}

TEST_F(ChooseOwnTest, CancelInTheSetViewRestoresTheSetAndReturnsToTheList) {
    TalkListDialog d(doc, tp.platform, brother, 0, 45, TalkListDialog::kChooseOwn);
    d.pressSwitch();
    auto v = d.view();
    EXPECT_TRUE(d.editSetView());
    EXPECT_TRUE(v.setList.visible);
    EXPECT_FALSE(v.list.visible);
    EXPECT_TRUE(v.frame.visible);
    EXPECT_TRUE(v.detail.visible);
    EXPECT_EQ(v.switchButton.text, "Bekijk lijst");
    EXPECT_EQ(v.caption, "Jan Jansen - 3 lezingen");
    EXPECT_EQ(d.focus(), TalkListDialog::SetList);
    EXPECT_EQ(selectedTalksOf(d), (std::vector<int>{12, 45, 231}));

    d.setSetSelection(setRows(d, {45, 100, 231}));
    v = d.view();
    EXPECT_EQ(v.caption, "Jan Jansen - 3 lezingen");
    EXPECT_EQ(v.added.text, "Toegevoegd 1");
    EXPECT_EQ(v.removed.text, "Verwijdert 1");
    EXPECT_TRUE(v.added.visible);
    EXPECT_TRUE(v.removed.visible);

    d.cancel();
    EXPECT_FALSE(d.closed());
    EXPECT_FALSE(d.editSetView());
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{12, 45, 231}));
    v = d.view();
    EXPECT_FALSE(v.added.visible);
    EXPECT_FALSE(v.removed.visible);
    EXPECT_EQ(v.list.rows.size(), 3u);
    EXPECT_EQ(v.list.selected, std::vector<int>{1});
    EXPECT_EQ(v.caption, "Jan Jansen - 3 lezingen");
    EXPECT_EQ(d.focus(), TalkListDialog::List);
}

TEST_F(ChooseOwnTest, OkInTheSetViewKeepsTheEditsAndReturnsToTheList) {
    TalkListDialog d(doc, tp.platform, brother, 0, 45, TalkListDialog::kChooseOwn);
    d.pressSwitch();
    d.setSetSelection(setRows(d, {45, 100, 231, 2}));
    d.ok();
    EXPECT_FALSE(d.closed());
    EXPECT_FALSE(d.editSetView());
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{2, 45, 100, 231}));
    auto v = d.view();
    ASSERT_EQ(v.list.rows.size(), 4u);
    EXPECT_EQ(v.list.rows[0], "2\tZul ji de laatste dagen overleven?");
    EXPECT_EQ(v.list.selected, std::vector<int>{1});
    EXPECT_EQ(v.added.text, "Toegevoegd 2");
    EXPECT_EQ(v.removed.text, "Verwijdert 1");

    // A second visit to the set view cancelled undoes only that visit.
    d.pressSwitch();
    d.setSetSelection({});
    EXPECT_EQ(d.view().caption, "Jan Jansen - 0 lezingen");
    d.cancel();
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{2, 45, 100, 231}));

    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(d.chosenTalkNo(), 45);
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{2, 45, 100, 231}));
}

TEST_F(TalkListTest, ChooseOwnWithoutTalksIsCancelledByOkButItsSetViewStillWorks) {
    TalkListDialog d(doc, tp.platform, brother, 0, 0, TalkListDialog::kChooseOwn);
    EXPECT_TRUE(d.view().list.rows.empty());
    d.pressSwitch();
    d.setSetSelection(setRows(d, {7}));
    // OK in the set view keeps the new talk, though list 165 had nothing selected.
    d.ok();
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(setOf(d.brother().talks), std::vector<int>{7});
    EXPECT_EQ(d.view().list.selected, std::vector<int>{0});

    TalkListDialog empty(doc, tp.platform, brother, 0, 0, TalkListDialog::kChooseOwn);
    empty.ok();
    EXPECT_TRUE(empty.closed());
    EXPECT_FALSE(empty.accepted());
}

// --- mode 0 without a selected talk: a brother's talk set ---

TEST_F(TalkListTest, SetEditingCountsAddedAndRemovedTalks) {
    give({1, 2, 3, 200});  // talk 200 has no title
    TalkListDialog d(doc, tp.platform, brother, 0, 0, TalkListDialog::kEditMode);
    auto v = d.view();
    EXPECT_TRUE(d.editSetView());
    EXPECT_EQ(v.caption, "Jan Jansen - 3 lezingen");
    EXPECT_EQ(v.cancel.text, "Cancel");
    EXPECT_EQ(v.ok.text, "OK");
    EXPECT_EQ(v.switchButton.text, "Bekijk lijst");
    ASSERT_EQ(v.setList.rows.size(), 197u);
    EXPECT_EQ(v.setList.rows[0], "  1");
    EXPECT_EQ(v.setList.rows[196], "  S-41");
    EXPECT_EQ(v.setList.selected, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(v.added.visible);
    EXPECT_FALSE(v.removed.visible);

    d.setSetSelection(setRows(d, {3, 10, 11, 12}));
    v = d.view();
    EXPECT_EQ(v.caption, "Jan Jansen - 4 lezingen");
    EXPECT_EQ(v.added.text, "Toegevoegd 3");
    EXPECT_EQ(v.removed.text, "Verwijdert 2");
    // A talk without a title is not listed and keeps its place in the set.
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{3, 10, 11, 12, 200}));

    // The list view shows the set; a double click there goes back.
    d.pressSwitch();
    v = d.view();
    EXPECT_FALSE(d.editSetView());
    EXPECT_EQ(v.switchButton.text, "Selecteer Lezingen");
    ASSERT_EQ(v.list.rows.size(), 4u);
    EXPECT_EQ(v.list.rows[0], "3\t" + doc.talks().talk(2).title);
    EXPECT_EQ(v.added.text, "Toegevoegd 3");
    d.doubleClickRow(1);
    EXPECT_TRUE(d.editSetView());
    EXPECT_FALSE(d.closed());

    d.ok();
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(setOf(d.brother().talks), (std::vector<int>{3, 10, 11, 12, 200}));
    EXPECT_FALSE(dir.exists("talk.dat"));
}

TEST_F(TalkListTest, SetListHoverShowsTheTalkAndLeavingClearsIt) {
    TalkListDialog d(doc, tp.platform, brother, 0, 0, TalkListDialog::kEditMode);
    d.hoverRow(194);
    EXPECT_EQ(d.view().detail.text, "Observing the \"Lord's Evening Meal\" ( S-31 ) ");
    d.hoverRow(0);
    EXPECT_EQ(d.view().detail.text, "Hoe goed ken je God? ( 1 ) ");
    d.hoverLeave();
    EXPECT_EQ(d.view().detail.text, "");
    d.hoverRow(5000);
    EXPECT_EQ(d.view().detail.text, "");
}

}  // namespace
}  // namespace ambon
