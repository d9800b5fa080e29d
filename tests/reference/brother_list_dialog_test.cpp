// The list of brothers: rows and their marks in every mode, the two legends, the role
// modes with the outgoing-speaker filter and the nearest outgoing week, choosing, adding
// from a picker, and moving a brother into the congregation of a filtered list.
#include "reference/brother_list_dialog.h"

#include <gtest/gtest.h>

#include "reference/brother_dialog.h"
#include "support/brother_fixture.h"

namespace ambon {
namespace {

using L = BrotherListDialog;
using test::BrotherFixture;

class BrotherListDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeStandardWorld();
        f.start();
    }
    std::vector<std::string> rows(const L::Options& options) {
        L list(*f.doc, f.tp.platform, options);
        return list.view().list.rows;
    }
    L::Options outgoing(int week) {
        L::Options o;
        o.congFilter = BrotherFixture::Assen;
        o.role = L::kOutgoingSpeaker;
        o.week = week;
        return o;
    }
    // A week well inside the table, where the outgoing search runs.
    int someWeek() const { return f.doc->todayWeek() + 10; }

    BrotherFixture f;
};

TEST_F(BrotherListDialogTest, PlainListShowsEveryBrotherLastNameFirstWithTheLegends) {
    L list(*f.doc, f.tp.platform, {});
    auto v = list.view();
    EXPECT_EQ(v.caption, "Broeders");
    EXPECT_EQ(v.list.rows,
              (std::vector<std::string>{"Bakker, Jan", "(\u00a7) de Vries, Bert", "Mol, Henk",
                                        "Smit, Piet", "Visser, Kees", "* Zwart, Anton"}));
    EXPECT_EQ(v.list.selected, std::vector<int>{0});
    EXPECT_EQ(v.list.tabStops, std::vector<int>{100});
    EXPECT_EQ(v.unavailable.text, "* No Congregation ( 1 )");
    EXPECT_TRUE(v.unavailable.visible);
    EXPECT_EQ(v.suspended.text, "(\u00a7) Suspended ( 1 )");
    EXPECT_TRUE(v.suspended.visible);
    EXPECT_EQ(v.ok.text, "Bewerk...");
    EXPECT_EQ(v.cancel.text, "Sluiten");
    EXPECT_EQ(v.add.text, "Broeder Toevoegen");
    EXPECT_TRUE(v.add.visible);
    EXPECT_EQ(list.focus(), L::List);

    // Typed letters find a row by its text.
    list.typeOnList("s");
    EXPECT_EQ(list.view().list.selected, std::vector<int>{3});
    EXPECT_EQ(list.selectedIndex(), static_cast<int>(f.indexOf(BrotherFixture::Piet)));
}

TEST_F(BrotherListDialogTest, ACongregationFilterShowsGivenNamesAndHidesEmptyLegends) {
    L::Options o;
    o.congFilter = BrotherFixture::Emmen;
    L list(*f.doc, f.tp.platform, o);
    auto v = list.view();
    EXPECT_EQ(v.list.rows, std::vector<std::string>{"Piet Smit"});
    EXPECT_FALSE(v.unavailable.visible);
    EXPECT_FALSE(v.suspended.visible);
    EXPECT_EQ(v.suspended.text, "");
}

