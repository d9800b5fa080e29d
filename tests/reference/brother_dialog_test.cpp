// The brother screen: the name rules while typing, adding with the duplicate rule,
// storing the record and the extra record, the office boxes, moving to another
// congregation, navigation, deleting, the nested screens, and input that does not fit.
#include "reference/brother_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "reference/brother_list_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "schedule/availability_dialog.h"
#include "schedule/talk_list_dialog.h"
#include "support/brother_fixture.h"

namespace ambon {
namespace {

using B = BrotherDialog;
using L = BrotherListDialog;
using test::BrotherFixture;

class BrotherDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeStandardWorld();
        f.start();
    }
    // The full list with the brother selected.
    std::unique_ptr<L> listOn(std::int16_t brotherId, L::Options options = {}) {
        auto l = std::make_unique<L>(*f.doc, f.tp.platform, options);
        l->selectBrother(brotherId);
        return l;
    }
    std::unique_ptr<L> list = nullptr;

    BrotherFixture f;
};

TEST_F(BrotherDialogTest, OpeningShowsTheStoredBrother) {
    list = listOn(BrotherFixture::Jan);
    B d(*f.doc, f.tp.platform, *list, false);
    auto v = d.view();
    EXPECT_EQ(v.caption, "Bewerk Broeder Informatie");
    EXPECT_EQ(v.firstName.text, "Jan");
    EXPECT_EQ(v.lastName.text, "Bakker");
    EXPECT_EQ(v.phone.text, "0592-123456");
    EXPECT_EQ(v.mobile.text, "06-11112222");
    EXPECT_EQ(v.email.text, "jan@example.org");
    EXPECT_FALSE(v.elder.checked);
    EXPECT_TRUE(v.servant.checked);
    EXPECT_EQ(v.congregation.text, "Gemeente - Assen");
    EXPECT_EQ(v.talks.text, "Bekijk / Selecteer Lezingen ( 1 )");
    EXPECT_EQ(v.availability.text, "Altijd beschikbaar");
    EXPECT_TRUE(v.del.visible);
    EXPECT_EQ(v.ok.text, "&OK");
    EXPECT_EQ(d.focus(), B::FirstName);

    list = listOn(BrotherFixture::Anton);
    B anton(*f.doc, f.tp.platform, *list, true);
    v = anton.view();
    EXPECT_EQ(v.firstName.text, "");
    EXPECT_FALSE(v.del.visible);
    EXPECT_FALSE(v.previous.visible);
    EXPECT_FALSE(v.next.visible);
    EXPECT_EQ(v.congregation.text, "Gemeente - ");
    EXPECT_FALSE(v.availability.enabled);  // no number to record weeks under yet
}

struct CapCase {
    const char* language;
    int autoCap;
    const char* typed;
    const char* shown;
    int caret;
};

class BrotherNameRules : public ::testing::TestWithParam<CapCase> {};

