// Circuits and hospitality providers: numbering, duplicates, renames and deletions, and
// what they leave on disk.
#include "reference/named_lists.h"

#include <gtest/gtest.h>

#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::congregation;
using test::CongregationFixture;

std::vector<std::pair<std::string, std::uint16_t>> onDisk(const CongregationFixture& f) {
    std::vector<std::pair<std::string, std::uint16_t>> out;
    for (const auto& r : f.circuitsOnDisk()) out.emplace_back(r.name, r.id);
    return out;
}

NamedIdRecord named(const std::string& name) {
    NamedIdRecord r;
    r.name = name;
    return r;
}

TEST(Circuits, AddTakesTheSmallestFreeIdAndKeepsNameOrder) {
    CongregationFixture f;
    f.writeCircuits({{"Oost", 30002}, {"Noord", 30004}});
    CAmbDoc& doc = f.start();

    EXPECT_TRUE(addCircuit(doc, f.tp.messages, named("  Zuid  ")));
    EXPECT_TRUE(addCircuit(doc, f.tp.messages, named("Midden")));
    EXPECT_TRUE(addCircuit(doc, f.tp.messages, named("West")));
    // Trimmed, sorted by name, numbered 30001, 30003, 30005.
    EXPECT_EQ(onDisk(f), (std::vector<std::pair<std::string, std::uint16_t>>{{"Midden", 30003},
                                                                             {"Noord", 30004},
                                                                             {"Oost", 30002},
                                                                             {"West", 30005},
                                                                             {"Zuid", 30001}}));
    EXPECT_TRUE(f.tp.messages.shown.empty());
}

TEST(Circuits, DuplicateOrEmptyNameAddsNothing) {
    CongregationFixture f;
    f.writeCircuits({{"Oost", 30001}});
    CAmbDoc& doc = f.start();
    const auto before = f.dir.read("circuit.dat");

    EXPECT_FALSE(addCircuit(doc, f.tp.messages, named("OOST ")));
    ASSERT_EQ(f.tp.messages.shown.size(), 1u);
    EXPECT_EQ(f.tp.messages.shown[0].text, "Oost Dubbele naam.\n\n");
    EXPECT_EQ(f.tp.messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(addCircuit(doc, f.tp.messages, named("   ")));
    EXPECT_EQ(doc.circuits().count(), 1u);
    EXPECT_EQ(f.dir.read("circuit.dat"), before);
}

TEST(Circuits, IdSearchStopsAt31000) {
    CongregationFixture f;
    std::vector<std::pair<std::string, std::uint16_t>> all;
    for (std::uint16_t id = 30001; id <= 31000; ++id)
        all.emplace_back("K" + std::to_string(id), id);
    f.writeCircuits(all);
    CAmbDoc& doc = f.start();
    ASSERT_TRUE(addCircuit(doc, f.tp.messages, named("Nieuw")));
    // 31000 is used again without a further check.
    int with31000 = 0;
    for (const auto& r : doc.circuits().records()) with31000 += r.id == 31000;
    EXPECT_EQ(with31000, 2);
}

TEST(Circuits, RenameKeepsTheIdUnlessTheNameIsTaken) {
    CongregationFixture f;
    f.writeCircuits({{"Noord", 30001}, {"Oost", 30002}});
    CAmbDoc& doc = f.start();

    EXPECT_FALSE(renameCircuit(doc, f.tp.messages, 0, "oost"));
    EXPECT_EQ(f.tp.messages.lastText(), "Oost Dubbele naam.\n\n");
    // Its own name in other letters is not a duplicate.
    EXPECT_TRUE(renameCircuit(doc, f.tp.messages, 0, "NOORD"));
    EXPECT_TRUE(renameCircuit(doc, f.tp.messages, 1, "Amstel"));
    EXPECT_EQ(onDisk(f), (std::vector<std::pair<std::string, std::uint16_t>>{{"Amstel", 30002},
                                                                             {"NOORD", 30001}}));
}

TEST(Circuits, DeleteLeavesItsCongregationsWithoutACircuit) {
    CongregationFixture f;
    f.writeCircuits({{"Noord", 30001}, {"Oost", 30002}});
    auto a = congregation("Assen", 1, 30001);
    a.phone1 = "0592-123456";
    f.writeCongregations({a, congregation("Emmen", 2, 30002), congregation("Hoorn", 3, 30001)});
    CAmbDoc& doc = f.start();
    const auto emmenBefore = f.congSlot(2).encode();

    deleteCircuit(doc, 0);  // Noord
    EXPECT_TRUE(f.tp.messages.shown.empty());
    EXPECT_EQ(onDisk(f), (std::vector<std::pair<std::string, std::uint16_t>>{{"Oost", 30002}}));
    EXPECT_EQ(f.congSlot(1).circuitId, 0);
    EXPECT_EQ(f.congSlot(1).phone1, "0592-123456");
    EXPECT_EQ(f.congSlot(3).circuitId, 0);
    EXPECT_EQ(f.congSlot(2).encode(), emmenBefore);
    for (const auto& e : doc.congregations().entries())
        EXPECT_EQ(e.circuitId, e.name == "Emmen" ? 30002 : 0) << e.name;

    // The last circuit goes too: the file is emptied, so it does not come back.
    deleteCircuit(doc, 0);
    EXPECT_EQ(f.dir.size("circuit.dat"), 0u);
    EXPECT_EQ(f.congSlot(2).circuitId, 0);
    f.start();
    EXPECT_EQ(f.doc->circuits().count(), 0u);
}

TEST(Hosts, TheMarkerDoesNotCountForDuplicates) {
    CongregationFixture f;
    CAmbDoc& doc = f.start();
    ASSERT_TRUE(addHost(doc, f.tp.messages, named("~Jansen")));
    EXPECT_FALSE(addHost(doc, f.tp.messages, named("jansen")));
    EXPECT_EQ(f.tp.messages.lastText(), "~Jansen Dubbele naam.\n\n");
    ASSERT_TRUE(addHost(doc, f.tp.messages, named("Bakker")));
    EXPECT_FALSE(renameHost(doc, f.tp.messages, 0, "~jansen"));
    EXPECT_TRUE(renameHost(doc, f.tp.messages, 0, "~Bakker"));
    EXPECT_EQ(findHostByName(doc, f.tp.messages, "JANSEN", false, kSilentNameLookup), 2);

    // A deleted provider's number goes to the next one added.
    ASSERT_EQ(doc.hosts().records()[1].id, 30001);
    deleteHost(doc, 1);
    ASSERT_TRUE(addHost(doc, f.tp.messages, named("Visser")));
    EXPECT_EQ(doc.hosts().records()[doc.hosts().find(30001) - 1].name, "Visser");
    auto bytes = f.dir.read("hospital.dat");
    ASSERT_EQ(bytes.size(), 64u);
}

TEST(Hosts, DisplayNameLeavesOutTheLeadingMarkerOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"~Familie X", "Familie X"},
        {"Familie X", "Familie X"},
        {"~~Jansen", "~Jansen"},
        {"De ~Vries", "De ~Vries"},
        {"~", ""},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) EXPECT_EQ(hostDisplayName(stored), shown) << stored;
}

}  // namespace
}  // namespace ambon
