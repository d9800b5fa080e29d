// The duty list screen: editing who holds a duty (in memory at once, on disk at OK), the
// view with its marks and legend, preselection and the assignment mode.
#include "reference/helper_role_dialog.h"

#include <gtest/gtest.h>

#include "reference/local_duties.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::brother;
using test::congregation;
using test::CongregationFixture;
using H = HelperRoleDialog;

// Roles byte on disk: bit 1 outgoing speaker, bit 2 chairman, bit 4 reader.
constexpr std::uint8_t kOutgoing = 0x02, kChairman = 0x04, kReader = 0x10;

BrotherRecord with(BrotherRecord r, std::uint8_t roles, bool suspended = false) {
    r.roles = roles;
    if (suspended) r.flags = BrotherRecord::kSuspendedBit;
    return r;
}

class HelperRoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCongregations({congregation("Assen", 1), congregation("Beilen", 2)});
        f.writeBrothers({
            with(brother("Jan", "Bakker", 1, 1), kOutgoing | kChairman),
            with(brother("Kees", "Dijk", 2, 1), kChairman, true),
            with(brother("Piet", "Smit", 3, 1), kReader),
            with(brother(" ", "", 4, 1), kChairman),  // a blank name is never listed
            with(brother("Henk", "Vos", 5, 1), 0),
            with(brother("Gert", "Aalbers", 6, 2), kChairman),  // another congregation
        });
        f.writeHomeCongregation(1);
        f.start();
    }
    std::size_t indexOf(std::int16_t brotherId) const {
        return f.doc->brothers().findBrother(brotherId);
    }
    std::uint8_t rolesOnDisk(std::int16_t brotherId) const {
        return f.brotherSlot(static_cast<std::size_t>(brotherId)).roles;
    }
    std::vector<std::uint8_t> rolesOnDisk() const {
        std::vector<std::uint8_t> out;
        for (std::int16_t id = 1; id <= 6; ++id) out.push_back(rolesOnDisk(id));
        return out;
    }
    // Gives the brother a role (chairman) in the week with this index.
    void chairmanIn(int weekIndex, std::int16_t brotherId) {
        f.doc->getWeek(weekIndex).chairmanId = brotherId;
    }

    CongregationFixture f;
};

using Rows = std::vector<std::string>;

TEST_F(HelperRoleTest, EditingAppliesAtOnceAndOkWritesTheRecords) {
    H roles(*f.doc, f.tp.platform, kDutyChairman);
    auto v = roles.view();
    EXPECT_EQ(v.caption, "Voorzitter");
    EXPECT_EQ(v.toggle.text, "Bewerk lijst");
    EXPECT_TRUE(v.viewList.visible);
    EXPECT_FALSE(v.editList.visible);
    EXPECT_EQ(v.viewList.rows, (Rows{"Jan Bakker", "* Kees Dijk (Suspended)"}));
    EXPECT_EQ(v.ok.text, "&OK");
    EXPECT_EQ(v.cancel.text, "Annuleren");
    EXPECT_FALSE(v.legend.visible);

    roles.pressToggle();
    v = roles.view();
    EXPECT_TRUE(roles.editing());
    EXPECT_EQ(v.toggle.text, "Bekijk lijst");
    EXPECT_TRUE(v.editList.visible);
    EXPECT_FALSE(v.viewList.visible);
    EXPECT_EQ(v.editList.rows,
              (Rows{"Jan Bakker", "Kees Dijk (Suspended)", "Piet Smit", "Henk Vos"}));
    EXPECT_EQ(v.editList.selected, (std::vector<int>{0, 1}));
    EXPECT_EQ(roles.focus(), H::EditList);

    // Dijk out, Smit in: memory follows every change, the files wait for OK.
    const auto before = rolesOnDisk();
    roles.setEditSelection({0, 2});
    EXPECT_EQ(countDuty(*f.doc, kDutyChairman), 3);  // Bakker, Smit and the blank one
    EXPECT_EQ(rolesOnDisk(), before);
    roles.ok();
    EXPECT_TRUE(roles.accepted());
    EXPECT_EQ(roles.chosen(), 0);
    EXPECT_EQ(rolesOnDisk(),
              (std::vector<std::uint8_t>{kOutgoing | kChairman, 0, kReader | kChairman, kChairman,
                                         0, kChairman}));
    EXPECT_TRUE(f.doc->dataChanged());
}

TEST_F(HelperRoleTest, CancelKeepsTheChangedDutiesInMemoryOnly) {
    const auto before = rolesOnDisk();
    H roles(*f.doc, f.tp.platform, kDutyOutgoing);
    roles.pressToggle();
    roles.setEditSelection({1, 3});  // Dijk and Vos instead of Bakker
    roles.cancel();
    EXPECT_FALSE(roles.accepted());
    EXPECT_EQ(rolesOnDisk(), before);
    EXPECT_EQ(countDuty(*f.doc, kDutyOutgoing), 2);
    EXPECT_FALSE(isOutgoingSpeaker(*f.doc, indexOf(1)));
    EXPECT_TRUE(isOutgoingSpeaker(*f.doc, indexOf(5)));
    EXPECT_TRUE(f.doc->dataChanged());
    // A rebuild from the files brings the stored duties back.
    f.doc->rebuildLocalBrothers();
    EXPECT_TRUE(isOutgoingSpeaker(*f.doc, indexOf(1)));
}

