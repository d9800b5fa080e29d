// The own congregation screen: choosing the congregation (and what that writes and
// rebuilds), the button texts and the rules that show and enable them, and the screens
// its buttons open.
#include "reference/own_congregation_dialog.h"

#include <gtest/gtest.h>

#include "reference/brother_ops.h"
#include "reference/congregation_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/helper_role_dialog.h"
#include "reference/name_list_dialog.h"
#include "store/ini_file.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::brother;
using test::congregation;
using test::CongregationFixture;
using O = OwnCongregationDialog;

// Roles byte on disk: bit 1 outgoing speaker, bit 2 chairman, bit 4 reader.
constexpr std::uint8_t kOutgoing = 0x02, kChairman = 0x04, kReader = 0x10;

BrotherRecord withRoles(BrotherRecord r, std::uint8_t roles) {
    r.roles = roles;
    return r;
}

class OwnCongregationTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCongregations(
            {congregation("Assen", 1), congregation("Beilen", 2), congregation("Coevorden", 3)});
        f.writeBrothers({
            withRoles(brother("Jan", "Bakker", 1, 1), kOutgoing | kChairman),
            withRoles(brother("Kees", "Dijk", 2, 1), kReader),
            withRoles(brother("Piet", "Smit", 3, 2), kOutgoing | kReader),
            withRoles(brother("Henk", "Vos", 4, 2), kChairman),
            withRoles(brother("Wim", "Mol", 5, 2), kOutgoing),
        });
    }
    void start(int home, int planReaders = 1, int planHospitality = 1) {
        std::string ini = "[Congregation]\r\nNumber=" + std::to_string(home) + "\r\n";
        f.dir.writeText("ambon.ini", ini);
        f.start();
        f.doc->settings().planReaders = planReaders;
        f.doc->settings().planHospitality = planHospitality;
    }
    int numberInSettingsFile() const {
        return IniFile::parse(f.dir.readText("ambon.ini")).getInt("Congregation", "Number", -1);
    }
    std::vector<std::int16_t> dutyListIds() const {
        std::vector<std::int16_t> ids;
        for (const auto& l : f.doc->localBrothers()) ids.push_back(l.brotherId);
        return ids;
    }
    std::size_t indexOf(std::int16_t brotherId) const {
        return f.doc->brothers().findBrother(brotherId);
    }
    // Picks the congregation at this table index in the pick list.
    void pickRow(int row) {
        f.tp.screens.onCongregationListDialog = [row, this](CongregationListDialog& list) {
            EXPECT_TRUE(list.pickMode());
            preselected = list.view().list.selected;
            list.selectRow(row);
            list.ok();
            return list.accepted();
        };
    }

    CongregationFixture f;
    std::vector<int> preselected;
};

TEST_F(OwnCongregationTest, ChoosingAnotherCongregationRebuildsTheDutyListFromItsBrothers) {
    start(1);
    O own(*f.doc, f.tp.platform);
    EXPECT_EQ(own.view().caption, "Assen");
    EXPECT_EQ(own.view().speakers.text, "Uitzendsprekers  ( 1 )");

    pickRow(1);
    own.pressChoose();
    EXPECT_EQ(preselected, std::vector<int>{0});  // the own congregation came preselected
    EXPECT_EQ(f.doc->homeCongId(), 2);
    EXPECT_EQ(numberInSettingsFile(), 2);
    EXPECT_TRUE(f.doc->dataChanged());
    // Beilen's brothers, each with the duties stored in his record.
    EXPECT_EQ(dutyListIds(), (std::vector<std::int16_t>{5, 3, 4}));  // Mol, Smit, Vos
    const auto v = own.view();
    EXPECT_EQ(v.caption, "Beilen");
    EXPECT_EQ(v.speakers.text, "Uitzendsprekers  ( 2 )");
    EXPECT_EQ(v.chairmen.text, "Voorzitter  ( 1 )");
    EXPECT_EQ(v.readers.text, "Lezers  ( 1 )");
    EXPECT_FALSE(own.closed());
}