TEST_P(BrotherNameRules, AutoCapAndTheLanguageExceptions) {
    const CapCase& c = GetParam();
    BrotherFixture f;
    f.writeStandardWorld();
    f.doc = std::make_unique<CAmbDoc>(f.tp.clock, f.tp.messages);
    StartOptions options;
    options.languageCode = c.language;
    ASSERT_TRUE(f.doc->startUp(f.dir.path(), options));
    f.doc->settings().autoCap = c.autoCap;
    L list(*f.doc, f.tp.platform, {});
    B d(*f.doc, f.tp.platform, list, true);
    for (int control : {B::FirstName, B::LastName}) {
        d.setText(control, c.typed);
        auto v = d.view();
        EXPECT_EQ((control == B::FirstName ? v.firstName : v.lastName).text, c.shown);
        EXPECT_EQ(control == B::FirstName ? v.firstNameCaret : v.lastNameCaret, c.caret);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrotherNameRules,
    ::testing::Values(CapCase{"dutch", 1, "jan", "Jan", 1}, CapCase{"dutch", 0, "jan", "jan", -1},
                      CapCase{"polish", 1, "jan", "Jan", 1}, CapCase{"greek", 1, "jan", "jan", -1},
                      CapCase{"G", 1, "jan", "jan", -1}, CapCase{"Ukr", 1, "jan", "jan", -1},
                      CapCase{"finnish", 1, "jan", "jan", -1}, CapCase{"rus", 1, "jan", "jan", -1},
                      CapCase{"turkish", 1, "jan", "jan", -1},
                      CapCase{"dutch", 1, "\u00e9mile", "\u00e9mile", -1},
                      // Automatic capitals also keep the name to 14 characters.
                      CapCase{"dutch", 1, "abcdefghijklmnopq", "Abcdefghijklmn", 14},
                      CapCase{"dutch", 1, "Abcdefghijklmnop", "Abcdefghijklmn", 14},
                      CapCase{"greek", 1, "abcdefghijklmnopq", "abcdefghijklmnopq", -1},
                      // The field takes 18 characters in any case.
                      CapCase{"dutch", 0, "abcdefghijklmnopqrstu", "abcdefghijklmnopqr", -1}));

TEST_F(BrotherDialogTest, LongNamesTogetherShortenTheFirstNameToItsInitial) {
    f.doc->settings().autoCap = 0;
    list = listOn(BrotherFixture::Jan);
    B d(*f.doc, f.tp.platform, *list, true);
    d.setText(B::FirstName, "Wilhelminaustinusxx");  // 20 typed, 18 kept
    EXPECT_EQ(d.view().firstName.text, "Wilhelminaustinusx");
    d.setText(B::LastName, "Oldenbarneveldtsch");  // 18: together 36
    EXPECT_EQ(d.view().firstName.text, "W.");

    // Typed the other way round, the first name is shortened when it loses the focus.
    B e(*f.doc, f.tp.platform, *list, true);
    e.setText(B::LastName, "Oldenbarneveldtsch");
    e.setText(B::FirstName, "Wilhelminaustinusx");
    EXPECT_EQ(e.view().firstName.text, "Wilhelminaustinusx");
    e.firstNameFocusLost();
    EXPECT_EQ(e.view().firstName.text, "W.");

    // 35 together still fit.
    B g(*f.doc, f.tp.platform, *list, true);
    g.setText(B::FirstName, "Wilhelminaustinus");
    g.setText(B::LastName, "Oldenbarneveldtsch");
    EXPECT_EQ(g.view().firstName.text, "Wilhelminaustinus");
}

TEST_F(BrotherDialogTest, AddingStoresEveryFieldInTheFirstFreeSlot) {
    list = listOn(BrotherFixture::Jan);
    list->selectRow(3);
    B d(*f.doc, f.tp.platform, *list, true);
    d.setText(B::FirstName, "wim");
    d.setText(B::LastName, "kok");
    d.setText(B::Address1, "Dorpsstraat 1");
    d.setText(B::Address2, "9401 AB Assen");
    d.setText(B::Phone, "0592-654321");
    d.setText(B::Skype, "wim.kok");
    d.setText(B::Email, "wim@example.org");
    d.setText(B::Remark, "Alleen zondag");
    d.setChecked(B::Elder, true);
    d.ok();

    EXPECT_TRUE(d.accepted());
    EXPECT_TRUE(d.storedNew());
    EXPECT_TRUE(f.doc->dataChanged());
    BrotherRecord r = f.brotherSlot(7);
    EXPECT_EQ(r.brotherId, 7);
    EXPECT_EQ(r.firstName, "Wim");
    EXPECT_EQ(r.lastName, "Kok");
    EXPECT_EQ(r.address1, "Dorpsstraat 1");
    EXPECT_EQ(r.address2, "9401 AB Assen");
    EXPECT_EQ(r.phone, "0592-654321");
    EXPECT_EQ(r.office(), 2);
    EXPECT_EQ(r.congId, 0);
    ASSERT_EQ(r.extraNo, 2);
    BrotherExtraRecord x = f.extraSlot(2);
    EXPECT_EQ(x.brotherId, 7);
    EXPECT_EQ(x.skype, "wim.kok");
    EXPECT_EQ(x.email, "wim@example.org");
    EXPECT_EQ(x.remark, "Alleen zondag");
    // Sorted in, and the list back on its first row.
    EXPECT_EQ(list->view().list.rows[2], "* Kok, Wim");  // no congregation yet
    EXPECT_EQ(list->selection(), 0);
}

TEST_F(BrotherDialogTest, AddingADuplicateNameOverwritesOnlyWhenAllowed) {
    list = listOn(BrotherFixture::Jan);
    const auto before = f.dir.read("speakers.dat");
    B refused(*f.doc, f.tp.platform, *list, true);
    refused.setText(B::FirstName, "piet");
    refused.setText(B::LastName, "SMIT");
    refused.setText(B::Phone, "050-1111111");
    f.tp.messages.answer(MsgResult::No);
    refused.ok();
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].text,
              "Piet Smit Dubbele naam.\n\nOverschrijven met nieuwe gegevens?");
    EXPECT_EQ(f.tp.messages.shown[0].defaultButton, MsgResult::No);
    EXPECT_TRUE(refused.closed());
    EXPECT_FALSE(refused.storedNew());
    EXPECT_EQ(f.dir.read("speakers.dat"), before);
    EXPECT_FALSE(f.doc->dataChanged());

    // Piet is the visiting speaker in a week; overwritten into Hoorn, the week follows.
    const int week = f.doc->todayWeek() + 4;
    f.week(week).speakerId = BrotherFixture::Piet;
    f.week(week).speakerCongId = BrotherFixture::Emmen;
    B accepted(*f.doc, f.tp.platform, *list, true);
    accepted.setText(B::FirstName, "Piet");
    accepted.setText(B::LastName, "Smit");
    accepted.setText(B::Phone, "050-1111111");
    f.tp.screens.onCongregationListDialog = [](CongregationListDialog& c) {
        c.selectRow(2);  // Hoorn
        c.ok();
        return true;
    };
    accepted.pressCongregation();
    f.tp.messages.answer(MsgResult::Yes);
    accepted.ok();
    EXPECT_TRUE(accepted.storedNew());
    BrotherRecord r = f.brotherSlot(BrotherFixture::Piet);
    EXPECT_EQ(r.brotherId, BrotherFixture::Piet);
    EXPECT_EQ(r.phone, "050-1111111");
    EXPECT_EQ(r.congId, BrotherFixture::Hoorn);
    EXPECT_EQ(f.dir.size("speakers.dat"), 7u * 256);
    EXPECT_EQ(f.doc->brothers().count(), 6u);
    for (const auto& w : f.weeksOnDisk())
        if (w.week == week) EXPECT_EQ(w.speakerCongId, BrotherFixture::Hoorn);
}

