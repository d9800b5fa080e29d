// The circuit list and the provider list: editing in place and picking.
#include "reference/name_list_dialog.h"

#include <gtest/gtest.h>

#include "reference/named_lists.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::congregation;
using test::CongregationFixture;
using N = NameListDialog;

class NameListTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCircuits({{"Noord", 30001}, {"Oost", 30002}});
        f.writeCongregations({congregation("Assen", 1, 30001), congregation("Emmen", 2, 30002)});
        f.start();
    }
    std::vector<std::pair<std::string, std::uint16_t>> onDisk() const {
        std::vector<std::pair<std::string, std::uint16_t>> out;
        for (const auto& r : f.circuitsOnDisk()) out.emplace_back(r.name, r.id);
        return out;
    }
    CongregationFixture f;
};

TEST_F(NameListTest, EditModeRenamesAddsAndDeletes) {
    N list(*f.doc, f.tp.platform, N::Mode::Circuits);
    auto v = list.view();
    EXPECT_EQ(v.caption, "Kringen");
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Noord", "Oost"}));
    EXPECT_TRUE(v.list.selected.empty());
    EXPECT_TRUE(v.add.visible);
    EXPECT_EQ(v.add.text, "Voeg Kring Toe");
    EXPECT_FALSE(v.edit.visible);
    EXPECT_FALSE(v.ok.visible);
    EXPECT_EQ(v.cancel.text, "Sluiten");

    list.selectRow(1);
    v = list.view();
    EXPECT_TRUE(v.edit.visible);
    EXPECT_EQ(v.edit.text, "Oost");
    EXPECT_TRUE(v.ok.visible);
    EXPECT_FALSE(v.add.visible);
    EXPECT_EQ(list.focus(), N::Edit);
    list.setEditText("  Amstel ");
    list.ok();
    EXPECT_FALSE(list.closed());
    v = list.view();
    EXPECT_FALSE(v.edit.visible);
    EXPECT_EQ(v.edit.text, "");
    EXPECT_TRUE(v.add.visible);
    EXPECT_EQ(v.list.rows, (std::vector<std::string>{"Amstel", "Noord"}));
    EXPECT_EQ(onDisk(), (std::vector<std::pair<std::string, std::uint16_t>>{{"Amstel", 30002},
                                                                            {"Noord", 30001}}));

    list.pressAdd();
    EXPECT_TRUE(list.view().edit.visible);
    list.setEditText("Zuid");
    list.ok();
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Amstel", "Noord", "Zuid"}));
    EXPECT_EQ(f.doc->circuits().records()[2].id, 30003);

    // Clearing the name deletes without a question; its congregations lose the circuit.
    list.selectRow(1);
    list.setEditText("");
    list.ok();
    EXPECT_TRUE(f.tp.messages.shown.empty());
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Amstel", "Zuid"}));
    EXPECT_EQ(f.congSlot(1).circuitId, 0);
    EXPECT_EQ(f.congSlot(2).circuitId, 30002);
}

TEST_F(NameListTest, ADuplicateRenameChangesNothing) {
    N list(*f.doc, f.tp.platform, N::Mode::Circuits);
    const auto before = f.dir.read("circuit.dat");
    list.selectRow(0);
    list.setEditText("OOST");
    list.ok();
    EXPECT_EQ(f.tp.messages.lastText(), "Oost Dubbele naam.\n\n");
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Noord", "Oost"}));
    EXPECT_FALSE(list.view().edit.visible);
    EXPECT_EQ(f.dir.read("circuit.dat"), before);
}

TEST_F(NameListTest, PickModeReturnsTheChosenId) {
    struct Case {
        int pickIndex;
        int selectRow;  // -1: leave the preselection
        std::vector<int> preselected;
        std::uint16_t picked;
    };
    const Case cases[] = {
        {2, -1, {1}, 30002},
        {1, 1, {0}, 30002},
        {-1, -1, {}, 0},
        {5, -1, {}, 0},
    };
    for (const Case& c : cases) {
        N list(*f.doc, f.tp.platform, N::Mode::Circuits, c.pickIndex);
        auto v = list.view();
        EXPECT_EQ(v.list.selected, c.preselected) << c.pickIndex;
        EXPECT_EQ(v.cancel.text, "Cancel");
        EXPECT_TRUE(v.ok.visible);
        EXPECT_FALSE(v.edit.visible);
        if (c.selectRow >= 0) list.selectRow(c.selectRow);
        EXPECT_FALSE(list.view().edit.visible);  // picking never starts editing
        list.ok();
        EXPECT_TRUE(list.accepted());
        EXPECT_EQ(list.pickedId(), c.picked) << c.pickIndex;
    }

    N dbl(*f.doc, f.tp.platform, N::Mode::Circuits, -1);
    dbl.doubleClickRow(0);
    EXPECT_TRUE(dbl.accepted());
    EXPECT_EQ(dbl.pickedId(), 30001);

    N cancelled(*f.doc, f.tp.platform, N::Mode::Circuits, 1);
    cancelled.cancel();
    EXPECT_FALSE(cancelled.accepted());
    EXPECT_EQ(cancelled.pickedId(), 0);
}

