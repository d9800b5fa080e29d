// The brother table on disk: load order and sort, slot allocation and reuse, the extra
// records of "xtend.dat", stale entries, refused and failed writes, and the conversion of
// the older "extend.dat".
#include "store/brothers.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::brotherBlock;
using test::BrotherImage;
using test::ByteImage;
using test::ByteVector;
using test::concat;
using test::i16At;
using test::slice;
using test::slotFile;
using test::u16At;
using test::zeroBlock;

constexpr std::size_t kBlock = 256;
constexpr std::size_t kExtra = 128;

ByteVector extraRecord(std::int16_t owner, std::string_view mobile = {},
                       std::string_view remark = {}) {
    return ByteImage(kExtra).i16(0, owner).text(2, mobile).text(82, remark);
}

BrotherRecord newBrother(const std::string& first, const std::string& last) {
    BrotherRecord r;
    r.firstName = first;
    r.lastName = last;
    return r;
}

BrotherExtraRecord extraDetails(const std::string& mobile, const std::string& skype = {},
                                const std::string& email = {}, const std::string& remark = {}) {
    BrotherExtraRecord e;
    e.mobile = mobile;
    e.skype = skype;
    e.email = email;
    e.remark = remark;
    return e;
}

class BrothersTest : public ::testing::Test {
protected:
    Brothers loaded() {
        Brothers b(w.io, w.order);
        b.load();
        return b;
    }
    static std::vector<std::string> namesOf(const Brothers& b) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < b.count(); ++i) names.push_back(b.brotherName(i, true));
        return names;
    }
    ByteVector block(std::size_t slot) {
        return slice(w.temp.read("speakers.dat"), slot * kBlock, kBlock);
    }
    ByteVector extraAt(std::size_t number) {
        return slice(w.temp.read("xtend.dat"), (number - 1) * kExtra, kExtra);
    }

    test::StoreWorld w;
};

TEST_F(BrothersTest, LoadSkipsTheHeaderAndFreeSlotsThenSortsByLastAndFirstName) {
    ByteVector speakers = concat({
        brotherBlock({.brotherId = 9, .firstName = "Kop", .lastName = "Blok"}),  // block 0
        brotherBlock({.brotherId = 1,
                      .firstName = "Piet",
                      .lastName = "Jansen",
                      .congId = 4,
                      .extraNo = 2,
                      .flags = 0x21}),
        zeroBlock(),
        brotherBlock({.brotherId = 3, .firstName = "Anna", .lastName = "Jansen"}),
        brotherBlock({.brotherId = 4, .firstName = "Karel", .lastName = "de Boer", .flags = 2}),
    });
    // A short last block is read zero-filled and still counts as a block.
    ByteVector last = brotherBlock({.brotherId = 5, .firstName = "Zeno", .lastName = "Aalders"});
    speakers.insert(speakers.end(), last.begin(), last.begin() + 210);
    w.temp.write("speakers.dat", speakers);
    w.temp.write("xtend.dat", ByteVector(3 * kExtra + 10, 0));

    Brothers b = loaded();
    EXPECT_EQ(namesOf(b), (std::vector<std::string>{"Aalders, Zeno", "de Boer, Karel",
                                                    "Jansen, Anna", "Jansen, Piet"}));
    std::vector<int> slots;
    for (const auto& e : b.entries()) slots.push_back(e.slot);
    EXPECT_EQ(slots, (std::vector<int>{5, 4, 3, 1}));
    EXPECT_EQ(b.speakerBlocks(), 6);
    EXPECT_EQ(b.extraCount(), 3);
    EXPECT_EQ(b.findBrother(9), kNoBrother);

    const BrotherEntry& piet = b.entry(3);
    EXPECT_EQ(piet.brotherId, 1);
    EXPECT_EQ(piet.congId, 4);
    EXPECT_EQ(piet.extraNo, 2);
    EXPECT_EQ(piet.office, 1);
    EXPECT_TRUE(piet.suspended);
    EXPECT_EQ(b.entry(1).office, 2);
    EXPECT_FALSE(b.entry(1).suspended);
    EXPECT_TRUE(w.messages.shown.empty());
}