TEST_F(BrotherDialogTest, TheExtraRecordIsCreatedRewrittenAndFreed) {
    list = listOn(BrotherFixture::Kees);
    {
        B d(*f.doc, f.tp.platform, *list, false);
        d.setText(B::Email, "kees@example.org");
        d.ok();
    }
    BrotherRecord kees = f.brotherSlot(BrotherFixture::Kees);
    ASSERT_EQ(kees.extraNo, 2);
    EXPECT_EQ(f.extraSlot(2).brotherId, BrotherFixture::Kees);
    EXPECT_EQ(f.extraSlot(2).email, "kees@example.org");
    EXPECT_EQ(f.doc->brothers().entry(f.indexOf(BrotherFixture::Kees)).extraNo, 2);
    {
        B d(*f.doc, f.tp.platform, *list, false);
        EXPECT_EQ(d.view().email.text, "kees@example.org");
        d.setText(B::Email, "");
        d.setText(B::Mobile, "06-99998888");
        d.ok();
    }
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).extraNo, 2);  // rewritten in place
    EXPECT_EQ(f.extraSlot(2).mobile, "06-99998888");
    EXPECT_EQ(f.extraSlot(2).email, "");
    {
        B d(*f.doc, f.tp.platform, *list, false);
        d.setText(B::Mobile, "   ");
        d.ok();
    }
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).extraNo, 0);
    EXPECT_EQ(f.extraSlot(2).brotherId, 0);  // freed
    EXPECT_EQ(f.extraSlot(1).brotherId, BrotherFixture::Jan);
    EXPECT_TRUE(f.doc->dataChanged());
}

TEST_F(BrotherDialogTest, AnExtraRecordOfAnotherBrotherIsLeftAlone) {
    // Kees's record points at Jan's extra record.
    BrotherRecord kees = f.brotherSlot(BrotherFixture::Kees);
    kees.extraNo = 1;
    f.doc->brothers().writeBrotherSlot(BrotherFixture::Kees, kees);
    list = listOn(BrotherFixture::Kees);
    B d(*f.doc, f.tp.platform, *list, false);
    EXPECT_EQ(d.view().email.text, "");
    d.setText(B::Email, "kees@example.org");
    d.ok();
    EXPECT_EQ(f.extraSlot(1).brotherId, BrotherFixture::Jan);
    EXPECT_EQ(f.extraSlot(1).email, "jan@example.org");
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).extraNo, 2);
    EXPECT_EQ(f.extraSlot(2).email, "kees@example.org");
}