TEST_F(NameListTest, PickModeStillAddsAndSelectsTheNewEntry) {
    N list(*f.doc, f.tp.platform, N::Mode::Circuits, 1);
    list.pressAdd();
    list.setEditText("Midden");
    list.ok();
    EXPECT_FALSE(list.closed());
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Midden", "Noord", "Oost"}));
    EXPECT_EQ(list.view().list.selected, std::vector<int>{0});
    list.ok();
    EXPECT_EQ(list.pickedId(), 30003);
}

TEST_F(NameListTest, HostModeListsTheProviders) {
    N list(*f.doc, f.tp.platform, N::Mode::Hosts);
    auto v = list.view();
    EXPECT_EQ(v.caption, "Gastgezin");
    EXPECT_EQ(v.add.text, "Add a Hospitality Provider");
    list.pressAdd();
    list.setEditText("~Jansen");
    list.ok();
    list.pressAdd();
    list.setEditText("Bakker");
    list.ok();
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Bakker", "~Jansen"}));
    EXPECT_EQ(f.dir.size("hospital.dat"), 64u);
    EXPECT_EQ(f.doc->circuits().count(), 2u);
}

// Providers as the own congregation screen edits them: the rotation marker stays in the
// list, duplicates ignore it, and numbers of deleted providers come back.
class HostListTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::uint8_t> bytes;
        // In name order, as the program writes it: the marker sorts after the letters.
        for (const auto& [name, id] :
             {std::pair<const char*, std::uint16_t>{"Bakker", 30002}, {"~Familie X", 30001}}) {
            NamedIdRecord r;
            r.name = name;
            r.id = id;
            auto one = r.encode();
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
        f.dir.write("hospital.dat", bytes);
        f.start();
        // A past week hosted by Familie X.
        f.doc->getWeek(f.doc->todayWeek() - 3).hostId = 30001;
    }
    std::vector<std::pair<std::string, std::uint16_t>> onDisk() const {
        auto bytes = f.dir.read("hospital.dat");
        std::vector<std::pair<std::string, std::uint16_t>> out;
        for (std::size_t at = 0; at + 32 <= bytes.size(); at += 32) {
            auto r = NamedIdRecord::decode(std::span(bytes.data() + at, 32));
            out.emplace_back(r.name, r.id);
        }
        return out;
    }
    // What a schedule shows for the past week's provider.
    std::string weekHost() const {
        std::size_t found = f.doc->hosts().find(
            static_cast<std::uint16_t>(f.doc->getWeek(f.doc->todayWeek() - 3).hostId));
        return found != 0 ? hostDisplayName(f.doc->hosts().name(found - 1)) : std::string();
    }
    void edit(N& list, int row, const std::string& text) {
        list.selectRow(row);
        list.setEditText(text);
        list.ok();
    }
    void add(N& list, const std::string& text) {
        list.pressAdd();
        list.setEditText(text);
        list.ok();
    }

    CongregationFixture f;
};

using HostRows = std::vector<std::pair<std::string, std::uint16_t>>;

TEST_F(HostListTest, TheMarkedProviderKeepsItsTildeHereOnly) {
    N list(*f.doc, f.tp.platform, N::Mode::Hosts);
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Bakker", "~Familie X"}));
    EXPECT_EQ(weekHost(), "Familie X");

    const auto before = f.dir.read("hospital.dat");
    add(list, "Familie X");
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.lastText(), "~Familie X Dubbele naam.\n\n");
    EXPECT_EQ(f.tp.messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(f.dir.read("hospital.dat"), before);
    EXPECT_EQ(list.view().list.rows, (std::vector<std::string>{"Bakker", "~Familie X"}));

    // Renaming keeps the number; a rename onto a taken name changes nothing.
    edit(list, 0, "Bakker-de Vries");
    edit(list, 0, "familie x");
    EXPECT_EQ(onDisk(), (HostRows{{"Bakker-de Vries", 30002}, {"~Familie X", 30001}}));
    EXPECT_EQ(f.tp.messages.shown.size(), 2u);
}

TEST_F(HostListTest, ADeletedProvidersNumberGoesToTheNextOneAdded) {
    N list(*f.doc, f.tp.platform, N::Mode::Hosts);
    edit(list, 1, "");
    EXPECT_TRUE(f.tp.messages.shown.empty());
    EXPECT_EQ(onDisk(), (HostRows{{"Bakker", 30002}}));
    // The week keeps the number, which names nobody now.
    EXPECT_EQ(f.doc->getWeek(f.doc->todayWeek() - 3).hostId, 30001);
    EXPECT_EQ(weekHost(), "");

    add(list, "Familie Y");
    EXPECT_EQ(onDisk(), (HostRows{{"Bakker", 30002}, {"Familie Y", 30001}}));
    EXPECT_EQ(weekHost(), "Familie Y");
}

TEST_F(HostListTest, DeletingTheLastProviderLeavesAnEmptyFile) {
    N list(*f.doc, f.tp.platform, N::Mode::Hosts);
    edit(list, 0, "");
    edit(list, 0, "");
    EXPECT_TRUE(list.view().list.rows.empty());
    // The deletion sticks: the file is emptied rather than left as it was.
    EXPECT_TRUE(f.dir.exists("hospital.dat"));
    EXPECT_EQ(f.dir.size("hospital.dat"), 0u);
    f.start();
    EXPECT_EQ(f.doc->hosts().count(), 0u);
}

}  // namespace
}  // namespace ambon