// Names as other programs leave them: blanks around, accented letters in both cases,
// case differences, equal names, empty names, a name that fills its field without a
// terminator. The table is in the stable order of the name order over the brothers in
// file order, in both forms of brotherName, with and without the latin fold.
TEST_F(BrothersTest, LoadOrderIsTheStableNameOrderOfTheNamesInBothForms) {
    const std::string_view firsts[] = {"Jan",      "jan",         "  Jan",
                                       "Jan  ",    "\xC9mile",    "\xE9mile",
                                       "",         "   ",         "Abcdefghijklmnopqrs",
                                       "Jos\xE9",  "JOS\xC9",     "\x8Aimon",
                                       "\x9Aimon", "Van der Meer"};
    const std::string_view lasts[] = {"de Vries",
                                      "De Vries",
                                      " de vries ",
                                      "van der Heijden",
                                      "Van der Heijden",
                                      "\xD6zt\xFCrk",
                                      "\xF6zt\xFCrk",
                                      "",
                                      "  ",
                                      "Aalders",
                                      "aalders",
                                      "Zzzzzzzzzzzzzzzzzzzz",
                                      "Jan"};
    std::mt19937 rng(3000);
    std::vector<ByteVector> blocks;
    for (int slot = 1; slot <= 400; ++slot) {
        blocks.push_back(slot % 17 == 0
                             ? zeroBlock()
                             : brotherBlock({.brotherId = static_cast<std::int16_t>(slot),
                                             .firstName = firsts[rng() % std::size(firsts)],
                                             .lastName = lasts[rng() % std::size(lasts)]}));
    }
    w.temp.write("speakers.dat", slotFile(blocks));

    for (bool latin : {false, true}) {
        for (bool firstNameOrder : {false, true}) {
            w.order.setLatinFold(latin);
            std::vector<std::pair<std::string, int>> expected;
            for (int slot = 1; slot <= 400; ++slot) {
                auto record = BrotherRecord::decode(blocks[static_cast<std::size_t>(slot - 1)]);
                if (record.brotherId == 0) continue;
                expected.emplace_back(firstNameOrder ? record.firstName + " " + record.lastName
                                                     : record.lastName + ", " + record.firstName,
                                      slot);
            }
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return w.order.less(a.first, b.first);
            });

            Brothers b(w.io, w.order);
            b.setFirstNameOrder(firstNameOrder);
            b.load();
            std::vector<std::pair<std::string, int>> actual;
            for (std::size_t i = 0; i < b.count(); ++i)
                actual.emplace_back(b.brotherName(i, !firstNameOrder), b.entry(i).slot);
            EXPECT_EQ(actual, expected)
                << "latin " << latin << ", first name order " << firstNameOrder;
        }
    }
}

TEST_F(BrothersTest, LookupsAnswerByIdAndByIndex) {
    w.temp.write(
        "speakers.dat",
        slotFile(
            {brotherBlock(
                 {.brotherId = 1, .firstName = "Piet", .lastName = "Jansen", .phone = "020-123"}),
             brotherBlock({.brotherId = 2, .firstName = "Anna", .lastName = "Bakker"})}));
    Brothers b = loaded();
    EXPECT_EQ(b.findBrother(1), 1u);
    EXPECT_EQ(b.findBrother(3), kNoBrother);
    EXPECT_EQ(b.brotherIdAt(0), 2);
    EXPECT_EQ(b.brotherIdAt(2), 0);
    EXPECT_EQ(b.brotherName(1, false), "Piet Jansen");
    EXPECT_EQ(b.brotherName(1, true), "Jansen, Piet");
    EXPECT_EQ(b.brotherName(2, true), "");
    EXPECT_EQ(b.brotherPhone(1), "020-123");
    EXPECT_EQ(b.brotherPhone(7), "");
}

class FreshSpeakersFile : public BrothersTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FreshSpeakersFile, FirstTwoBrothersGetIdsOneAndTwoAndBothSurviveAReload) {
    const bool emptyFileExists = GetParam();
    if (emptyFileExists) w.temp.write("speakers.dat", {});
    Brothers b = loaded();
    if (!emptyFileExists) {
        EXPECT_EQ(w.temp.read("speakers.dat"), zeroBlock());
        EXPECT_EQ(b.speakerBlocks(), 1);
    }
    b.addBrother(newBrother("Piet", "Jansen"), {});
    b.addBrother(newBrother("Anna", "Bakker"), {});
    EXPECT_EQ(b.entry(0).brotherId, 1);
    EXPECT_EQ(b.entry(1).brotherId, 2);
    EXPECT_EQ(b.speakerBlocks(), 3);

