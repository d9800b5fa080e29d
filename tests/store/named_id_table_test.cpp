// Circuits and hospitality providers: the flat file read to its end and rewritten whole,
// lookups by id, the free id from 30001 up, and the name order.
#include "store/named_id_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;
using test::concat;
using test::namedIdRecord;

struct TableFile {
    const char* name;
    std::string (*fileName)();
};

void PrintTo(const TableFile& t, std::ostream* os) {
    *os << t.name;
}

class NamedIdTableTest : public ::testing::TestWithParam<TableFile> {
protected:
    NamedIdTable table() { return NamedIdTable(w.io, w.order, GetParam().fileName); }
    std::string file() const { return GetParam().name; }

    test::StoreWorld w;
};

TEST_P(NamedIdTableTest, LoadsInFileOrderAndFindsById) {
    ByteVector bytes = concat({namedIdRecord("Zeeland", 30001), namedIdRecord("Brabant", 30005)});
    // A short last record is read zero-filled.
    ByteVector last = namedIdRecord("Limburg", 30002);
    bytes.insert(bytes.end(), last.begin(), last.begin() + 31);
    w.temp.write(file(), bytes);
    NamedIdTable t = table();
    t.load();
    ASSERT_EQ(t.count(), 3u);
    EXPECT_EQ(t.name(0), "Zeeland");
    EXPECT_EQ(t.name(1), "Brabant");
    EXPECT_EQ(t.records()[2].name, "Limburg");
    EXPECT_EQ(t.records()[2].id, 0x0032);  // only the low byte of 30002 was there
    EXPECT_EQ(t.name(3), "");
    EXPECT_EQ(t.find(30005), 2u);
    EXPECT_EQ(t.find(30003), 0u);
    EXPECT_EQ(t.find(0), 0u);

    t.sort();
    EXPECT_EQ(t.name(0), "Brabant");
    EXPECT_EQ(t.name(2), "Zeeland");
}

TEST_P(NamedIdTableTest, MissingFileGivesAnEmptyTableAndNothingIsCreated) {
    NamedIdTable t = table();
    t.records().push_back(NamedIdRecord{});
    t.load();
    EXPECT_EQ(t.count(), 0u);
    EXPECT_TRUE(w.temp.list().empty());
}

TEST_P(NamedIdTableTest, SaveRewritesTheTableInOrderAndAnEmptyTableEmptiesTheFile) {
    const ByteVector original = concat(
        {ByteImage(namedIdRecord("Oost", 30002)).fill(20, 10, 0xEE), namedIdRecord("West", 30001)});
    w.temp.write(file(), original);
    NamedIdTable t = table();
    t.load();
    ASSERT_TRUE(t.save());
    EXPECT_EQ(w.temp.read(file()), original);  // bytes after a terminator survive

    t.sort();
    NamedIdRecord added;
    added.name = "Midden";
    added.id = t.freeId();
    t.records().push_back(added);
    ASSERT_TRUE(t.save());
    EXPECT_EQ(w.temp.read(file()),
              concat({ByteImage(namedIdRecord("Oost", 30002)).fill(20, 10, 0xEE),
                      namedIdRecord("West", 30001), namedIdRecord("Midden", 30003)}));

    // The last one deleted stays deleted at the next start.
    t.records().clear();
    ASSERT_TRUE(t.save());
    EXPECT_TRUE(w.temp.exists(file()));
    EXPECT_EQ(w.temp.size(file()), 0u);
    NamedIdTable again = table();
    again.load();
    EXPECT_EQ(again.count(), 0u);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_P(NamedIdTableTest, FreeIdIsTheSmallestUnusedFrom30001AndStopsAt31000) {
    struct Case {
        std::vector<std::uint16_t> used;
        std::uint16_t free;
    };
    std::vector<std::uint16_t> all;
    for (std::uint16_t id = 30001; id <= 31005; ++id) all.push_back(id);
    const Case cases[] = {
        {{}, 30001},  {{30001, 30002}, 30003}, {{30003, 30001}, 30002}, {{5, 29999, 30000}, 30001},
        {all, 31000},
    };
    for (const auto& c : cases) {
        NamedIdTable t = table();
        for (auto id : c.used) t.records().push_back(NamedIdRecord{.name = "x", .id = id});
        EXPECT_EQ(t.freeId(), c.free) << c.used.size() << " used";
    }
}

TEST_P(NamedIdTableTest, AFailedRewriteShowsMessage1231AndKeepsTheFile) {
    NamedIdTable t = table();
    t.records().push_back(NamedIdRecord{.name = "Oost", .id = 30001});
    test::blockFile(w.temp, file());
    EXPECT_FALSE(t.save());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, file()));
}

TEST_P(NamedIdTableTest, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    const ByteVector original = namedIdRecord("Oost", 30001);
    w.temp.write(file(), original);
    ::chmod(w.temp.file(file()).c_str(), 0444);
    NamedIdTable t = table();
    t.load();
    t.records()[0].name = "West";
    EXPECT_FALSE(t.save());
    EXPECT_EQ(w.temp.read(file()), original);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, file()));
}

INSTANTIATE_TEST_SUITE_P(CircuitsAndHosts, NamedIdTableTest,
                         ::testing::Values(TableFile{"circuit.dat", &files::circuits},
                                           TableFile{"hospital.dat", &files::hosts}),
                         [](const auto& info) {
                             return std::string(info.param.name[0] == 'c' ? "Circuits" : "Hosts");
                         });

}  // namespace
}  // namespace ambon
