// The congregation screen: adding, renaming, the duplicate and overwrite rules, deleting
// with everything that refers to the congregation, the meeting schedule fields,
// navigation, what the screen shows, and its brothers list and role pickers.
#include "reference/congregation_dialog.h"

#include <gtest/gtest.h>

#include "reference/brother_dialog.h"
#include "reference/brother_list_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/name_list_dialog.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::brother;
using test::congregation;
using test::CongregationFixture;
using C = CongregationDialog;

class CongregationDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCircuits({{"Noord", 30001}});
        auto assen = congregation("Assen", 1, 30001);
        assen.hallAddress1 = "Kerkstraat 1";
        assen.mapFile = "assen.jpg";
        assen.raw[240] = 0x5A;  // a byte the program does not interpret
        auto emmen = congregation("Emmen", 2);
        emmen.elderCoordinatorId = 1;
        emmen.talkCoordinatorId = 9;  // no longer in the brother table
        f.writeCongregations({assen, emmen, congregation("Hoorn", 3)});
        f.writeBrothers({brother("Jan", "Jansen", 1, 2), brother("Piet", "Pieters", 2, 2),
                         brother("Kees", "Smit", 3, 1)});
        f.start();
    }

    // The list in edit mode with a row selected, and the screen on it.
    std::unique_ptr<CongregationListDialog> list(int row = 0) {
        auto l = std::make_unique<CongregationListDialog>(*f.doc, f.tp.platform, false, row);
        l->setSelection(row);
        return l;
    }

    CongregationFixture f;
};

TEST_F(CongregationDialogTest, AddingStoresInTheFirstFreeSlotAndSortsTheTable) {
    auto l = list();
    C dialog(*f.doc, f.tp.platform, *l, true);
    dialog.setText(C::Name, "Delft");
    dialog.setText(C::Address1, "Markt 5");
    dialog.setText(C::Phone1, "015-1234567");
    dialog.ok();

    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(dialog.changed());
    EXPECT_TRUE(f.doc->dataChanged());
    CongregationRecord stored = f.congSlot(4);
    EXPECT_EQ(stored.name, "Delft");
    EXPECT_EQ(stored.congId, 4);
    EXPECT_EQ(stored.hallAddress1, "Markt 5");
    EXPECT_EQ(stored.phone1, "015-1234567");
    EXPECT_EQ(f.congregationNames(),
              (std::vector<std::string>{"Assen", "Delft", "Emmen", "Hoorn"}));
    // The list shows the new congregation, selected.
    EXPECT_EQ(l->view().list.rows.size(), 4u);
    EXPECT_EQ(l->selection(), 1);
}

TEST_F(CongregationDialogTest, AFreedSlotAndItsIdGoToTheNextCongregation) {
    auto l = list(1);  // Emmen, slot 2
    C del(*f.doc, f.tp.platform, *l, false);
    f.tp.messages.answer(MsgResult::Yes);
    del.pressDelete();

    C add(*f.doc, f.tp.platform, *l, true);
    add.setText(C::Name, "Zwolle");
    add.ok();
    EXPECT_EQ(f.congSlot(2).name, "Zwolle");
    EXPECT_EQ(f.congSlot(2).congId, 2);
    EXPECT_EQ(f.dir.size("cong.dat"), 4u * 256);
}