TEST_F(OwnCongregationTest, TheSettingsFileIsWrittenEvenWhenTheListIsCancelled) {
    // No settings file yet: nothing is chosen.
    f.start();
    ASSERT_FALSE(f.dir.exists("ambon.ini"));
    O own(*f.doc, f.tp.platform);
    f.tp.screens.onCongregationListDialog = [](CongregationListDialog& list) {
        list.cancel();
        return false;
    };
    own.pressChoose();
    EXPECT_EQ(f.doc->homeCongId(), 0);
    EXPECT_EQ(numberInSettingsFile(), 0);
    EXPECT_FALSE(f.doc->dataChanged());
    EXPECT_EQ(own.view().choose.text, "Selecteer Gemeente");
}

TEST_F(OwnCongregationTest, AReaderWhoMovesAwayLeavesTheDutyListAndTheCount) {
    start(1);
    O own(*f.doc, f.tp.platform);
    EXPECT_EQ(own.view().readers.text, "Lezers  ( 1 )");
    ASSERT_TRUE(moveBrother(*f.doc, f.tp.messages, indexOf(2), 3, false));
    EXPECT_EQ(dutyListIds(), std::vector<std::int16_t>{1});
    EXPECT_EQ(own.view().readers.text, "Lezers  ( 0 )");
    // Choosing the same congregation again rebuilds from the files: still gone.
    pickRow(0);
    own.pressChoose();
    EXPECT_EQ(dutyListIds(), std::vector<std::int16_t>{1});
    EXPECT_EQ(own.view().readers.text, "Lezers  ( 0 )");
}