TEST_F(HelperRoleTest, BackToTheViewShowsTheNewHolders) {
    H roles(*f.doc, f.tp.platform, kDutyReader);
    EXPECT_EQ(roles.view().caption, "Lezers");
    EXPECT_EQ(roles.view().viewList.rows, Rows{"Piet Smit"});
    roles.pressToggle();
    roles.setEditSelection({0, 3, 7});  // a row beyond the list is ignored
    roles.pressToggle();
    EXPECT_FALSE(roles.editing());
    EXPECT_EQ(roles.view().viewList.rows, (Rows{"Jan Bakker", "Henk Vos"}));
    EXPECT_EQ(roles.view().toggle.text, "Bewerk lijst");
    EXPECT_EQ(roles.focus(), H::ViewList);
    EXPECT_EQ(countDuty(*f.doc, kDutyReader), 2);
}

TEST_F(HelperRoleTest, UnavailableAndSuspendedBrothersAreMarked) {
    const int week = f.doc->todayWeek() + 2;  // Sunday 27 December 2026
    f.doc->unavailability().addUnavailable(1, week, f.doc->todayWeek());
    struct Case {
        int week;
        Rows rows;
        bool legend;
    };
    const Case cases[] = {
        {week, {"* Jan Bakker", "* Kees Dijk (Suspended)"}, true},
        {week + 1, {"Jan Bakker", "* Kees Dijk (Suspended)"}, false},
        {0, {"Jan Bakker", "* Kees Dijk (Suspended)"}, false},
    };
    for (const Case& c : cases) {
        H roles(*f.doc, f.tp.platform, kDutyChairman, c.week);
        auto v = roles.view();
        EXPECT_EQ(v.viewList.rows, c.rows) << c.week;
        EXPECT_EQ(v.legend.visible, c.legend) << c.week;
        if (c.legend) {
            EXPECT_EQ(v.legend.text, "* Niet beschikbaar - December 27, 2026");
            // The legend explains the view; the edit list shows no marks.
            roles.pressToggle();
            EXPECT_FALSE(roles.view().legend.visible);
            EXPECT_EQ(roles.view().editList.rows[0], "Jan Bakker");
        }
    }
}

TEST_F(HelperRoleTest, PreselectedBrotherIsChosenWithSelect) {
    const int bakker = static_cast<int>(indexOf(1)) + 1;
    H roles(*f.doc, f.tp.platform, kDutyChairman, 0, bakker);
    auto v = roles.view();
    EXPECT_EQ(v.ok.text, "Select");
    EXPECT_TRUE(v.ok.visible);
    EXPECT_EQ(v.viewList.selected, std::vector<int>{0});
    // While editing there is nothing to choose from.
    roles.pressToggle();
    EXPECT_FALSE(roles.view().ok.visible);
    roles.pressToggle();
    EXPECT_TRUE(roles.view().ok.visible);
    EXPECT_EQ(roles.view().viewList.selected, std::vector<int>{0});
    roles.ok();
    EXPECT_TRUE(roles.accepted());
    EXPECT_EQ(roles.chosen(), bakker);

    // Another row chosen by double click.
    H other(*f.doc, f.tp.platform, kDutyChairman, 0, bakker);
    other.doubleClickViewRow(1);
    EXPECT_TRUE(other.accepted());
    EXPECT_EQ(other.chosen(), static_cast<int>(indexOf(2)) + 1);

    // A preselected brother who does not hold the duty selects nothing.
    H none(*f.doc, f.tp.platform, kDutyChairman, 0, static_cast<int>(indexOf(5)) + 1);
    EXPECT_TRUE(none.view().viewList.selected.empty());
    none.ok();
    EXPECT_TRUE(none.accepted());
    EXPECT_EQ(none.chosen(), 0);
}

TEST_F(HelperRoleTest, ABrotherWhoLeftTheDutyWhileEditingIsNoLongerChosen) {
    const int bakker = static_cast<int>(indexOf(1)) + 1;
    H roles(*f.doc, f.tp.platform, kDutyChairman, 0, bakker);
    roles.pressToggle();
    roles.setEditSelection({1});
    roles.ok();
    EXPECT_TRUE(roles.accepted());
    EXPECT_EQ(roles.chosen(), 0);
    EXPECT_EQ(rolesOnDisk(1), kOutgoing);
}

TEST_F(HelperRoleTest, AssignmentModeListsBrothersWithARoleAhead) {
    const int today = f.doc->todayWeek();
    chairmanIn(today + 3, 3);   // Smit: within the 55 weeks
    chairmanIn(today + 54, 5);  // Vos: the last of them
    chairmanIn(today + 55, 1);  // Bakker: just beyond
    chairmanIn(today + 10, 6);  // Aalbers is not in the duty list
    chairmanIn(today + 4, 4);   // the blank name is never listed
    H roles(*f.doc, f.tp.platform, kDutyChairman, 0, 0, true);
    auto v = roles.view();
    EXPECT_EQ(v.caption, "Select");
    EXPECT_FALSE(v.toggle.visible);
    EXPECT_EQ(v.ok.text, "&OK");
    EXPECT_EQ(v.viewList.rows, (Rows{"Piet Smit", "Henk Vos"}));
    roles.pressToggle();  // no edit state here
    EXPECT_FALSE(roles.editing());

    // Without a choice OK cancels.
    roles.ok();
    EXPECT_TRUE(roles.closed());
    EXPECT_FALSE(roles.accepted());
    EXPECT_EQ(roles.chosen(), 0);

    H chosen(*f.doc, f.tp.platform, kDutyChairman, 0, 0, true);
    chosen.selectViewRow(1);
    chosen.ok();
    EXPECT_TRUE(chosen.accepted());
    EXPECT_EQ(chosen.chosen(), static_cast<int>(indexOf(5)) + 1);
}

}  // namespace
}  // namespace ambon