TEST_F(BrotherDialogTest, OfficeBoxesExcludeEachOtherAndElderWins) {
    // A record with both office bits shows, and stores, an elder.
    BrotherRecord piet = f.brotherSlot(BrotherFixture::Piet);
    piet.flags = 3 | 0x40;
    f.doc->brothers().writeBrotherSlot(BrotherFixture::Piet, piet);
    list = listOn(BrotherFixture::Piet);
    {
        B d(*f.doc, f.tp.platform, *list, false);
        EXPECT_TRUE(d.view().elder.checked);
        EXPECT_FALSE(d.view().servant.checked);
        d.ok();
    }
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Piet).flags, 2 | 0x40);  // other bits kept

    // Jan goes from ministerial servant to elder: the "DB" mark goes at once.
    L::Options outgoing;
    outgoing.congFilter = BrotherFixture::Assen;
    outgoing.role = L::kOutgoingSpeaker;
    outgoing.week = f.doc->todayWeek() + 5;
    EXPECT_EQ(L(*f.doc, f.tp.platform, outgoing).view().list.rows[0], "Jan Bakker (DB)");
    list = listOn(BrotherFixture::Jan);
    B d(*f.doc, f.tp.platform, *list, false);
    d.setChecked(B::Elder, true);
    EXPECT_FALSE(d.view().servant.checked);
    d.setChecked(B::Servant, true);
    EXPECT_FALSE(d.view().elder.checked);
    d.setChecked(B::Elder, true);
    d.ok();
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Jan).office(), 2);
    EXPECT_EQ(L(*f.doc, f.tp.platform, outgoing).view().list.rows[0], "Jan Bakker");
}

TEST_F(BrotherDialogTest, ChangingCongregationRetagsHisWeeksButKeepsHisOldRoles) {
    const int week = f.doc->todayWeek() + 6;
    f.week(week).speakerId = BrotherFixture::Kees;
    f.week(week).speakerCongId = BrotherFixture::Assen;
    list = listOn(BrotherFixture::Kees);
    B d(*f.doc, f.tp.platform, *list, false);
    f.tp.screens.onCongregationListDialog = [](CongregationListDialog& c) {
        EXPECT_TRUE(c.pickMode());
        EXPECT_EQ(c.selection(), 0);  // Assen preselected
        c.selectRow(1);               // Emmen
        c.ok();
        return true;
    };
    d.pressCongregation();
    EXPECT_EQ(d.view().congregation.text, "Gemeente - Emmen");
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).congId, BrotherFixture::Assen);  // not yet
    d.ok();

    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).congId, BrotherFixture::Emmen);
    EXPECT_EQ(f.doc->brothers().entry(f.indexOf(BrotherFixture::Kees)).congId,
              BrotherFixture::Emmen);
    bool seen = false;
    for (const auto& w : f.weeksOnDisk()) {
        if (w.week != week) continue;
        seen = true;
        EXPECT_EQ(w.speakerCongId, BrotherFixture::Emmen);
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(f.congSlot(BrotherFixture::Assen).talkCoordinatorId, BrotherFixture::Kees);
}

TEST_F(BrotherDialogTest, EnterInAFieldMovesTheFocusInsteadOfClosing) {
    list = listOn(BrotherFixture::Jan);
    B d(*f.doc, f.tp.platform, *list, false);
    d.setText(B::Email, "nieuw@example.org");
    d.ok(B::Email);
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(d.focus(), B::Remark);
    d.clearFocusRequest();
    d.ok(B::Servant);
    EXPECT_EQ(d.focus(), B::Talks);
    EXPECT_EQ(f.extraSlot(1).email, "jan@example.org");  // nothing stored yet
    d.ok(B::Ok);
    EXPECT_TRUE(d.accepted());
    EXPECT_EQ(f.extraSlot(1).email, "nieuw@example.org");

    // In add mode the focus skips what is not offered.
    B add(*f.doc, f.tp.platform, *list, true);
    add.ok(B::Talks);
    EXPECT_EQ(add.focus(), B::Congregation);
}