TEST_F(BrotherListDialogTest, MarksAreAppliedInTheirOrder) {
    // Anton: no congregation, suspended and unavailable in the week.
    BrotherRecord anton = f.brotherSlot(BrotherFixture::Anton);
    anton.flags = BrotherRecord::kSuspendedBit;
    f.doc->brothers().writeBrotherSlot(BrotherFixture::Anton, anton);
    f.doc->brothers().refreshBrotherEntry(f.indexOf(BrotherFixture::Anton), BrotherFixture::Anton,
                                          anton);
    const int week = someWeek();
    f.doc->unavailability().addUnavailable(BrotherFixture::Anton, week, f.doc->todayWeek());
    f.doc->unavailability().addUnavailable(BrotherFixture::Jan, week + 1, f.doc->todayWeek());

    L::Options o;
    o.selectMode = true;
    o.week = week;
    L list(*f.doc, f.tp.platform, o);
    auto v = list.view();
    EXPECT_EQ(v.list.rows.back(), "* (\u00a7) * Zwart, Anton");
    EXPECT_EQ(v.list.rows.front(), "Bakker, Jan");  // unavailable in another week only
    EXPECT_EQ(v.unavailable.text, "* Niet beschikbaar - " + f.doc->dateText(week, 2));
    EXPECT_TRUE(v.unavailable.visible);
    EXPECT_EQ(v.suspended.text, "(\u00a7) Suspended ( 2 )");

    // Nobody unavailable in the week: the legend goes.
    o.week = week + 2;
    L other(*f.doc, f.tp.platform, o);
    EXPECT_FALSE(other.view().unavailable.visible);
}

TEST_F(BrotherListDialogTest, OutgoingRoleKeepsAvailableSpeakersWithTalksAndMarksServants) {
    // Bert is suspended, Henk gives no talk, Piet and Anton are not of the congregation.
    EXPECT_EQ(rows(outgoing(0)), (std::vector<std::string>{"Jan Bakker", "Kees Visser"}));
    const int week = someWeek();
    EXPECT_EQ(rows(outgoing(week)), (std::vector<std::string>{"Jan Bakker (DB)", "Kees Visser"}));

    // Without the duty he is not offered.
    for (auto& local : f.doc->localBrothers())
        if (local.brotherId == BrotherFixture::Kees) local.roles = 0;
    EXPECT_EQ(rows(outgoing(week)), std::vector<std::string>{"Jan Bakker (DB)"});
}

TEST_F(BrotherListDialogTest, NearestOutgoingWeekWithinSevenWeeksTheEarlierOnATie) {
    struct Case {
        std::vector<int> outgoing;  // offsets of Kees's outgoing weeks from the given week
        int expected;               // offset of the week shown, or 99 for none
    };
    const Case cases[] = {
        {{3, -3}, -3}, {{2, -5}, 2}, {{0, 1}, 0}, {{-7}, -7}, {{7}, 7}, {{8, -8}, 99}, {{}, 99},
    };
    const int week = someWeek();
    for (const auto& c : cases) {
        for (int d = -10; d <= 10; ++d) f.week(week + d).outSpeakerId = {};
        for (int d : c.outgoing) f.week(week + d).outSpeakerId[5] = BrotherFixture::Kees;
        std::string expected = "Kees Visser";
        if (c.expected != 99) expected += "\t # " + f.doc->dateText(week + c.expected, 9);
        EXPECT_EQ(rows(outgoing(week))[1], expected) << c.expected;
    }
}

TEST_F(BrotherListDialogTest, NoOutgoingSearchCloseToTheFirstWeekOfTheTable) {
    const int firstHeld = f.doc->firstWeek() + 1;
    for (int week : {firstHeld + 7, firstHeld + 8}) {
        f.week(week).outSpeakerId[0] = BrotherFixture::Kees;
        const std::string marked = "Kees Visser\t # " + f.doc->dateText(week, 9);
        EXPECT_EQ(rows(outgoing(week))[1], week - firstHeld < 8 ? "Kees Visser" : marked);
    }
}

