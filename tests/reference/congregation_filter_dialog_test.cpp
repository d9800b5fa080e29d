// Choosing a congregation with a circuit filter: the three modes, the exchange period,
// the circuit combo box and the results.
#include "reference/congregation_filter_dialog.h"

#include <gtest/gtest.h>

#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::congregation;
using test::CongregationFixture;
using F = CongregationFilterDialog;

class CongregationFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCircuits({{"Noord", 30001}, {"Oost", 30002}});
        f.writeCongregations({congregation("Assen", 1, 30001), congregation("Emmen", 2, 30002),
                              congregation("Hoorn", 3, 30001), congregation("Zwolle", 4, 30001),
                              congregation("Delft", 5)});
        f.writeHomeCongregation(4);
        f.start();
    }
    void setWeek(int weekIndex, std::int16_t speakerCong, std::int16_t outCong = 0) {
        WeekRecord w = f.doc->getWeek(weekIndex);
        w.speakerCongId = speakerCong;
        w.outCongId[5] = outCong;
        f.doc->commitWeek(w, weekIndex);
    }
    CongregationFixture f;
};

TEST_F(CongregationFilterTest, AllCongregationsStartsWithAllAndReturnsZeroForIt) {
    F dialog(*f.doc, f.tp.platform, F::AllCongregations);
    auto v = dialog.view();
    EXPECT_EQ(v.caption, "Selecteer Gemeente");
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Alle Gemeenten", "Assen", "Delft", "Emmen",
                                                     "Hoorn", "Zwolle"}));
    EXPECT_EQ(v.list.selected, std::vector<int>{0});
    EXPECT_TRUE(v.circuits.visible);
    EXPECT_EQ(v.circuits.rows, (std::vector<std::string>{"Alle Kringen", "Noord", "Oost"}));
    EXPECT_EQ(v.circuits.selected, std::vector<int>{0});
    EXPECT_EQ(v.ok.text, "OK");
    EXPECT_EQ(v.cancel.text, "Annuleren");
    dialog.ok();
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(dialog.congId(), 0);
    EXPECT_EQ(dialog.circuitFilterId(), 0);
}

TEST_F(CongregationFilterTest, TheCircuitFilterNarrowsTheListAndIsReturned) {
    F dialog(*f.doc, f.tp.platform, F::AllCongregations);
    dialog.chooseCircuit(1);  // Noord
    EXPECT_EQ(dialog.view().list.rows,
              (std::vector<std::string>{"Alle Gemeenten", "Assen", "Hoorn", "Zwolle"}));
    EXPECT_EQ(dialog.view().circuits.selected, std::vector<int>{1});
    dialog.chooseCircuit(2);  // Oost
    EXPECT_EQ(dialog.view().list.rows, (std::vector<std::string>{"Alle Gemeenten", "Emmen"}));
    dialog.chooseCircuit(0);
    EXPECT_EQ(dialog.view().list.rows.size(), 6u);
    dialog.chooseCircuit(1);
    dialog.doubleClickRow(2);  // Hoorn
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(dialog.congId(), 3);
    EXPECT_EQ(dialog.circuitFilterId(), 30001);
}

TEST_F(CongregationFilterTest, ExchangingListsOnlyCongregationsInTheComing156Weeks) {
    const int now = f.doc->todayWeek() - 1;  // index of the current week
    setWeek(now - 1, 2);                     // Emmen, just before the period
    setWeek(now, 1);                         // Assen, first week of the period
    setWeek(now + 155, 0, 3);                // Hoorn goes out in the 156th week
    setWeek(now + 156, 5);                   // Delft, just after it
    setWeek(now + 10, 4, 4);                 // the own congregation never counts
    F dialog(*f.doc, f.tp.platform, F::Exchanging);
    auto v = dialog.view();
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Assen", "Hoorn"}));
    EXPECT_FALSE(v.circuits.visible);
    dialog.selectRow(1);
    dialog.ok();
    EXPECT_EQ(dialog.congId(), 3);

    // Nothing to choose: OK waits.
    setWeek(now, 0);
    setWeek(now + 155, 0, 0);
    F empty(*f.doc, f.tp.platform, F::Exchanging);
    EXPECT_TRUE(empty.view().list.rows.empty());
    empty.ok();
    EXPECT_FALSE(empty.closed());
    empty.cancel();
    EXPECT_EQ(empty.result(), ScreenResult::Cancel);
}

TEST_F(CongregationFilterTest, OwnPreselectedSelectsTheOwnCongregation) {
    F dialog(*f.doc, f.tp.platform, F::OwnPreselected);
    auto v = dialog.view();
    EXPECT_EQ(v.list.rows,
              (std::vector<std::string>{"Assen", "Delft", "Emmen", "Hoorn", "Zwolle"}));
    EXPECT_EQ(v.list.selected, std::vector<int>{4});
    EXPECT_EQ(v.list.topRow, 0);
    dialog.ok();
    EXPECT_EQ(dialog.congId(), 4);
    // Filtered away, the own congregation cannot be selected: the first entry is.
    F oost(*f.doc, f.tp.platform, F::OwnPreselected);
    oost.chooseCircuit(2);
    EXPECT_EQ(oost.view().list.selected, std::vector<int>{0});
}

TEST(CongregationFilter, TheSelectionStaysWithinTenRowsOfTheTop) {
    CongregationFixture f;
    std::vector<CongregationRecord> congs;
    for (int i = 1; i <= 20; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "C%02d", i);
        congs.push_back(congregation(name, static_cast<std::int16_t>(i)));
    }
    f.writeCongregations(congs);
    f.writeHomeCongregation(15);
    f.writeCircuits({{"Noord", 30001}});
    f.start();
    F dialog(*f.doc, f.tp.platform, F::OwnPreselected);
    EXPECT_EQ(dialog.view().list.selected, std::vector<int>{14});
    EXPECT_EQ(dialog.view().list.topRow, 4);
    // One circuit is no choice.
    EXPECT_FALSE(dialog.view().circuits.visible);
}

}  // namespace
}  // namespace ambon