TEST_F(BrotherDialogTest, AnInvalidBrotherIsNotStoredAndTheScreenStays) {
    list = listOn(BrotherFixture::Jan);
    const auto before = f.dir.read("speakers.dat");
    for (const char* last : {"", " Bakker"}) {
        B d(*f.doc, f.tp.platform, *list, false);
        d.setText(B::LastName, last);
        d.ok();
        EXPECT_FALSE(d.closed()) << last;
        d.next();
        EXPECT_EQ(d.view().firstName.text, "Jan");
    }
    EXPECT_TRUE(f.tp.messages.shown.empty());

    // Another brother's name: his message, and nothing stored.
    B d(*f.doc, f.tp.platform, *list, false);
    d.setText(B::FirstName, "kees");
    d.setText(B::LastName, "visser");
    d.ok();
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(f.tp.messages.lastText(), "Kees Visser Dubbele naam.\n\n");
    EXPECT_EQ(f.dir.read("speakers.dat"), before);
    EXPECT_FALSE(f.doc->dataChanged());
}

TEST_F(BrotherDialogTest, PreviousAndNextStoreAndWrapAround) {
    list = listOn(BrotherFixture::Jan);  // row 0
    B d(*f.doc, f.tp.platform, *list, false);
    d.setText(B::Phone, "0592-000000");
    d.previous();
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Jan).phone, "0592-000000");
    EXPECT_EQ(list->selection(), 5);
    EXPECT_EQ(d.view().lastName.text, "Zwart");
    d.next();
    EXPECT_EQ(list->selection(), 0);
    EXPECT_EQ(d.view().lastName.text, "Bakker");

    // A new name sorts him elsewhere; the list follows him before moving on.
    d.setText(B::LastName, "Wouters");
    d.next();
    EXPECT_EQ(list->view().list.rows[4], "Wouters, Jan");
    EXPECT_EQ(d.view().lastName.text, "Zwart");
    EXPECT_EQ(f.doc->brothers().entry(0).lastName, "de Vries");
}

TEST_F(BrotherDialogTest, DeletingAsksAndClearsEveryReferenceAndFreesHisNumber) {
    // Kees is secretary of Emmen and chairman in a week.
    CongregationRecord emmen = f.congSlot(BrotherFixture::Emmen);
    emmen.secretaryId = BrotherFixture::Kees;
    f.doc->congregations().writeCongregationSlot(BrotherFixture::Emmen, emmen);
    f.doc->refreshCongregationEntry(f.congIndex(BrotherFixture::Emmen), BrotherFixture::Emmen,
                                    emmen);
    const int week = f.doc->todayWeek() + 2;
    f.week(week).chairmanId = BrotherFixture::Kees;

    list = listOn(BrotherFixture::Kees);
    B d(*f.doc, f.tp.platform, *list, false);
    f.tp.messages.answer(MsgResult::No);
    d.pressDelete();
    EXPECT_EQ(f.tp.messages.lastText(), "Wil je Kees Visser echt verwijderen?");
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).brotherId, BrotherFixture::Kees);

    f.tp.messages.answer(MsgResult::Yes);
    d.pressDelete();
    EXPECT_TRUE(d.closed());
    EXPECT_TRUE(f.doc->dataChanged());
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).brotherId, 0);
    EXPECT_EQ(f.congSlot(BrotherFixture::Emmen).secretaryId, 0);
    EXPECT_EQ(f.congSlot(BrotherFixture::Assen).talkCoordinatorId, 0);
    for (const auto& w : f.weeksOnDisk()) EXPECT_NE(w.chairmanId, BrotherFixture::Kees);
    EXPECT_EQ(list->rowCount(), 5);

    B add(*f.doc, f.tp.platform, *list, true);
    add.setText(B::FirstName, "Gert");
    add.setText(B::LastName, "Jonker");
    add.ok();
    EXPECT_EQ(f.brotherSlot(BrotherFixture::Kees).lastName, "Jonker");
    EXPECT_EQ(f.congSlot(BrotherFixture::Emmen).secretaryId, 0);
}

