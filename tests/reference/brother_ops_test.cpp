// Deleting and moving brothers, checked on disk: every table that refers to a brother
// follows him.
#include "reference/brother_ops.h"

#include <gtest/gtest.h>

#include "store/field_codec.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class BrotherOpsTest : public ::testing::Test {
protected:
    BrotherOpsTest() : clock(2026, 12, 11), doc(clock, messages) {
        doc.startUp(dir.path());
        addCong("Amersvoort-Noord");  // congId 1, the home congregation
        addCong("Zeewolde-Haven");    // congId 2
        doc.settings().homeCongId = 1;
        addBrother("Jan", "Bakker", 1, "06-00001111");  // id 1
        addBrother("Kees", "Visser", 1);                // id 2
        addBrother("Piet", "Smit", 2);                  // id 3
        doc.rebuildLocalBrothers();
        today = doc.todayWeek();
    }

    void addCong(const std::string& name) {
        CongregationRecord c;
        c.name = name;
        doc.congregations().addCongregation(c);
        doc.congregations().sortCongregations();
    }
    void addBrother(const std::string& first, const std::string& last, std::int16_t congId,
                    const std::string& mobile = {}) {
        BrotherRecord b;
        b.firstName = first;
        b.lastName = last;
        b.congId = congId;
        BrotherExtraRecord extra;
        extra.mobile = mobile;
        doc.brothers().addBrother(b, extra);
        doc.brothers().sortBrothers();
    }
    std::size_t indexOf(std::int16_t id) const { return doc.brothers().findBrother(id); }
    std::size_t congIndex(std::int16_t congId) const {
        return doc.congregations().findCongregation(congId) - 1;
    }
    // A field of a block of a slot file on disk.
    int onDisk(const std::string& file, int slot, int offset) const {
        return getI16(dir.read(file), static_cast<std::size_t>(slot) * 256 + offset);
    }

    test::TempDataDir dir;
    test::FixedClock clock;
    test::FakeMessages messages;
    CAmbDoc doc;
    int today = 0;
};

TEST_F(BrotherOpsTest, DeletingASecretaryAndChairmanClearsEverythingAndFreesHisId) {
    // Brother 1 is secretary of his congregation, chairman and outgoing speaker in weeks.
    CongregationRecord c;
    std::uint16_t slot = doc.congregations().readCongregation(congIndex(1), c);
    c.secretaryId = 1;
    doc.congregations().writeCongregationSlot(slot, c);
    doc.refreshCongregationEntry(congIndex(1), slot, c);
    doc.getWeek(today).chairmanId = 1;
    doc.getWeek(today + 1).outSpeakerId[2] = 1;
    doc.getWeek(today + 1).outCongId[2] = 2;
    doc.getWeek(today + 1).flags |= WeekRecord::kInUse;
    doc.getWeek(today).flags |= WeekRecord::kInUse;
    doc.unavailability().addUnavailable(1, today + 2, today);
    doc.unavailability().save();
    std::uint16_t extraNo = doc.brothers().entry(indexOf(1)).extraNo;
    ASSERT_NE(extraNo, 0);

    deleteBrother(doc, indexOf(1));

    EXPECT_EQ(doc.brothers().findBrother(1), kNoBrother);
    EXPECT_EQ(onDisk("speakers.dat", 1, 204), 0);  // slot freed
    EXPECT_EQ(onDisk("cong.dat", 1, 184), 0);      // secretary cleared
    EXPECT_EQ(doc.congregations().entry(congIndex(1)).secretaryId, 0);
    EXPECT_EQ(getI16(dir.read("xtend.dat"), (extraNo - 1u) * 128), 0);  // extra freed
    EXPECT_EQ(doc.getWeek(today).chairmanId, 0);
    EXPECT_EQ(doc.getWeek(today + 1).outSpeakerId[2], 0);
    EXPECT_EQ(doc.getWeek(today + 1).outCongId[2], 2);  // the destination stays
    // history.dat was written without him.
    auto history = dir.read("history.dat");
    for (std::size_t o = 0; o + 64 <= history.size(); o += 64) {
        EXPECT_NE(getI16(history, o + 14), 1);
        for (std::size_t s = 0; s < 6; ++s) EXPECT_NE(getI16(history, o + 28 + 2 * s), 1);
    }
    EXPECT_TRUE(doc.unavailability().isAvailable(1, today + 2));
    // The duty list still points at the right brothers.
    for (const auto& local : doc.localBrothers())
        EXPECT_EQ(doc.brothers().entry(local.index).brotherId, local.brotherId);

    addBrother("Daan", "Meijer", 2);
    EXPECT_NE(doc.brothers().findBrother(1), kNoBrother);  // id 1 reused
    EXPECT_TRUE(doc.unavailability().isAvailable(1, today + 2));
}