TEST_F(CongregationDialogTest, ADuplicateNewNameMayOverwriteTheExistingCongregation) {
    auto l = list();
    const auto before = f.dir.read("cong.dat");

    C refused(*f.doc, f.tp.platform, *l, true);
    refused.setText(C::Name, "ASSEN");
    refused.setText(C::Phone1, "0592-999999");
    f.tp.messages.answer(MsgResult::No);
    refused.ok();
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].text,
              "Assen Dubbele naam.\n\nOverschrijven met nieuwe gegevens?");
    EXPECT_EQ(f.tp.messages.shown[0].defaultButton, MsgResult::No);
    EXPECT_EQ(f.dir.read("cong.dat"), before);
    EXPECT_FALSE(f.doc->dataChanged());
    EXPECT_EQ(l->selection(), 0);

    C accepted(*f.doc, f.tp.platform, *l, true);
    accepted.setText(C::Name, "ASSEN");
    accepted.setText(C::Phone1, "0592-999999");
    f.tp.messages.answer(MsgResult::Yes);
    accepted.ok();
    // Same number and slot; the record is the new one, so the old circuit, address, map
    // and uninterpreted bytes are gone.
    CongregationRecord stored = f.congSlot(1);
    EXPECT_EQ(stored.congId, 1);
    EXPECT_EQ(stored.name, "ASSEN");
    EXPECT_EQ(stored.phone1, "0592-999999");
    EXPECT_EQ(stored.circuitId, 0);
    EXPECT_EQ(stored.hallAddress1, "");
    EXPECT_EQ(stored.mapFile, "");
    EXPECT_EQ(stored.raw[240], 0);
    EXPECT_EQ(f.dir.size("cong.dat"), 4u * 256);
    EXPECT_EQ(f.doc->congregations().count(), 3u);
    EXPECT_EQ(f.doc->congregations().entry(0).circuitId, 0);
}

TEST_F(CongregationDialogTest, RenamingKeepsEverythingElseAndTheTableOrder) {
    auto l = list(0);  // Assen
    C dialog(*f.doc, f.tp.platform, *l, false);
    dialog.setText(C::Name, "Zuidlaren");
    dialog.ok();

    CongregationRecord stored = f.congSlot(1);
    EXPECT_EQ(stored.name, "Zuidlaren");
    EXPECT_EQ(stored.congId, 1);
    EXPECT_EQ(stored.circuitId, 30001);
    EXPECT_EQ(stored.hallAddress1, "Kerkstraat 1");
    EXPECT_EQ(stored.mapFile, "assen.jpg");
    EXPECT_EQ(stored.raw[240], 0x5A);
    EXPECT_TRUE(dialog.changed());
    // Renamed in place; the order is restored only by the next addition.
    EXPECT_EQ(f.congregationNames(), (std::vector<std::string>{"Zuidlaren", "Emmen", "Hoorn"}));
}

TEST_F(CongregationDialogTest, AFileThatCannotBeWrittenIsReportedAndMemoryStillChanges) {
    // A folder in place of "cong.dat": nothing can be read or written.
    std::filesystem::remove(f.dir.file("cong.dat"));
    std::filesystem::create_directory(f.dir.file("cong.dat"));
    auto l = list(0);
    C dialog(*f.doc, f.tp.platform, *l, false);
    // What memory knows is shown and kept.
    EXPECT_EQ(dialog.view().circuit.text, "Kring - Noord");
    dialog.setText(C::Name, "Zuidlaren");
    dialog.ok();
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].text.rfind("Unable to update file: ", 0), 0u);
    EXPECT_NE(f.tp.messages.shown[0].text.find("cong.dat"), std::string::npos);
    EXPECT_EQ(f.doc->congregations().entry(0).name, "Zuidlaren");
    EXPECT_EQ(f.doc->congregations().entry(0).circuitId, 30001);
    EXPECT_EQ(f.doc->congregations().entry(0).congId, 1);
}

TEST_F(CongregationDialogTest, InvalidNamesAreNotStoredButOkStillCloses) {
    struct Case {
        const char* name;
        const char* message;  // nullptr: silent
    };
    for (Case c :
         {Case{"", nullptr}, Case{" Assen", nullptr}, Case{"emmen", "Emmen Dubbele naam.\n\n"}}) {
        f.tp.messages.shown.clear();
        const auto before = f.dir.read("cong.dat");
        auto l = list(0);
        C dialog(*f.doc, f.tp.platform, *l, false);
        dialog.setText(C::Name, c.name);
        dialog.ok();
        EXPECT_TRUE(dialog.closed()) << c.name;
        EXPECT_FALSE(dialog.changed()) << c.name;
        EXPECT_EQ(f.dir.read("cong.dat"), before) << c.name;
        if (c.message) {
            ASSERT_EQ(f.tp.messages.shown.size(), 1u);
            EXPECT_EQ(f.tp.messages.shown[0].text, c.message);
            EXPECT_EQ(f.tp.messages.shown[0].buttons, MsgButtons::Ok);
        } else {
            EXPECT_TRUE(f.tp.messages.shown.empty()) << c.name;
        }
    }
}