TEST_F(BrotherListDialogTest, RoleModePreselectsTheHolderAndReturnsTheChosenBrother) {
    L::Options o;
    o.congFilter = BrotherFixture::Assen;
    o.role = L::kTalkCoordinator;
    o.preselectId = BrotherFixture::Kees;
    L list(*f.doc, f.tp.platform, o);
    auto v = list.view();
    EXPECT_EQ(v.caption, "Selecteer Lezing Coordinator");
    EXPECT_EQ(v.list.rows.back(), "Kees Visser");
    EXPECT_EQ(v.list.selected, std::vector<int>{3});  // the last row stays selected
    EXPECT_EQ(v.ok.text, "&Select");
    EXPECT_EQ(v.cancel.text, "&Cancel");
    EXPECT_FALSE(v.add.visible);

    list.pressAdd();  // not offered in a role mode
    EXPECT_TRUE(f.tp.screens.opened.empty());
    list.doubleClickRow(0);
    EXPECT_TRUE(list.accepted());
    EXPECT_EQ(list.chosenIndex(), static_cast<int>(f.indexOf(BrotherFixture::Jan)));

    for (int role = 1; role <= 7; ++role) {
        L::Options r;
        r.role = role;
        EXPECT_EQ(L(*f.doc, f.tp.platform, r).view().caption, "Selecteer " + L::roleWord(role));
    }
}

TEST_F(BrotherListDialogTest, SelectModeLeavesOutTheExcludedCongregation) {
    L::Options o;
    o.selectMode = true;
    o.excludeCong = BrotherFixture::Assen;
    L list(*f.doc, f.tp.platform, o);
    auto v = list.view();
    EXPECT_EQ(v.caption, "Selecteer Spreker");
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Smit, Piet", "* Zwart, Anton"}));
    EXPECT_EQ(v.add.text, "&Nieuwe Spreker");
    EXPECT_TRUE(v.add.visible);
    o.hideAdd = true;
    EXPECT_FALSE(L(*f.doc, f.tp.platform, o).view().add.visible);

    list.selectRow(1);
    list.ok();
    EXPECT_TRUE(list.accepted());
    EXPECT_EQ(list.chosenIndex(), static_cast<int>(f.indexOf(BrotherFixture::Anton)));
}

TEST_F(BrotherListDialogTest, AnEmptyPickerStaysOpen) {
    L::Options o;
    o.selectMode = true;
    o.congFilter = BrotherFixture::Hoorn;
    L list(*f.doc, f.tp.platform, o);
    list.ok();
    EXPECT_FALSE(list.closed());
    EXPECT_EQ(list.chosenIndex(), -1);
}

TEST_F(BrotherListDialogTest, EditingRefillsTheListAndWritesTheUnavailableWeeks) {
    L list(*f.doc, f.tp.platform, {});
    list.selectRow(3);  // Smit, Piet
    f.tp.screens.onBrotherDialog = [&](BrotherDialog& d) {
        EXPECT_FALSE(d.addMode());
        EXPECT_EQ(d.view().lastName.text, "Smit");
        d.setText(BrotherDialog::LastName, "Aalders");
        // Something that changed the unavailable weeks without writing them.
        f.doc->unavailability().addUnavailable(BrotherFixture::Piet, f.doc->todayWeek() + 2,
                                               f.doc->todayWeek());
        d.ok();
        return true;
    };
    list.ok();
    EXPECT_FALSE(list.closed());
    EXPECT_EQ(list.view().list.rows.front(), "Aalders, Piet");
    EXPECT_EQ(list.focus(), L::List);
    EXPECT_EQ(f.dir.size("blackout.dat"), 8u);
    EXPECT_EQ(getI16(f.dir.read("blackout.dat"), 0), BrotherFixture::Piet);
}

TEST_F(BrotherListDialogTest, AddingFromAPickerClosesItAsCancelledInTheExcludedCongregation) {
    L::Options o;
    o.selectMode = true;
    o.excludeCong = BrotherFixture::Emmen;
    L list(*f.doc, f.tp.platform, o);
    f.tp.screens.onBrotherDialog = [](BrotherDialog& d) {
        EXPECT_TRUE(d.addMode());
        EXPECT_FALSE(d.view().congregation.visible);
        d.setText(BrotherDialog::FirstName, "Wim");
        d.setText(BrotherDialog::LastName, "Kok");
        d.ok();
        return true;
    };
    list.pressAdd();
    EXPECT_TRUE(list.closed());
    EXPECT_FALSE(list.accepted());
    EXPECT_EQ(list.chosenIndex(), -1);
    BrotherRecord wim = f.brotherSlot(7);
    EXPECT_EQ(wim.lastName, "Kok");
    EXPECT_EQ(wim.congId, BrotherFixture::Emmen);

    // Cancelling the editor leaves the picker open.
    L again(*f.doc, f.tp.platform, o);
    f.tp.screens.onBrotherDialog = [](BrotherDialog& d) {
        d.cancel();
        return false;
    };
    again.pressAdd();
    EXPECT_FALSE(again.closed());
}

