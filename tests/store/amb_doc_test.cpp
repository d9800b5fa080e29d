// Start-up of the document: what a first start creates, the week window, the language
// behaviours, the full reload, and the operations that span several tables.
#include "store/amb_doc.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/store_fixtures.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

using test::brotherBlock;
using test::ByteImage;
using test::ByteVector;
using test::concat;
using test::congregationBlock;
using test::FakeMessages;
using test::FixedClock;
using test::i16At;
using test::slice;
using test::slotFile;
using test::TempDataDir;
using test::weekRecord;
using test::zeroBlock;

TEST(AmbDocStartUp, FirstStartCreatesOnlyTheSlotFilesAndBuildsTheCatalogue) {
    TempDataDir dir;
    FixedClock clock(2024, 3, 14);
    FakeMessages messages;
    CAmbDoc doc(clock, messages);
    ASSERT_TRUE(doc.startUp(dir.path()));

    EXPECT_EQ(dir.list(), (std::vector<std::string>{"cong.dat", "speakers.dat", "xtend.dat"}));
    EXPECT_EQ(dir.read("speakers.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(dir.read("cong.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(dir.read("xtend.dat"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(doc.talks().talk(0).title, "Hoe goed ken je God?");
    EXPECT_EQ(doc.talks().talk(230).numberText, "S-31");
    EXPECT_EQ(doc.talks().talk(255).numberText, "S-56");
    EXPECT_EQ(doc.topics().count(), 10u);
    EXPECT_EQ(doc.brothers().count(), 0u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(AmbDocStartUp, WeekWindowFollowsTheYear) {
    struct Case {
        int year;
        int firstWeek;
    };
    for (Case c : {Case{2009, 0}, Case{2010, 52}, Case{2024, 780}}) {
        TempDataDir dir;
        FixedClock clock(c.year, 6, 1);
        FakeMessages messages;
        CAmbDoc doc(clock, messages);
        ASSERT_TRUE(doc.startUp(dir.path(), {.readOnly = true}));
        EXPECT_EQ(doc.firstWeek(), c.firstWeek) << c.year;
        EXPECT_EQ(doc.getWeek(c.firstWeek).week, c.firstWeek + 1);
        EXPECT_EQ(doc.getWeek(c.firstWeek + 999).week, c.firstWeek + 1000);
    }
}

TEST(AmbDocStartUp, ReadOnlyStartWritesNothing) {
    TempDataDir dir;
    FixedClock clock(2026, 12, 11);
    FakeMessages messages;
    CAmbDoc doc(clock, messages);
    ASSERT_TRUE(doc.startUp(dir.path(), {.readOnly = true}));
    EXPECT_TRUE(dir.list().empty());
    EXPECT_EQ(doc.todayWeek(), doc.sheetWeek());
}

// --- A document over a prepared data directory ---

class AmbDocTest : public ::testing::Test {
protected:
    bool start(std::optional<std::string> language = std::nullopt) {
        return doc.startUp(dir.path(), {.languageCode = std::move(language)});
    }
    void setHome(int congId) {
        dir.writeText("ambon.ini", "[Congregation]\r\nNumber=" + std::to_string(congId) + "\r\n");
    }
    std::vector<std::string> brotherNames() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < doc.brothers().count(); ++i)
            names.push_back(doc.brothers().brotherName(i, false));
        return names;
    }
    ByteVector block(const std::string& file, std::size_t slot) const {
        return slice(dir.read(file), slot * 256, 256);
    }

    TempDataDir dir;
    FixedClock clock{2024, 3, 14};
    FakeMessages messages;
    CAmbDoc doc{clock, messages};
};

TEST_F(AmbDocTest, HaitianDataSetsAreRenamedToTheStandardNames) {
    struct Pair {
        std::string older;  // as bytes on disk
        const char* standard;
    };
    const Pair pairs[] = {
        {"Orat\xE8.dat", "speakers.dat"},      {"Kong.dat", "cong.dat"},
        {"Sikonskripsyon.dat", "circuit.dat"}, {"Ospital.dat", "hospital.dat"},
        {"Sij\xC3\xA8.dat", "topic.dat"},  // written by a UTF-8 system
        {"Istwa.dat", "history.dat"},          {"Nou vle.dat", "wishlist.dat"},
        {"espesyal.dat", "special.dat"},
    };
    std::vector<ByteVector> contents;
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        // Contents that each loader reads without rewriting.
        contents.push_back(
            i == 0   ? slotFile({brotherBlock(
                           {.brotherId = 1, .firstName = "Jean", .lastName = "Pierre"})})
            : i == 1 ? slotFile({congregationBlock({.congId = 1, .name = "Okap"})})
                     : test::patternBytes(32 * (i + 1), static_cast<std::uint8_t>(i)));
        dir.write(pairs[i].older, contents.back());
    }
    ASSERT_TRUE(start("HT"));
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        EXPECT_FALSE(dir.exists(pairs[i].older)) << pairs[i].standard;
        EXPECT_EQ(dir.read(pairs[i].standard), contents[i]) << pairs[i].standard;
    }
    EXPECT_EQ(brotherNames(), (std::vector<std::string>{"Jean Pierre"}));
    EXPECT_EQ(doc.congregations().congregationName(0, false), "Okap");
}

TEST_F(AmbDocTest, HaitianRenameLeavesAnExistingStandardFileAndOtherLanguagesAlone) {
    const std::string cp1252Name = "Orat\xE8.dat";
    const std::string utf8Name = "Orat\xC3\xA8.dat";
    struct Case {
        const char* language;
        const std::string& older;
        bool speakersExists;
        bool renamed;
    };
    for (const Case& c :
         {Case{"HT", cp1252Name, false, true}, Case{"HT", utf8Name, false, true},
          Case{"HT", cp1252Name, true, false}, Case{"HT", utf8Name, true, false},
          Case{"dutch", cp1252Name, false, false}, Case{"ht", cp1252Name, false, false}}) {
        TempDataDir d;
        FakeMessages m;
        CAmbDoc haitian(clock, m);
        const ByteVector older =
            slotFile({brotherBlock({.brotherId = 1, .firstName = "Jean", .lastName = "Pierre"})});
        const ByteVector standard =
            slotFile({brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"})});
        d.write(c.older, older);
        if (c.speakersExists) d.write("speakers.dat", standard);
        ASSERT_TRUE(haitian.startUp(d.path(), {.languageCode = c.language}));
        const std::string what = std::string(c.language) + (&c.older == &utf8Name ? " utf-8" : "");
        EXPECT_EQ(d.exists(c.older), !c.renamed) << what;
        EXPECT_EQ(d.read("speakers.dat"), c.renamed          ? older
                                          : c.speakersExists ? standard
                                                             : zeroBlock())
            << what;
    }
}

TEST_F(AmbDocTest, ItalianOratoriReplacesASmallerSpeakersFile) {
    const ByteVector two =
        slotFile({brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"})});
    const ByteVector three =
        slotFile({brotherBlock({.brotherId = 1, .firstName = "Mario", .lastName = "Rossi"}),
                  brotherBlock({.brotherId = 2, .firstName = "Luigi", .lastName = "Bianchi"})});
    struct Case {
        const char* language;
        std::optional<ByteVector> speakers;
        ByteVector oratori;
        bool replaced;
    };
    const Case cases[] = {
        {"italian", two, three, true},
        {"italian", std::nullopt, two, true},
        {"italian", three, two, false},
        {"italian", two, ByteImage(two).u8(300, 9), false},  // same size
        {"dutch", two, three, false},
    };
    for (const auto& c : cases) {
        TempDataDir d;
        FakeMessages m;
        CAmbDoc italian(clock, m);
        if (c.speakers) d.write("speakers.dat", *c.speakers);
        d.write("oratori.dat", c.oratori);
        ASSERT_TRUE(italian.startUp(d.path(), {.languageCode = c.language}));
        EXPECT_EQ(d.read("speakers.dat"), c.replaced ? c.oratori : *c.speakers) << c.language;
        EXPECT_EQ(d.exists("oratori.dat"), !c.replaced);
        EXPECT_EQ(italian.brothers().count(),
                  (c.replaced ? c.oratori : *c.speakers).size() / 256 - 1);
    }
}

TEST_F(AmbDocTest, ReloadAllReadsEveryFileAgainButDoesNotConvertTheOldExtraFile) {
    dir.write(
        "speakers.dat",
        slotFile({brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"})}));
    ASSERT_TRUE(start());
    ASSERT_EQ(brotherNames(), (std::vector<std::string>{"Piet Jansen"}));
    WeekRecord planned = doc.getWeek(800);
    planned.talkNo = 5;
    doc.commitWeek(planned, 800);

    // A restore replaces the files underneath.
    dir.write("speakers.dat",
              slotFile({brotherBlock({.brotherId = 1,
                                      .firstName = "Anna",
                                      .lastName = "Bakker",
                                      .congId = 1,
                                      .roles = 0x04}),
                        brotherBlock({.brotherId = 2, .firstName = "Kees", .lastName = "Vos"})}));
    dir.write("cong.dat",
              slotFile({congregationBlock(
                  {.congId = 1, .name = "Noord", .meetingDayOdd = 3, .meetingDayEven = 3})}));
    dir.write("circuit.dat", test::namedIdRecord("Kring 7", 30001));
    dir.write("hospital.dat", concat({test::namedIdRecord("Fam. Jansen", 30001),
                                      test::namedIdRecord("Fam. Vos", 30002)}));
    dir.write("topic.dat", ByteImage(48).text(0, "Enig onderwerp").u16(46, 1));
    dir.write("history.dat", weekRecord({.week = 900, .talkNo = 33}));
    dir.write("blackout.dat",
              ByteImage(8).i16(0, 2).u16(2, static_cast<std::uint16_t>(doc.todayWeek() + 2)));
    dir.write("special.dat", ByteImage(144).u16(0, 850).u16(2, 2).text(4, "Kringvergadering"));
    dir.write("wishlist.dat", ByteImage(96).u8(0, 1).u8(32, 1));
    setHome(1);
    std::filesystem::remove(dir.file("xtend.dat"));
    dir.write("extend.dat", ByteImage(96).i16(0, 1).text(2, "06-1"));

    ASSERT_TRUE(doc.reloadAll());
    EXPECT_EQ(brotherNames(), (std::vector<std::string>{"Anna Bakker", "Kees Vos"}));
    EXPECT_EQ(doc.congregations().count(), 1u);
    EXPECT_EQ(doc.circuits().name(0), "Kring 7");
    EXPECT_EQ(doc.hosts().count(), 2u);
    EXPECT_EQ(doc.topics().count(), 1u);
    EXPECT_EQ(doc.getWeek(899).talkNo, 33);
    EXPECT_EQ(doc.getWeek(800).talkNo, 0) << "the change in memory is gone";
    EXPECT_EQ(doc.unavailability().count(), 1u);
    EXPECT_EQ(doc.specials().count(), 1u);
    EXPECT_EQ(doc.wishList().wishPriority(0), 1);
    EXPECT_EQ(doc.homeCongId(), 1);
    ASSERT_EQ(doc.localBrothers().size(), 1u);
    EXPECT_EQ(doc.localBrothers()[0].roles, 0x04);
    EXPECT_EQ(doc.homeMeetingDayOdd(), 2);
    EXPECT_EQ(dir.read("xtend.dat"), ByteVector(128, 0)) << "created anew, not converted";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AmbDocTest, StartUpConvertsTheOldExtraFile) {
    dir.write("extend.dat", ByteImage(96).i16(0, 1).text(2, "06-1"));
    ASSERT_TRUE(start());
    EXPECT_EQ(dir.read("xtend.dat"), ByteVector(ByteImage(128).i16(0, 1).text(2, "06-1")));
    EXPECT_EQ(doc.brothers().extraCount(), 1);
    EXPECT_TRUE(dir.exists("extend.dat"));
}

TEST_F(AmbDocTest, LocalBrothersFollowTheHomeCongregation) {
    dir.write(
        "speakers.dat",
        slotFile({brotherBlock({.brotherId = 1,
                                .firstName = "Piet",
                                .lastName = "Jansen",
                                .congId = 2,
                                .roles = 0x96}),
                  brotherBlock({.brotherId = 2,
                                .firstName = "Kees",
                                .lastName = "Vos",
                                .congId = 3,
                                .roles = 0x02}),
                  brotherBlock({.brotherId = 3,
                                .firstName = "Anna",
                                .lastName = "Bakker",
                                .congId = 2,
                                .roles = 0x06}),
                  brotherBlock(
                      {.brotherId = 4, .firstName = "Jan", .lastName = "Zonder", .roles = 0x10})}));
    dir.write(
        "cong.dat",
        slotFile({zeroBlock(),
                  congregationBlock(
                      {.congId = 2, .name = "Thuis", .meetingDayOdd = 0, .meetingDayEven = 3}),
                  congregationBlock(
                      {.congId = 3, .name = "Elders", .meetingDayOdd = 5, .meetingDayEven = 5})}));
    setHome(2);
    ASSERT_TRUE(start());

    struct Local {
        int brotherId;
        std::size_t index;
        int roles;
        bool operator==(const Local&) const = default;
    };
    auto locals = [&] {
        std::vector<Local> out;
        for (const auto& l : doc.localBrothers()) out.push_back({l.brotherId, l.index, l.roles});
        return out;
    };
    // Brother-table order: Bakker, Jansen, Vos, Zonder. Roles are sign-extended.
    EXPECT_EQ(locals(), (std::vector<Local>{{3, 0, 6}, {1, 1, -106}}));
    EXPECT_EQ(doc.homeMeetingDayOdd(), 6);
    EXPECT_EQ(doc.homeMeetingDayEven(), 2);

    doc.writeHomeCongregation(0);  // the brothers without a congregation
    EXPECT_EQ(locals(), (std::vector<Local>{{4, 3, 16}}));
    EXPECT_EQ(doc.homeMeetingDayOdd(), 6);
    EXPECT_EQ(doc.homeMeetingDayEven(), 6);

    doc.writeHomeCongregation(3);
    EXPECT_EQ(locals(), (std::vector<Local>{{2, 2, 2}}));
    EXPECT_EQ(doc.homeMeetingDayOdd(), 4);

    doc.writeHomeCongregation(9);  // not in the table
    EXPECT_TRUE(locals().empty());
    EXPECT_EQ(doc.homeMeetingDayOdd(), 6);
    EXPECT_EQ(doc.homeMeetingDayEven(), 6);
}

TEST_F(AmbDocTest, SaveLocalRolesWritesOnlyTheRolesByteOfEachLocalBrother) {
    dir.write("speakers.dat", slotFile({ByteImage(brotherBlock({.brotherId = 1,
                                                                .firstName = "Piet",
                                                                .lastName = "Jansen",
                                                                .congId = 2,
                                                                .roles = 0x02}))
                                            .fill(170, 20, 0xAB),
                                        brotherBlock({.brotherId = 2,
                                                      .firstName = "Kees",
                                                      .lastName = "Vos",
                                                      .congId = 3,
                                                      .roles = 0x02}),
                                        brotherBlock({.brotherId = 3,
                                                      .firstName = "Anna",
                                                      .lastName = "Bakker",
                                                      .congId = 2,
                                                      .roles = 0x00})}));
    setHome(2);
    ASSERT_TRUE(start());
    const ByteVector before = dir.read("speakers.dat");
    ASSERT_EQ(doc.localBrothers().size(), 2u);
    doc.localBrothers()[0].roles = 0x14;  // Anna
    doc.localBrothers()[1].roles = -106;  // Piet: the low byte is stored
    doc.saveLocalRoles();

    ByteVector expected = before;
    expected[3 * 256 + 201] = 0x14;
    expected[1 * 256 + 201] = 0x96;
    EXPECT_EQ(dir.read("speakers.dat"), expected);

    // A local brother whose block was freed underneath is skipped, without a message.
    ByteVector freed = expected;
    std::fill(freed.begin() + 3 * 256, freed.end(), 0);
    dir.write("speakers.dat", freed);
    doc.localBrothers()[0].roles = 0x02;
    doc.saveLocalRoles();
    EXPECT_EQ(dir.read("speakers.dat"), freed);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AmbDocTest, DeletingACongregationClearsEveryReferenceOnDisk) {
    const ByteVector piet =
        ByteImage(
            brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen", .congId = 2}))
            .fill(210, 40, 0x5C);
    const ByteVector kees =
        brotherBlock({.brotherId = 2, .firstName = "Kees", .lastName = "Vos", .congId = 1});
    const ByteVector anna =
        brotherBlock({.brotherId = 3, .firstName = "Anna", .lastName = "Bakker", .congId = 2});
    dir.write("speakers.dat", slotFile({piet, kees, anna}));
    const ByteVector noord = congregationBlock({.congId = 1, .name = "Noord"});
    const ByteVector west = congregationBlock({.congId = 3, .name = "West"});
    dir.write("cong.dat",
              slotFile({noord, congregationBlock({.congId = 2, .name = "Zuid"}), west}));
    // With the clock in 2024 the window's first slot is week 781.
    const ByteVector oldest = weekRecord({.week = 781, .speakerCongId = 2, .outCongId0 = 2});
    const ByteVector other = weekRecord({.week = 790, .speakerCongId = 1, .outCongId0 = 1});
    dir.write("history.dat", concat({oldest,
                                     weekRecord({.week = 782,
                                                 .speakerId = 1,
                                                 .talkNo = 3,
                                                 .speakerCongId = 2,
                                                 .outSpeakerId0 = 2,
                                                 .outCongId0 = 2,
                                                 .outCongId5 = 2}),
                                     other}));
    ASSERT_TRUE(start());
    ASSERT_EQ(doc.firstWeek(), 780);
    // Anna's block is freed underneath: her entry is stale and must not be written back.
    ByteVector file = dir.read("speakers.dat");
    std::fill(file.begin() + 3 * 256, file.end(), 0);
    dir.write("speakers.dat", file);

    doc.deleteCongregation(doc.congregations().findCongregation(2) - 1);

    EXPECT_EQ(block("speakers.dat", 1), ByteVector(ByteImage(piet).i16(202, 0)));
    EXPECT_EQ(block("speakers.dat", 2), kees);
    EXPECT_EQ(block("speakers.dat", 3), zeroBlock());
    for (std::size_t i = 0; i < doc.brothers().count(); ++i)
        EXPECT_NE(doc.brothers().entry(i).congId, 2) << doc.brothers().brotherName(i, false);

    EXPECT_EQ(dir.read("cong.dat"), slotFile({noord, zeroBlock(), west}));
    EXPECT_EQ(doc.congregations().count(), 2u);
    EXPECT_EQ(doc.congregations().findCongregation(2), 0u);

    EXPECT_EQ(
        dir.read("history.dat"),
        concat({oldest, weekRecord({.week = 782, .speakerId = 1, .talkNo = 3, .outSpeakerId0 = 2}),
                other}));
    EXPECT_TRUE(messages.shown.empty());

    // The freed number goes to the next congregation, which has no weeks.
    const std::size_t added =
        doc.congregations().addCongregation(CongregationRecord{.name = "Oost"});
    EXPECT_EQ(doc.congregations().entry(added).congId, 2);
    EXPECT_EQ(doc.getWeek(781).speakerCongId, 0);
}

TEST_F(AmbDocTest, MeetingTimeAndDayFollowTheYearParity) {
    dir.write("cong.dat", slotFile({congregationBlock({.congId = 1,
                                                       .name = "Noord",
                                                       .meetingTimeOdd = "10:00",
                                                       .meetingTimeEven = "14:00",
                                                       .meetingDayOdd = 0,
                                                       .meetingDayEven = 4})}));
    ASSERT_TRUE(start());
    struct Case {
        bool serviceYear;
        int weekIndex;
        const char* time;
        int day;
    };
    // Index 1222 starts on 5 June 2023, 1274 on 3 June 2024, 1239 on 2 October 2023.
    for (Case c : {Case{false, 1222, "10:00", 0}, Case{false, 1274, "14:00", 4},
                   Case{false, 1239, "10:00", 0}, Case{true, 1239, "14:00", 4},
                   Case{true, 1222, "10:00", 0}}) {
        dir.writeText("ambon.ini", std::string("[Meeting Time Change]\r\nService Year=") +
                                       (c.serviceYear ? "1" : "0") + "\r\n");
        ASSERT_TRUE(doc.reloadAll());
        EXPECT_EQ(doc.meetingTime(1, c.weekIndex), c.time) << c.weekIndex << " " << c.serviceYear;
        EXPECT_EQ(doc.meetingDay(0, c.weekIndex), c.day) << c.weekIndex << " " << c.serviceYear;
        EXPECT_EQ(doc.meetingTime(2, c.weekIndex), "");
        EXPECT_EQ(doc.meetingTime(0, c.weekIndex), "");
    }
}

}  // namespace
}  // namespace ambon