TEST_F(BrotherOpsTest, MovingAsksClearsOldRolesAndRetagsHisWeeks) {
    CongregationRecord c;
    std::uint16_t slot = doc.congregations().readCongregation(congIndex(1), c);
    c.talkCoordinatorId = 2;
    doc.congregations().writeCongregationSlot(slot, c);
    doc.refreshCongregationEntry(congIndex(1), slot, c);
    doc.getWeek(today - 5).speakerId = 2;
    doc.getWeek(today - 5).speakerCongId = 1;
    doc.getWeek(today - 5).flags |= WeekRecord::kInUse;

    messages.answer(MsgResult::No);
    EXPECT_FALSE(moveBrother(doc, messages, indexOf(2), 2, true));
    EXPECT_EQ(messages.lastText(),
              "Kees Visser is toegewezen aan de Amersvoort-Noord gemeente.\n\nDo \nyou want to "
              "move him?");
    EXPECT_EQ(doc.brothers().entry(indexOf(2)).congId, 1);

    messages.answer(MsgResult::Yes);
    EXPECT_TRUE(moveBrother(doc, messages, indexOf(2), 2, true));
    EXPECT_EQ(doc.brothers().entry(indexOf(2)).congId, 2);
    EXPECT_EQ(onDisk("speakers.dat", 2, 202), 2);
    EXPECT_EQ(onDisk("cong.dat", 1, 186), 0);  // no longer talk coordinator at home
    EXPECT_EQ(doc.getWeek(today - 5).speakerCongId, 2);
    auto history = dir.read("history.dat");
    ASSERT_EQ(history.size(), 64u);
    EXPECT_EQ(getI16(history, 6), 2);
    for (const auto& local : doc.localBrothers()) EXPECT_NE(local.brotherId, 2);
}

TEST_F(BrotherOpsTest, DuplicateNames) {
    const std::size_t jan = indexOf(1);
    EXPECT_EQ(findBrotherByName(doc, messages, "Henk Bos", false, -1), 0);
    EXPECT_EQ(findBrotherByName(doc, messages, "jan bakker", false, kSilentNameLookup),
              static_cast<int>(jan) + 1);
    EXPECT_TRUE(messages.shown.empty());
    // Editing Jan himself is not a duplicate of himself.
    EXPECT_EQ(findBrotherByName(doc, messages, "Jan Bakker", false, static_cast<int>(jan)), 0);

    EXPECT_EQ(findBrotherByName(doc, messages, "JAN BAKKER", false, -1), -1);
    EXPECT_EQ(messages.lastText(), "Jan Bakker Dubbele naam.\n\n");
    EXPECT_EQ(messages.shown.back().buttons, MsgButtons::Ok);

    messages.answer(MsgResult::Yes);
    EXPECT_EQ(findBrotherByName(doc, messages, "Jan Bakker", true, static_cast<int>(jan)),
              static_cast<int>(jan) + 1);
    EXPECT_EQ(messages.lastText(),
              "Jan Bakker Dubbele naam.\n\nOverschrijven met nieuwe gegevens?");
    EXPECT_EQ(messages.shown.back().defaultButton, MsgResult::No);
    messages.answer(MsgResult::No);
    EXPECT_EQ(findBrotherByName(doc, messages, "Jan Bakker", true, -1), -1);
}

}  // namespace
}  // namespace ambon