TEST_F(OwnCongregationTest, ButtonsFollowTheOwnCongregationAndThePlanningSettings) {
    struct Case {
        int home, planReaders, planHospitality;
        bool readersShown, hostsShown;
    };
    const Case cases[] = {
        {1, 1, 1, true, true},   {1, 0, 1, false, true}, {1, 1, 0, true, false},
        {1, 0, 0, false, false}, {0, 1, 1, true, true},  {0, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        f.doc.reset();
        start(c.home, c.planReaders, c.planHospitality);
        SCOPED_TRACE(testing::Message() << "home " << c.home << " readers " << c.planReaders
                                        << " hospitality " << c.planHospitality);
        const auto v = O(*f.doc, f.tp.platform).view();
        const bool chosen = c.home != 0;
        EXPECT_EQ(v.caption, chosen ? "Assen" : "Eigen Gemeente");
        EXPECT_EQ(v.choose.text, chosen ? "Verander Gemeente" : "Selecteer Gemeente");
        EXPECT_TRUE(v.choose.enabled);
        for (const ControlView* b : {&v.speakers, &v.chairmen, &v.readers, &v.hosts, &v.details})
            EXPECT_EQ(b->enabled, chosen) << b->text;
        EXPECT_EQ(v.readers.visible, c.readersShown);
        EXPECT_EQ(v.hosts.visible, c.hostsShown);
        EXPECT_TRUE(v.speakers.visible);
        EXPECT_TRUE(v.chairmen.visible);
        // The package export is shown but never offered.
        EXPECT_EQ(v.exportPackage.text, "Maak export pakketje (.c1d)");
        EXPECT_TRUE(v.exportPackage.visible);
        EXPECT_FALSE(v.exportPackage.enabled);
        EXPECT_EQ(v.details.text, "Bekijk / Bewerk Gemeente Details");
        EXPECT_EQ(v.ok.text, "OK");
        EXPECT_EQ(v.cancel.text, "Annuleren");
        if (chosen) {
            EXPECT_EQ(v.speakers.text, "Uitzendsprekers  ( 1 )");
            EXPECT_EQ(v.chairmen.text, "Voorzitter  ( 1 )");
            EXPECT_EQ(v.readers.text, "Lezers  ( 1 )");
            EXPECT_EQ(v.hosts.text, "Gastgezin  ( 0 )");
        }
    }
}

TEST_F(OwnCongregationTest, DutyButtonsOpenTheDutyListOfTheirDuty) {
    start(1);
    O own(*f.doc, f.tp.platform);
    std::vector<std::string> captions;
    f.tp.screens.onHelperRoleDialog = [&](HelperRoleDialog& roles) {
        captions.push_back(roles.view().caption);
        EXPECT_TRUE(roles.view().toggle.visible);
        roles.cancel();
        return false;
    };
    for (int button : {O::Speakers, O::Chairmen, O::Readers}) own.pressDuty(button);
    EXPECT_EQ(captions, (std::vector<std::string>{"Uitzendsprekers", "Voorzitter", "Lezers"}));
    EXPECT_FALSE(own.closed());
}

TEST_F(OwnCongregationTest, WithoutAnOwnCongregationTheOtherButtonsDoNothing) {
    start(0);
    O own(*f.doc, f.tp.platform);
    own.pressDuty(O::Chairmen);
    own.pressHosts();
    own.pressDetails();
    EXPECT_TRUE(f.tp.screens.opened.empty());
}

TEST_F(OwnCongregationTest, ProvidersAreEditedInTheHostListAndCounted) {
    start(1);
    O own(*f.doc, f.tp.platform);
    f.tp.screens.onNameListDialog = [](NameListDialog& hosts) {
        EXPECT_FALSE(hosts.pickMode());
        EXPECT_EQ(hosts.view().caption, "Gastgezin");
        hosts.pressAdd();
        hosts.setEditText("Familie Jansen");
        hosts.ok();
        hosts.cancel();
        return false;
    };
    own.pressHosts();
    EXPECT_EQ(own.view().hosts.text, "Gastgezin  ( 1 )");
    EXPECT_EQ(f.dir.size("hospital.dat"), 32u);
    EXPECT_TRUE(f.doc->dataChanged());
}

TEST_F(OwnCongregationTest, ChangedDetailsRebuildTheDutyList) {
    start(1);
    O own(*f.doc, f.tp.platform);
    // A brother joins Assen behind the screen's back; only a rebuild puts him in the list.
    auto join = [this] {
        BrotherRecord r = withRoles(brother("Ad", "Aalders", 0, 1), kChairman);
        f.doc->brothers().addBrother(r, {});
        f.doc->brothers().sortBrothers();
    };
    f.tp.screens.onCongregationDialog = [&](CongregationDialog& details) {
        EXPECT_TRUE(details.view().nameReadOnly);
        EXPECT_EQ(details.view().name.text, "Assen");
        join();
        details.cancel();
        return false;
    };
    own.pressDetails();
    EXPECT_EQ(own.view().chairmen.text, "Voorzitter  ( 1 )");  // nothing stored, no rebuild

    f.tp.screens.onCongregationDialog = [](CongregationDialog& details) {
        details.setText(CongregationDialog::TimeEven, "10:00");
        details.ok();
        return true;
    };
    own.pressDetails();
    EXPECT_EQ(f.congSlot(1).meetingTimeEven, "10:00");
    EXPECT_EQ(own.view().chairmen.text, "Voorzitter  ( 2 )");
    EXPECT_EQ(f.doc->localBrothers().size(), 3u);
}

TEST_F(OwnCongregationTest, OkAndCancelOnlyClose) {
    start(1);
    const auto settings = f.dir.read("ambon.ini");
    const auto speakers = f.dir.read("speakers.dat");
    O a(*f.doc, f.tp.platform);
    a.ok();
    EXPECT_TRUE(a.accepted());
    O b(*f.doc, f.tp.platform);
    b.cancel();
    EXPECT_TRUE(b.closed());
    EXPECT_FALSE(b.accepted());
    EXPECT_EQ(f.dir.read("ambon.ini"), settings);
    EXPECT_EQ(f.dir.read("speakers.dat"), speakers);
    EXPECT_TRUE(f.tp.screens.opened.empty());
}

}  // namespace
}  // namespace ambon