TEST_F(CongregationDialogTest, DeletingClearsTheBrothersAndTheWeeksButNotTheOldestWeek) {
    CAmbDoc& doc = *f.doc;
    const int first = doc.firstWeek();
    WeekRecord oldest = doc.getWeek(first);
    oldest.speakerCongId = 2;
    doc.commitWeek(oldest, first);
    WeekRecord later = doc.getWeek(first + 300);
    later.speakerCongId = 2;
    later.outCongId = {1, 2, 3, 2, 0, 0};
    doc.commitWeek(later, first + 300);
    ASSERT_TRUE(doc.saveWeeks());

    auto l = list(1);  // Emmen
    C dialog(doc, f.tp.platform, *l, false);
    dialog.pressDelete();  // the question's default is No
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].text, "Wil je Emmen echt verwijderen?");
    EXPECT_EQ(f.tp.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(f.congSlot(2).congId, 2);

    f.tp.messages.answer(MsgResult::Yes);
    dialog.pressDelete();
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(doc.dataChanged());
    EXPECT_EQ(f.congSlot(2).encode(), CongregationRecord{}.encode());
    EXPECT_EQ(f.congregationNames(), (std::vector<std::string>{"Assen", "Hoorn"}));
    EXPECT_EQ(l->view().list.rows, (std::vector<std::string>{"Assen", "Hoorn"}));
    // His brothers stay, without a congregation.
    EXPECT_EQ(f.brotherSlot(1).congId, 0);
    EXPECT_EQ(f.brotherSlot(1).lastName, "Jansen");
    EXPECT_EQ(f.brotherSlot(2).congId, 0);
    EXPECT_EQ(f.brotherSlot(3).congId, 1);
    EXPECT_EQ(doc.brothers().count(), 3u);
    for (const auto& b : doc.brothers().entries()) EXPECT_EQ(b.congId, b.brotherId == 3 ? 1 : 0);
    // history.dat: the oldest week keeps the congregation, the later one loses it.
    auto bytes = f.dir.read("history.dat");
    ASSERT_EQ(bytes.size(), 2 * WeekRecord::kSize);
    WeekRecord w0 = WeekRecord::decode(std::span(bytes.data(), WeekRecord::kSize));
    WeekRecord w1 =
        WeekRecord::decode(std::span(bytes.data() + WeekRecord::kSize, WeekRecord::kSize));
    EXPECT_EQ(w0.speakerCongId, 2);
    EXPECT_EQ(w1.speakerCongId, 0);
    EXPECT_EQ(w1.outCongId, (std::array<std::int16_t, 6>{1, 0, 3, 0, 0, 0}));
}

TEST_F(CongregationDialogTest, DeletingTheOwnCongregationLetsTheNextOneTakeItsPlace) {
    f.writeHomeCongregation(2);
    f.start();
    auto l = list(1);
    C del(*f.doc, f.tp.platform, *l, false);
    f.tp.messages.answer(MsgResult::Yes);
    del.pressDelete();
    EXPECT_EQ(f.doc->homeCongId(), 2);

    C add(*f.doc, f.tp.platform, *l, true);
    add.setText(C::Name, "Nieuw");
    add.pressDay(C::DayOdd);  // Sunday -> Monday
    add.pressDay(C::DayOdd);  // Tuesday
    add.ok();
    EXPECT_EQ(f.congSlot(2).name, "Nieuw");
    EXPECT_EQ(f.doc->homeMeetingDayOdd(), 1);
    EXPECT_EQ(f.doc->homeMeetingDayEven(), 6);
}