    EXPECT_EQ(w.temp.size("speakers.dat"), 3 * kBlock);
    EXPECT_EQ(block(0), zeroBlock());
    EXPECT_EQ(
        block(1),
        ByteVector(brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"})));
    EXPECT_EQ(
        block(2),
        ByteVector(brotherBlock({.brotherId = 2, .firstName = "Anna", .lastName = "Bakker"})));

    Brothers again = loaded();
    EXPECT_EQ(namesOf(again), (std::vector<std::string>{"Bakker, Anna", "Jansen, Piet"}));
    // A third one goes after them.
    again.addBrother(newBrother("Kees", "Vos"), {});
    EXPECT_EQ(again.entry(2).brotherId, 3);
    EXPECT_TRUE(w.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(MissingOrEmpty, FreshSpeakersFile, ::testing::Bool());

TEST_F(BrothersTest, AFreedSlotIsReusedBeforeTheFileGrows) {
    std::vector<ByteVector> blocks;
    for (std::int16_t id = 1; id <= 7; ++id) {
        std::string last = "Naam" + std::to_string(id);
        blocks.push_back(ByteImage(256).text(20, last).text(0, "X").i16(204, id));
    }
    blocks[4] = zeroBlock();  // brother 5 deleted
    w.temp.write("speakers.dat", slotFile(blocks));
    Brothers b = loaded();
    ASSERT_EQ(b.count(), 6u);

    b.addBrother(newBrother("Nieuw", "Een"), {});
    EXPECT_EQ(b.entry(6).brotherId, 5);
    EXPECT_EQ(b.entry(6).slot, 5);
    b.addBrother(newBrother("Nieuw", "Twee"), {});
    EXPECT_EQ(b.entry(7).brotherId, 8);
    EXPECT_EQ(b.speakerBlocks(), 9);
    EXPECT_EQ(w.temp.size("speakers.dat"), 9 * kBlock);
    EXPECT_EQ(i16At(block(5), 204), 5);
    EXPECT_EQ(i16At(block(8), 204), 8);

    // Deleting again by zeroing the slot frees it for the next one.
    ASSERT_TRUE(b.writeBrotherSlot(3, BrotherRecord{}));
    b.removeEntry(b.findBrother(3));
    b.addBrother(newBrother("Nieuw", "Drie"), {});
    EXPECT_EQ(b.entry(b.count() - 1).brotherId, 3);
    EXPECT_EQ(loaded().count(), 8u);
}

TEST_F(BrothersTest, ExtraDetailsGoToTheZeroRecordOfAFreshFileThenAppend) {
    Brothers b = loaded();
    ASSERT_EQ(w.temp.read("xtend.dat"), ByteVector(kExtra, 0));
    EXPECT_EQ(b.extraCount(), 0);

    b.addBrother(newBrother("Piet", "Jansen"), extraDetails("06-1"));
    EXPECT_EQ(b.entry(0).extraNo, 1);
    EXPECT_EQ(w.temp.size("xtend.dat"), kExtra);
    EXPECT_EQ(extraAt(1), extraRecord(1, "06-1"));
    EXPECT_EQ(u16At(block(1), 206), 1);

    b.addBrother(newBrother("Anna", "Bakker"), extraDetails("", "", "", "Komt op vrijdag"));
    EXPECT_EQ(b.entry(1).extraNo, 2);
    EXPECT_EQ(extraAt(2), extraRecord(2, "", "Komt op vrijdag"));

    // Texts of spaces only are no extra details.
    b.addBrother(newBrother("Kees", "Vos"), extraDetails("  ", " ", "", "   "));
    EXPECT_EQ(b.entry(2).extraNo, 0);
    EXPECT_EQ(u16At(block(3), 206), 0);
    EXPECT_EQ(w.temp.size("xtend.dat"), 2 * kExtra);
    EXPECT_EQ(b.extraCount(), 2);
}

TEST_F(BrothersTest, AllocateExtraTakesTheFirstFreeRecordElseAppends) {
    w.temp.write("xtend.dat", concat({extraRecord(1, "a"), extraRecord(0), extraRecord(3, "c")}));
    Brothers b = loaded();
    ASSERT_EQ(b.extraCount(), 3);

    BrotherExtraRecord e = extraDetails("x");
    e.brotherId = 7;
    EXPECT_EQ(b.allocateExtra(e), 2);
    EXPECT_EQ(extraAt(2), extraRecord(7, "x"));
    e.brotherId = 8;
    EXPECT_EQ(b.allocateExtra(e), 4);
    EXPECT_EQ(b.extraCount(), 4);
    EXPECT_EQ(extraAt(4), extraRecord(8, "x"));

    const ByteVector before = w.temp.read("xtend.dat");
    e.brotherId = 0;
    EXPECT_EQ(b.allocateExtra(e), 0);
    EXPECT_EQ(w.temp.read("xtend.dat"), before);
    EXPECT_EQ(b.extraCount(), 4);
}

TEST_F(BrothersTest, ExtraRecordsAreReadWrittenAndFreedOnlyWithinTheRules) {
    const ByteVector file = concat({ByteImage(kExtra)
                                        .i16(0, 4)
                                        .text(2, "06-4")
                                        .text(18, "sk4")
                                        .text(34, "p@x.nl")
                                        .text(82, "opm"),
                                    extraRecord(5, "06-5")});
    w.temp.write("xtend.dat", file);
    Brothers b = loaded();
    ASSERT_EQ(b.extraCount(), 2);

    BrotherExtraRecord out;
    ASSERT_TRUE(b.readExtra(1, 4, out));
    EXPECT_EQ(out.mobile, "06-4");
    EXPECT_EQ(out.skype, "sk4");
    EXPECT_EQ(out.email, "p@x.nl");
    EXPECT_EQ(out.remark, "opm");
    EXPECT_FALSE(b.readExtra(1, 5, out));
    EXPECT_EQ(out.brotherId, 0);
    EXPECT_EQ(out.mobile, "");
    EXPECT_EQ(out.encode(), (RecordBytes<kExtra>{}));
    EXPECT_FALSE(b.readExtra(0, 4, out));

    struct WriteCase {
        std::uint16_t number;
        std::int16_t brotherId;
        std::uint16_t result;
    };
    for (WriteCase c : {WriteCase{0, 4, 0}, WriteCase{1, 0, 0}, WriteCase{3, 4, 0}}) {
        BrotherExtraRecord e = extraDetails("nieuw");
        e.brotherId = c.brotherId;
        EXPECT_EQ(b.writeExtra(c.number, e), c.result) << c.number << "/" << c.brotherId;
        EXPECT_EQ(w.temp.read("xtend.dat"), file);
    }
    BrotherExtraRecord e = extraDetails("nieuw");
    e.brotherId = 5;
    EXPECT_EQ(b.writeExtra(2, e), 2);
    EXPECT_EQ(w.temp.read("xtend.dat"), concat({slice(file, 0, kExtra), extraRecord(5, "nieuw")}));

    const ByteVector beforeFree = w.temp.read("xtend.dat");
    b.freeExtra(1, 5);  // not his
    b.freeExtra(3, 4);  // beyond the count
    b.freeExtra(0, 0);
    EXPECT_EQ(w.temp.read("xtend.dat"), beforeFree);
    b.freeExtra(1, 4);
    EXPECT_EQ(w.temp.read("xtend.dat"), concat({ByteVector(kExtra, 0), extraRecord(5, "nieuw")}));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(BrothersTest, UpdateKeepsIdExtraNumberAndUninterpretedBytesFromTheFile) {
    ByteVector piet =
        ByteImage(
            brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen", .extraNo = 1}))
            .fill(168, 32, 0xA5)
            .fill(208, 48, 0x5A);
    w.temp.write(
        "speakers.dat",
        slotFile(
            {piet, brotherBlock({.brotherId = 2, .firstName = "Anna", .lastName = "Bakker"})}));
    w.temp.write("xtend.dat", extraRecord(1, "06-1"));
    Brothers b = loaded();
    const std::size_t pietIndex = b.findBrother(1);

    BrotherRecord changed = newBrother("Pieter", "Jansen");
    changed.brotherId = 99;  // ignored: the id is his slot's
    changed.extraNo = 77;    // ignored: the number comes from the file
    changed.congId = 6;
    b.updateBrother(pietIndex, changed, extraDetails("07-1"));
    const ByteVector onDisk = block(1);
    EXPECT_EQ(i16At(onDisk, 204), 1);
    EXPECT_EQ(u16At(onDisk, 206), 1);
    EXPECT_EQ(i16At(onDisk, 202), 6);
    EXPECT_EQ(slice(onDisk, 168, 32), ByteVector(32, 0xA5));
    EXPECT_EQ(slice(onDisk, 208, 48), ByteVector(48, 0x5A));
    EXPECT_EQ(extraAt(1), extraRecord(1, "07-1"));
    EXPECT_EQ(b.entry(pietIndex).firstName, "Pieter");
    EXPECT_EQ(b.entry(pietIndex).congId, 6);

    // Without extra record yet: one is allocated.
    const std::size_t annaIndex = b.findBrother(2);
    b.updateBrother(annaIndex, newBrother("Anna", "Bakker"), extraDetails("", "anna.b"));
    EXPECT_EQ(b.entry(annaIndex).extraNo, 2);
    EXPECT_EQ(u16At(block(2), 206), 2);
    EXPECT_EQ(i16At(extraAt(2), 0), 2);
}

TEST_F(BrothersTest, UpdateWithEmptyExtraTextsDropsTheNumberButNotTheRecord) {
    w.temp.write("speakers.dat",
                 slotFile({brotherBlock(
                     {.brotherId = 1, .firstName = "Piet", .lastName = "Jansen", .extraNo = 1})}));
    const ByteVector extra = extraRecord(1, "06-1", "oud");
    w.temp.write("xtend.dat", extra);
    Brothers b = loaded();
    b.updateBrother(0, newBrother("Piet", "Jansen"), extraDetails(" ", "", "  ", ""));
    EXPECT_EQ(b.entry(0).extraNo, 0);
    EXPECT_EQ(u16At(block(1), 206), 0);
    EXPECT_EQ(w.temp.read("xtend.dat"), extra);
}

TEST_F(BrothersTest, ReadBrotherGivesTheRecordOrSlotZeroForAStaleEntry) {
    w.temp.write(
        "speakers.dat",
        slotFile(
            {brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"}),
             ByteImage(brotherBlock({.brotherId = 2, .firstName = "Anna", .lastName = "Bakker"}))
                 .text(40, "Dorpsstraat 3")}));
    Brothers b = loaded();
    BrotherRecord r;
    EXPECT_EQ(b.readBrother(b.findBrother(2), r), 2);
    EXPECT_EQ(r.address1, "Dorpsstraat 3");
    EXPECT_EQ(b.readBrother(5, r), 0);

    // Another program freed block 2 underneath: the entry is stale.
    ByteVector file = w.temp.read("speakers.dat");
    std::fill(file.begin() + 2 * kBlock, file.end(), 0);
    w.temp.write("speakers.dat", file);
    r.firstName = "left over";
    EXPECT_EQ(b.readBrother(b.findBrother(2), r), 0);
    EXPECT_EQ(r.firstName, "");
    EXPECT_EQ(r.brotherId, 0);
}

TEST_F(BrothersTest, UpdatingAStaleEntryStoresTheBrotherAsNew) {
    w.temp.write(
        "speakers.dat",
        slotFile({brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"}),
                  brotherBlock({.brotherId = 2, .firstName = "Anna", .lastName = "Bakker"}),
                  brotherBlock({.brotherId = 3, .firstName = "Kees", .lastName = "Vos"})}));
    Brothers b = loaded();
    ASSERT_EQ(b.count(), 3u);
    // Block 1 was freed underneath, so Piet's entry no longer matches his slot.
    ByteVector file = w.temp.read("speakers.dat");
    std::fill(file.begin() + kBlock, file.begin() + 2 * kBlock, 0);
    w.temp.write("speakers.dat", file);

    b.updateBrother(b.findBrother(1), newBrother("Piet", "Jansen-Nieuw"), {});
    ASSERT_EQ(b.count(), 4u);
    EXPECT_EQ(b.entry(3).lastName, "Jansen-Nieuw");
    EXPECT_EQ(b.entry(3).brotherId, 1);
    EXPECT_EQ(block(1), ByteVector(brotherBlock(
                            {.brotherId = 1, .firstName = "Piet", .lastName = "Jansen-Nieuw"})));
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(BrothersTest, SlotZeroIsRefusedWithTheOhNoMessage) {
    Brothers b = loaded();
    const ByteVector before = w.temp.read("speakers.dat");
    EXPECT_FALSE(b.writeBrotherSlot(0, newBrother("Piet", "Jansen")));
    EXPECT_EQ(w.temp.read("speakers.dat"), before);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    const std::string& text = w.messages.shown[0].text;
    const std::string head = "Oh no!\n\nYou can't do that!\n\nPlease email ";
    const std::string tail = " and explain what you were doing.";
    EXPECT_EQ(text.substr(0, head.size()), head);
    ASSERT_GT(text.size(), head.size() + tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(text.find('@'), std::string::npos);
    EXPECT_EQ(w.messages.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(BrothersTest, AnUnwritableFileShowsMessage1231WithItsFullPath) {
    Brothers b = loaded();
    test::blockFile(w.temp, "speakers.dat");
    EXPECT_FALSE(b.writeBrotherSlot(1, newBrother("Piet", "Jansen")));
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "speakers.dat"));
    EXPECT_EQ(w.messages.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(BrothersTest, AReadOnlyFileShowsMessage1231) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    Brothers b = loaded();
    const ByteVector before = w.temp.read("speakers.dat");
    ::chmod(w.temp.file("speakers.dat").c_str(), 0444);
    EXPECT_FALSE(b.writeBrotherSlot(1, newBrother("Piet", "Jansen")));
    EXPECT_EQ(w.temp.read("speakers.dat"), before);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "speakers.dat"));
}

TEST_F(BrothersTest, AnUnreadableFileIsNotReplacedByAnEmptyOne) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const ByteVector file =
        slotFile({brotherBlock({.brotherId = 1, .firstName = "Piet", .lastName = "Jansen"})});
    w.temp.write("speakers.dat", file);
    ::chmod(w.temp.file("speakers.dat").c_str(), 0200);
    Brothers b = loaded();
    EXPECT_EQ(b.count(), 0u);
    ::chmod(w.temp.file("speakers.dat").c_str(), 0600);
    EXPECT_EQ(w.temp.read("speakers.dat"), file);
}

// --- The older extra file ---

TEST_F(BrothersTest, OldExtraFileIsConvertedOnceAndLeftInPlace) {
    const ByteVector old = concat({ByteImage(96)
                                       .i16(0, 3)
                                       .text(2, "06-3")
                                       .text(18, "sk3")
                                       .text(34, "drie@x.nl")
                                       .fill(60, 36, 'z'),  // after the e-mail's terminator
                                   ByteImage(96).i16(0, 7).fill(34, 62, 'e'),
                                   ByteVector(20, 0x77)});  // a short tail is no record
    w.temp.write("extend.dat", old);
    Brothers b(w.io, w.order);
    b.convertOldExtraFile();

    EXPECT_EQ(w.temp.read("extend.dat"), old);
    const ByteVector converted = w.temp.read("xtend.dat");
    ASSERT_EQ(converted.size(), 2 * kExtra);
    EXPECT_EQ(slice(converted, 0, kExtra),
              ByteVector(ByteImage(kExtra).i16(0, 3).text(2, "06-3").text(18, "sk3").text(
                  34, "drie@x.nl")));
    // The long e-mail is cut to its field; nothing reaches the remark.
    EXPECT_EQ(slice(converted, kExtra, kExtra),
              ByteVector(ByteImage(kExtra).i16(0, 7).fill(34, 47, 'e')));
    b.load();
    EXPECT_EQ(b.extraCount(), 2);

    // Never again once "xtend.dat" exists.
    w.temp.write("xtend.dat", extraRecord(1, "eigen"));
    b.convertOldExtraFile();
    EXPECT_EQ(w.temp.read("xtend.dat"), extraRecord(1, "eigen"));
}

TEST_F(BrothersTest, OldExtraFileShorterThanOneRecordIsNotConverted) {
    w.temp.write("extend.dat", ByteVector(95, 1));
    Brothers b(w.io, w.order);
    b.convertOldExtraFile();
    EXPECT_FALSE(w.temp.exists("xtend.dat"));
}

}  // namespace
}  // namespace ambon
