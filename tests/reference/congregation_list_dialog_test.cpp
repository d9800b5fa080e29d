// The list of congregations: where its selection goes, edit and pick mode, adding, and
// the type-ahead search.
#include "reference/congregation_list_dialog.h"

#include <gtest/gtest.h>

#include "reference/congregation_dialog.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::congregation;
using test::CongregationFixture;
using L = CongregationListDialog;

class CongregationListTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCongregations({congregation("Assen", 1), congregation("Emmen", 2),
                              congregation("Hoorn", 3), congregation("Zwolle", 4)});
        f.start();
    }
    CongregationFixture f;
};

TEST_F(CongregationListTest, ASelectionAtOrBeyondTheLastEntryFallsBackToTheFirst) {
    struct Case {
        bool pick;
        int preselect;
        int selected;
    };
    // A picker keeps its caller's preselection, the last congregation included; the edit
    // list sends the last entry back to the first as it always has.
    for (Case c : {Case{true, 0, 0}, Case{true, 2, 2}, Case{true, 3, 3}, Case{true, 7, 0},
                   Case{true, -1, 0}, Case{false, 2, 2}, Case{false, 3, 0}}) {
        L list(*f.doc, f.tp.platform, c.pick, c.preselect);
        EXPECT_EQ(list.view().list.selected, std::vector<int>{c.selected})
            << c.pick << "/" << c.preselect;
        EXPECT_EQ(list.focus(), L::List);
    }
}

TEST_F(CongregationListTest, EditingTheLastEntryComesBackOnTheFirst) {
    L list(*f.doc, f.tp.platform);
    list.selectRow(3);
    f.tp.screens.onCongregationDialog = [&](CongregationDialog& d) {
        EXPECT_FALSE(d.addMode());
        EXPECT_EQ(d.view().name.text, "Zwolle");
        d.setText(CongregationDialog::Name, "Zwolle-Zuid");
        d.ok();
        return d.accepted();
    };
    list.ok();
    EXPECT_FALSE(list.closed());
    EXPECT_EQ(list.view().list.rows[3], "Zwolle-Zuid");
    EXPECT_EQ(list.view().list.selected, std::vector<int>{0});
    EXPECT_EQ(list.focus(), L::List);

    // A screen closed without a change leaves the selection alone.
    list.selectRow(3);
    f.tp.screens.onCongregationDialog = [&](CongregationDialog& d) {
        d.cancel();
        return false;
    };
    list.ok();
    EXPECT_EQ(list.view().list.selected, std::vector<int>{3});
}

TEST_F(CongregationListTest, ModesLabelTheButtonsAndDecideWhatOkDoes) {
    L edit(*f.doc, f.tp.platform);
    auto v = edit.view();
    EXPECT_EQ(v.caption, "Selecteer Gemeente ");
    EXPECT_EQ(v.ok.text, "Bewerk");
    EXPECT_EQ(v.cancel.text, "Sluiten");
    EXPECT_EQ(v.add.text, "Voeg Gemeente Toe");
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Assen", "Emmen", "Hoorn", "Zwolle"}));

    L pick(*f.doc, f.tp.platform, true, 1);
    EXPECT_EQ(pick.view().ok.text, "OK");
    pick.doubleClickRow(2);
    EXPECT_TRUE(pick.accepted());
    EXPECT_EQ(pick.selection(), 2);
    EXPECT_TRUE(f.tp.screens.opened.empty());

    // Adding from a pick list edits a new congregation; it comes back selected.
    L adding(*f.doc, f.tp.platform, true, 0);
    f.tp.screens.onCongregationDialog = [&](CongregationDialog& d) {
        EXPECT_TRUE(d.addMode());
        d.setText(CongregationDialog::Name, "Delft");
        d.ok();
        return d.accepted();
    };
    adding.pressAdd();
    EXPECT_FALSE(adding.closed());
    EXPECT_EQ(adding.selection(), 1);
    adding.ok();
    EXPECT_TRUE(adding.accepted());
    EXPECT_EQ(f.doc->congregations().entry(1).name, "Delft");
}

TEST(CongregationListEmpty, AnEmptyTableOffersOnlyAdding) {
    CongregationFixture f;
    f.start();
    L list(*f.doc, f.tp.platform);
    EXPECT_TRUE(list.view().list.rows.empty());
    EXPECT_TRUE(list.view().list.selected.empty());
    EXPECT_EQ(list.selection(), -1);
    EXPECT_EQ(list.focus(), L::Add);
    bool added = false;
    f.tp.screens.onCongregationDialog = [&](CongregationDialog& d) {
        added = d.addMode();
        d.setText(CongregationDialog::Name, "Assen");
        d.ok();
        return true;
    };
    list.ok();  // Bewerk on the empty list
    EXPECT_TRUE(added);
    EXPECT_EQ(list.view().list.rows, std::vector<std::string>{"Assen"});
    EXPECT_EQ(f.congSlot(1).name, "Assen");
}

TEST_F(CongregationListTest, TypedLettersSelectAndScroll) {
    L list(*f.doc, f.tp.platform);
    list.typeOnList("h");
    EXPECT_EQ(list.view().list.selected, std::vector<int>{2});
    EXPECT_EQ(list.view().list.topRow, 2);
    list.typeOnList("7");
    EXPECT_EQ(list.selection(), 2);
    list.typeOnList("z");  // "hz" fails, "z" finds Zwolle
    EXPECT_EQ(list.selection(), 3);
    list.listFocusGained();
    list.typeOnList("e");
    EXPECT_EQ(list.selection(), 1);
    list.selectRow(0);
    EXPECT_EQ(list.view().list.topRow, -1);
}

}  // namespace
}  // namespace ambon