TEST_F(CongregationDialogTest, WeekdaysAreStoredWithSundayAsZero) {
    struct Case {
        std::uint8_t stored;
        int presses;
        const char* shown;
        std::uint8_t written;
    };
    const Case cases[] = {
        {0, 0, "Sunday", 0}, {1, 0, "Monday", 1},    {6, 0, "Saturday", 6}, {6, 1, "Sunday", 0},
        {0, 1, "Monday", 1}, {3, 7, "Wednesday", 3}, {0, 7, "Sunday", 0},   {2, 12, "Sunday", 0},
    };
    for (const Case& c : cases) {
        auto hoorn = congregation("Hoorn", 3);
        hoorn.meetingDayEven = c.stored;
        hoorn.meetingDayOdd = c.stored;
        f.writeCongregations({congregation("Assen", 1), congregation("Emmen", 2), hoorn});
        f.start();
        auto l = list(2);
        C dialog(*f.doc, f.tp.platform, *l, false);
        for (int i = 0; i < c.presses; ++i) dialog.pressDay(C::DayEven);
        EXPECT_EQ(dialog.view().dayEven.text, c.shown) << int(c.stored) << "+" << c.presses;
        // The record changes only when stored.
        EXPECT_EQ(dialog.working().meetingDayEven, c.stored);
        dialog.ok();
        EXPECT_EQ(f.congSlot(3).meetingDayEven, c.written) << int(c.stored) << "+" << c.presses;
        EXPECT_EQ(f.congSlot(3).meetingDayOdd, c.stored);
    }
}