TEST_F(BrotherDialogTest, InputThatDoesNotFitIsCutOrReplaced) {
    f.doc->settings().autoCap = 0;  // which would keep names to 14 characters
    list = listOn(BrotherFixture::Anton);
    B d(*f.doc, f.tp.platform, *list, false);
    const std::string fifty(50, 'x');
    d.setText(B::FirstName, "\u03a9mega");  // not in Windows-1252
    d.setText(B::LastName, std::string(25, 'z'));
    d.setText(B::Address1, fifty);
    d.setText(B::Address2, "Stra\u00dfe " + fifty);
    d.setText(B::Phone, "0123456789012345678");
    d.setText(B::Mobile, "0612345678901234");
    d.setText(B::Email, std::string(60, 'e') + "@x");
    d.setText(B::Remark, fifty);
    EXPECT_EQ(d.view().address1.text.size(), 39u);
    EXPECT_EQ(d.view().phone.text, "012345678901234");
    d.ok();
    ASSERT_TRUE(d.accepted());

    auto bytes = f.dir.read("speakers.dat");
    const std::size_t at = BrotherFixture::Anton * 256;
    EXPECT_EQ(getText(bytes, at, 20), "?mega");
    EXPECT_EQ(getText(bytes, at + 20, 20), std::string(18, 'z'));
    EXPECT_EQ(getText(bytes, at + 40, 40), std::string(39, 'x'));
    EXPECT_EQ(bytes[at + 80 + 4], 0xDF);  // ß in Windows-1252
    EXPECT_EQ(getText(bytes, at + 120, 16), "01234567890123");
    BrotherRecord anton = f.brotherSlot(BrotherFixture::Anton);
    BrotherExtraRecord x = f.extraSlot(anton.extraNo);
    EXPECT_EQ(x.mobile, "06123456789012");
    EXPECT_EQ(x.email, std::string(45, 'e'));
    EXPECT_EQ(x.remark, std::string(45, 'x'));
    // Memory holds what the file holds.
    EXPECT_EQ(f.doc->brothers().entry(f.indexOf(BrotherFixture::Anton)).firstName, "?mega");
}

TEST_F(BrotherDialogTest, TalksAndAvailabilityComeBackFromTheirScreens) {
    list = listOn(BrotherFixture::Kees);
    B d(*f.doc, f.tp.platform, *list, false);
    f.tp.screens.onTalkListDialog = [](TalkListDialog& t) {
        EXPECT_EQ(t.brother().firstName, "Kees");
        EXPECT_TRUE(t.editSetView());
        t.setSetSelection({0, 1, 2});
        t.ok();
        return true;
    };
    d.pressTalks();
    EXPECT_EQ(d.view().talks.text, "Bekijk / Selecteer Lezingen ( 3 )");

    f.tp.screens.onAvailabilityDialog = [&](AvailabilityDialog& a) {
        EXPECT_EQ(a.view().caption, "Kees Visser");
        EXPECT_TRUE(a.view().suspend.visible);
        EXPECT_FALSE(a.view().suspend.checked);
        a.setSelection({1});
        a.setSuspend(true);
        a.ok();
        return true;
    };
    d.pressAvailability();
    EXPECT_EQ(d.view().availability.text, "Suspended");
    // A cancelled screen leaves the state as it was.
    f.tp.screens.onAvailabilityDialog = [](AvailabilityDialog& a) {
        a.setSuspend(false);
        a.cancel();
        return false;
    };
    d.pressAvailability();
    EXPECT_TRUE(d.workingSuspended());
    d.ok();

    BrotherRecord kees = f.brotherSlot(BrotherFixture::Kees);
    EXPECT_TRUE(kees.suspended());
    EXPECT_EQ(countBits(kees.talks), 3);
    EXPECT_EQ(f.dir.size("blackout.dat"), 8u);

    // Unsuspended, his unavailable week shows on the button.
    B e(*f.doc, f.tp.platform, *list, false);
    f.tp.screens.onAvailabilityDialog = [](AvailabilityDialog& a) {
        a.setSuspend(false);
        a.ok();
        return true;
    };
    e.pressAvailability();
    EXPECT_EQ(e.view().availability.text, "Click voor onbeschikbare datums");
}

TEST_F(BrotherDialogTest, AStaleEntryIsRefusedWithItsMessage) {
    // The file no longer holds Piet where the table says.
    BrotherRecord other = f.brotherSlot(BrotherFixture::Piet);
    other.brotherId = 42;
    auto bytes = f.dir.read("speakers.dat");
    auto block = other.encode();
    std::copy(block.begin(), block.end(), bytes.begin() + BrotherFixture::Piet * 256);
    f.dir.write("speakers.dat", bytes);

    list = listOn(BrotherFixture::Piet);
    B d(*f.doc, f.tp.platform, *list, false);
    EXPECT_EQ(d.view().lastName.text, "Smit");
    d.setText(B::Phone, "050-2222222");
    d.ok();
    EXPECT_EQ(f.tp.messages.lastText().rfind("Oh no!\n\nYou can't do that!\n\nPlease email ", 0),
              0u);
    EXPECT_EQ(f.dir.read("speakers.dat"), bytes);
}

}  // namespace
}  // namespace ambon