TEST_F(BrotherListDialogTest, AddingToACongregationMovesAChosenBrotherAfterAsking) {
    const int week = f.doc->todayWeek() + 3;
    f.week(week).speakerId = BrotherFixture::Piet;
    f.week(week).speakerCongId = BrotherFixture::Emmen;

    L::Options o;
    o.congFilter = BrotherFixture::Assen;
    L list(*f.doc, f.tp.platform, o);
    auto pickPiet = [](L& nested) {
        EXPECT_EQ(nested.view().caption, "Selecteer Spreker");
        EXPECT_EQ(nested.options().excludeCong, BrotherFixture::Assen);
        EXPECT_EQ(nested.view().list.rows.front(), "Smit, Piet");
        nested.selectRow(0);
        nested.ok();
        return nested.accepted();
    };
    f.tp.screens.onBrotherListDialog = pickPiet;

    f.tp.messages.answer(MsgResult::No);
    list.pressAdd();
    EXPECT_EQ(f.tp.messages.lastText(),
              "Piet Smit is toegewezen aan de Emmen gemeente.\n\nDo \nyou want to move him?");
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Piet).congId, BrotherFixture::Emmen);
    EXPECT_EQ(list.view().list.rows.size(), 4u);
    EXPECT_FALSE(f.doc->dataChanged());

    f.tp.messages.answer(MsgResult::Yes);
    list.pressAdd();
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Piet).congId, BrotherFixture::Assen);
    auto v = list.view();
    EXPECT_EQ(v.list.rows.size(), 5u);
    EXPECT_EQ(v.list.rows[static_cast<std::size_t>(v.list.current())], "Piet Smit");
    EXPECT_TRUE(f.doc->dataChanged());
    bool retagged = false;
    for (const auto& w : f.weeksOnDisk())
        if (w.week == week) retagged = w.speakerCongId == BrotherFixture::Assen;
    EXPECT_TRUE(retagged);

    // A brother without a congregation is moved without a question.
    f.tp.screens.onBrotherListDialog = [](L& nested) {
        nested.selectRow(0);  // Zwart, Anton, the only one left outside Assen
        nested.ok();
        return true;
    };
    const auto asked = f.tp.messages.shown.size();
    list.pressAdd();
    EXPECT_EQ(f.tp.messages.shown.size(), asked);
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Anton).congId, BrotherFixture::Assen);
}

TEST_F(BrotherListDialogTest, AnEmptyListAddsAndTheLastRowFallsBackToTheFirst) {
    L::Options o;
    o.congFilter = BrotherFixture::Hoorn;
    L list(*f.doc, f.tp.platform, o);
    f.tp.screens.onBrotherDialog = [](BrotherDialog& d) {
        EXPECT_TRUE(d.addMode());
        EXPECT_EQ(d.view().congregation.visible, false);
        d.setText(BrotherDialog::FirstName, "Ab");
        d.setText(BrotherDialog::LastName, "Zeeman");
        d.ok();
        return true;
    };
    list.ok();
    EXPECT_EQ(list.view().list.rows, std::vector<std::string>{"Ab Zeeman"});
    EXPECT_EQ(f.brotherSlot(7).congId, BrotherFixture::Hoorn);

    L all(*f.doc, f.tp.platform, {});
    all.selectRow(all.rowCount() - 1);
    all.refill();
    EXPECT_EQ(all.selection(), 0);
}

}  // namespace
}  // namespace ambon