TEST_F(CongregationDialogTest, AMeetingTimeForOneKindOfYearHoldsForBoth) {
    struct Case {
        const char* even;
        const char* odd;
        const char* shownEven;
        const char* shownOdd;
    };
    const Case cases[] = {
        {"19:30", "", "19:30", "19:30"},
        {"", "10:00", "10:00", "10:00"},
        {"19:30", "10:00", "19:30", "10:00"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        auto hoorn = congregation("Hoorn", 3);
        hoorn.meetingTimeEven = c.even;
        hoorn.meetingTimeOdd = c.odd;
        f.writeCongregations({congregation("Assen", 1), congregation("Emmen", 2), hoorn});
        f.start();
        auto l = list(2);
        C dialog(*f.doc, f.tp.platform, *l, false);
        EXPECT_EQ(dialog.view().timeEven.text, c.shownEven);
        EXPECT_EQ(dialog.view().timeOdd.text, c.shownOdd);
        dialog.ok();
        EXPECT_EQ(f.congSlot(3).meetingTimeEven, c.shownEven);
        EXPECT_EQ(f.congSlot(3).meetingTimeOdd, c.shownOdd);
    }
}

TEST_F(CongregationDialogTest, FieldsAreCutToTheirStoredLength) {
    auto l = list(2);
    C dialog(*f.doc, f.tp.platform, *l, false);
    const std::string name49 = std::string(47, 'x') + "\xC3\xA9\xC3\xA9";  // 49 characters
    dialog.setText(C::Name, name49 + "yyy");
    dialog.setText(C::Phone1, "0123456789012345");
    dialog.setText(C::Address1, std::string(45, 'a'));
    dialog.setText(C::TimeEven, "19:30 uur extra");
    EXPECT_EQ(dialog.view().name.text, name49);
    EXPECT_EQ(dialog.view().phone1.text, "012345678901234");
    dialog.ok();
    CongregationRecord stored = f.congSlot(3);
    EXPECT_EQ(stored.name, std::string(47, 'x') + "\xC3\xA9");
    EXPECT_EQ(stored.phone1, "01234567890123");
    EXPECT_EQ(stored.hallAddress1, std::string(40, 'a'));
    EXPECT_EQ(stored.meetingTimeEven, "19:30 uur");
}

TEST_F(CongregationDialogTest, PreviousAndNextStoreAndWrapAround) {
    auto l = list(0);
    C dialog(*f.doc, f.tp.platform, *l, false);
    dialog.setText(C::Phone1, "0592-111111");
    dialog.previous();  // before the first: the last
    EXPECT_EQ(l->selection(), 2);
    EXPECT_EQ(dialog.view().name.text, "Hoorn");
    EXPECT_EQ(f.congSlot(1).phone1, "0592-111111");
    dialog.next();  // after the last: the first
    EXPECT_EQ(l->selection(), 0);
    EXPECT_EQ(dialog.view().name.text, "Assen");
    EXPECT_EQ(dialog.view().phone1.text, "0592-111111");
    dialog.next();
    EXPECT_EQ(dialog.view().name.text, "Emmen");

    // An invalid name keeps the screen where it is.
    dialog.setText(C::Name, "");
    dialog.next();
    EXPECT_EQ(l->selection(), 1);
    EXPECT_EQ(f.congSlot(2).name, "Emmen");
}

TEST_F(CongregationDialogTest, ApplyStoresAndLeavesAddMode) {
    auto l = list();
    C dialog(*f.doc, f.tp.platform, *l, true);
    EXPECT_FALSE(dialog.view().apply.visible);
    dialog.setText(C::Name, "Ge");
    EXPECT_FALSE(dialog.view().apply.visible);
    dialog.setText(C::Name, "Gee");
    EXPECT_TRUE(dialog.view().apply.visible);
    dialog.setText(C::Name, "Gi");
    EXPECT_FALSE(dialog.view().apply.visible);
    dialog.setText(C::Name, "Groningen");
    dialog.apply();

    EXPECT_FALSE(dialog.closed());
    EXPECT_FALSE(dialog.addMode());
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(f.congSlot(4).name, "Groningen");
    auto v = dialog.view();
    EXPECT_EQ(v.name.text, "Groningen");
    EXPECT_FALSE(v.apply.visible);
    EXPECT_TRUE(v.del.visible);
    EXPECT_TRUE(v.circuit.visible);
    EXPECT_EQ(v.brothers.text, "Broeders ( 0 )");
    // Editing the name shows it again.
    dialog.setText(C::Name, "Groningen-Oost");
    EXPECT_TRUE(dialog.view().apply.visible);
    dialog.apply();
    EXPECT_EQ(f.congSlot(4).name, "Groningen-Oost");
    EXPECT_EQ(f.dir.size("cong.dat"), 5u * 256);
}

TEST_F(CongregationDialogTest, ButtonTextsAndVisibility) {
    auto l = list(1);  // Emmen: two brothers, an elder coordinator, a lost talk coordinator
    C emmen(*f.doc, f.tp.platform, *l, false);
    auto v = emmen.view();
    EXPECT_EQ(v.caption, "");
    EXPECT_EQ(v.brothers.text, "Broeders ( 2 )");
    EXPECT_EQ(v.elderCoordinator.text, "Coordinator van het lichaam van ouderlingen - Jan Jansen");
    EXPECT_EQ(v.talkCoordinator.text, "Lezing Coordinator - ");
    EXPECT_EQ(v.secretary.text, "Secretaris");
    EXPECT_EQ(v.circuit.text, "Kring");
    for (const ControlView* c : {&v.brothers, &v.elderCoordinator, &v.talkCoordinator, &v.secretary,
                                 &v.circuit, &v.map, &v.del, &v.previous, &v.next})
        EXPECT_TRUE(c->visible) << c->text;
    for (const ControlView* c :
         {&v.brothers, &v.elderCoordinator, &v.talkCoordinator, &v.secretary, &v.circuit})
        EXPECT_TRUE(c->enabled) << c->text;
    // The map picker does not exist yet and is not offered.
    EXPECT_FALSE(v.map.enabled);
    EXPECT_FALSE(v.apply.visible);
    EXPECT_FALSE(v.nameReadOnly);
    EXPECT_EQ(v.dayEven.text, "Sunday");

    l->setSelection(2);  // Hoorn: no brothers, so no role buttons
    C hoorn(*f.doc, f.tp.platform, *l, false);
    v = hoorn.view();
    EXPECT_EQ(v.brothers.text, "Broeders ( 0 )");
    EXPECT_FALSE(v.elderCoordinator.visible);
    EXPECT_FALSE(v.secretary.visible);

    C adding(*f.doc, f.tp.platform, *l, true);
    v = adding.view();
    EXPECT_EQ(v.name.text, "");
    for (const ControlView* c : {&v.brothers, &v.elderCoordinator, &v.talkCoordinator, &v.secretary,
                                 &v.circuit, &v.map, &v.del, &v.previous, &v.next, &v.apply})
        EXPECT_FALSE(c->visible) << c->text;
    for (const ControlView* c :
         {&v.name, &v.timeEven, &v.address1, &v.phone2, &v.ok, &v.cancel, &v.dayEven})
        EXPECT_TRUE(c->visible) << c->text;

    // Fixed to one congregation (Assen): no navigation, no deletion, name read-only.
    C fixed(*f.doc, f.tp.platform, 1);
    v = fixed.view();
    EXPECT_EQ(v.name.text, "Assen");
    EXPECT_EQ(v.circuit.text, "Kring - Noord");
    EXPECT_EQ(v.brothers.text, "Broeders ( 1 )");
    EXPECT_TRUE(v.nameReadOnly);
    EXPECT_TRUE(v.brothers.visible);
    EXPECT_FALSE(v.del.visible);
    EXPECT_FALSE(v.previous.visible);
    fixed.setText(C::Name, "Anders");
    fixed.setText(C::Phone2, "0592-222222");
    fixed.ok();
    EXPECT_EQ(f.congSlot(1).name, "Assen");
    EXPECT_EQ(f.congSlot(1).phone2, "0592-222222");

    // Opened from a pick list, the brothers button is not offered.
    CongregationListDialog pick(*f.doc, f.tp.platform, true, 0);
    C picked(*f.doc, f.tp.platform, pick, false);
    EXPECT_FALSE(picked.view().brothers.visible);
}

TEST_F(CongregationDialogTest, TheCircuitComesFromThePickList) {
    f.writeCircuits({{"Noord", 30001}, {"Oost", 30002}});
    f.start();
    auto l = list(0);  // Assen, circuit Noord
    C dialog(*f.doc, f.tp.platform, *l, false);
    int preselected = -2;
    f.tp.screens.onNameListDialog = [&](NameListDialog& picker) {
        preselected = picker.view().list.current();
        EXPECT_TRUE(picker.pickMode());
        picker.selectRow(1);
        picker.ok();
        return picker.accepted();
    };
    dialog.pressCircuit();
    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(dialog.view().circuit.text, "Kring - Oost");
    EXPECT_EQ(f.congSlot(1).circuitId, 30001);  // not before it is stored
    dialog.ok();
    EXPECT_EQ(f.congSlot(1).circuitId, 30002);

    // Cancelled: nothing changes; OK without a selection: no circuit.
    l->setSelection(1);  // Emmen, no circuit
    C emmen(*f.doc, f.tp.platform, *l, false);
    f.tp.screens.onNameListDialog = [&](NameListDialog& picker) {
        preselected = picker.view().list.current();
        picker.cancel();
        return false;
    };
    emmen.pressCircuit();
    EXPECT_EQ(preselected, -1);
    EXPECT_EQ(emmen.working().circuitId, 0);

    // A circuit that is gone shows no name; OK without a selection means no circuit.
    auto hoorn = congregation("Hoorn", 3, 30099);
    f.writeCongregations({congregation("Assen", 1), congregation("Emmen", 2), hoorn});
    f.start();
    auto l2 = list(2);
    C lost(*f.doc, f.tp.platform, *l2, false);
    EXPECT_EQ(lost.view().circuit.text, "Kring");
    f.tp.screens.onNameListDialog = [&](NameListDialog& picker) {
        preselected = picker.view().list.current();
        picker.ok();
        return picker.accepted();
    };
    lost.pressCircuit();
    EXPECT_EQ(preselected, -1);
    lost.ok();
    EXPECT_EQ(f.congSlot(3).circuitId, 0);
}

TEST_F(CongregationDialogTest, BrothersButtonNeedsANameThenOpensTheFilteredList) {
    auto l = list(1);  // Emmen
    C dialog(*f.doc, f.tp.platform, *l, false);
    dialog.setText(C::Name, "");
    dialog.pressBrothers();
    EXPECT_EQ(f.tp.messages.lastText(), "Vul de naam van de gemeente in");
    EXPECT_EQ(dialog.focus(), C::Name);
    EXPECT_TRUE(f.tp.screens.opened.empty());
    EXPECT_FALSE(dialog.changed());

    // Another congregation's name: only its own message.
    dialog.clearFocusRequest();
    dialog.setText(C::Name, "assen");
    dialog.pressBrothers();
    EXPECT_EQ(f.tp.messages.lastText(), "Assen Dubbele naam.\n\n");
    EXPECT_EQ(dialog.focus(), C::Name);
    EXPECT_TRUE(f.tp.screens.opened.empty());

    dialog.setText(C::Name, "Emmen");
    // Jan, the elder coordinator, is deleted; a new brother added through the list takes
    // his number.
    f.tp.screens.onBrotherDialog = [](BrotherDialog& d) {
        if (d.addMode()) {
            d.setText(BrotherDialog::FirstName, "Gert");
            d.setText(BrotherDialog::LastName, "Jonker");
            d.ok();
        } else {
            d.pressDelete();
        }
        return true;
    };
    f.tp.screens.onBrotherListDialog = [&](BrotherListDialog& brothers) {
        if (brothers.options().selectMode) {
            // The speakers of other congregations, from which "Nieuwe Spreker" adds.
            EXPECT_EQ(brothers.options().excludeCong, 2);
            brothers.pressAdd();
            return brothers.accepted();
        }
        EXPECT_EQ(brothers.options().congFilter, 2);
        EXPECT_EQ(brothers.view().list.rows,
                  (std::vector<std::string>{"Jan Jansen", "Piet Pieters"}));
        brothers.selectRow(0);
        f.tp.messages.answer(MsgResult::Yes);
        brothers.ok();
        brothers.pressAdd();
        EXPECT_EQ(brothers.view().list.rows,
                  (std::vector<std::string>{"Gert Jonker", "Piet Pieters"}));
        brothers.cancel();
        return false;
    };
    dialog.pressBrothers();
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(dialog.view().brothers.text, "Broeders ( 2 )");
    EXPECT_EQ(f.brotherSlot(1).lastName, "Jonker");
    EXPECT_EQ(f.brotherSlot(1).congId, 2);
    // The working record forgot the deleted coordinator, so storing keeps him gone.
    EXPECT_EQ(dialog.working().elderCoordinatorId, 0);
    EXPECT_EQ(dialog.view().elderCoordinator.text, "Coordinator van het lichaam van ouderlingen");
    dialog.ok();
    EXPECT_EQ(f.congSlot(2).elderCoordinatorId, 0);
}

TEST_F(CongregationDialogTest, RoleButtonsChooseAHolderAmongTheCongregationsBrothers) {
    auto l = list(1);  // Emmen
    C dialog(*f.doc, f.tp.platform, *l, false);
    struct Case {
        int control;
        int role;
        std::int16_t holder;  // preselected
    };
    for (Case c : {Case{C::ElderCoordinator, BrotherListDialog::kElderCoordinator, 1},
                   Case{C::TalkCoordinator, BrotherListDialog::kTalkCoordinator, 9},
                   Case{C::Secretary, BrotherListDialog::kSecretary, 0}}) {
        f.tp.screens.onBrotherListDialog = [&](BrotherListDialog& pick) {
            EXPECT_EQ(pick.options().role, c.role);
            EXPECT_EQ(pick.options().congFilter, 2);
            EXPECT_EQ(pick.options().preselectId, c.holder);
            EXPECT_EQ(pick.view().caption, "Selecteer " + BrotherListDialog::roleWord(c.role));
            pick.selectRow(1);  // Piet Pieters
            pick.ok();
            return pick.accepted();
        };
        dialog.pressRole(c.control);
    }
    EXPECT_EQ(dialog.working().elderCoordinatorId, 2);
    EXPECT_EQ(dialog.working().talkCoordinatorId, 2);
    EXPECT_EQ(dialog.working().secretaryId, 2);
    EXPECT_EQ(dialog.view().secretary.text, "Secretaris - Piet Pieters");
    EXPECT_EQ(f.congSlot(2).secretaryId, 0);  // not before it is stored

    // Cancelled: the holder stays.
    f.tp.screens.onBrotherListDialog = [](BrotherListDialog& pick) {
        pick.cancel();
        return false;
    };
    dialog.pressRole(C::Secretary);
    EXPECT_EQ(dialog.working().secretaryId, 2);
    dialog.ok();
    EXPECT_EQ(f.congSlot(2).secretaryId, 2);
    EXPECT_EQ(f.congSlot(2).talkCoordinatorId, 2);
}

}  // namespace
}  // namespace ambon
