// The data directory check: the count lines, the findings on small broken data sets, a
// clean data set without findings, and the directories it refuses.
#include "store/data_check.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/week_calendar.h"
#include "store/records.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

using test::FixedClock;
using test::TempDataDir;

struct CheckRun {
    int rc = 0;
    std::string out;
    std::string err;
    std::vector<std::string> lines;

    bool has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    std::vector<std::string> findings() const {
        std::vector<std::string> f;
        for (const auto& l : lines)
            if (l.rfind("anomaly: ", 0) == 0 || l.rfind("note: ", 0) == 0) f.push_back(l);
        return f;
    }
};

CheckRun check(const std::filesystem::path& dir, const Clock& clock) {
    std::ostringstream out, err;
    CheckRun run;
    run.rc = runDataCheck(dir, clock, out, err);
    run.out = out.str();
    run.err = err.str();
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) run.lines.push_back(line);
    return run;
}

template <std::size_t N>
void append(std::vector<std::uint8_t>& file, const RecordBytes<N>& record) {
    file.insert(file.end(), record.begin(), record.end());
}

BrotherRecord brother(std::int16_t id, const std::string& first, const std::string& last,
                      std::int16_t congId, std::uint16_t extraNo = 0) {
    BrotherRecord r;
    r.brotherId = id;
    r.firstName = first;
    r.lastName = last;
    r.congId = congId;
    r.extraNo = extraNo;
    return r;
}

CongregationRecord congregation(std::int16_t id, const std::string& name) {
    CongregationRecord r;
    r.congId = id;
    r.name = name;
    return r;
}

// Blocks 1.. of a slot file, after the header block of zeros.
template <typename Record>
std::vector<std::uint8_t> slotFile(const std::vector<Record>& records) {
    std::vector<std::uint8_t> file(256, 0);
    for (const auto& r : records) append(file, r.encode());
    return file;
}

const FixedClock kClock(2024, 3, 14);
constexpr int kFirstWeek = 780;  // the window of 2024: weeks 781 to 1780

int todayWeek() {
    return weekOfDate(todayCode(kClock));
}

TEST(DataCheck, EmptyFolderGivesTheBuiltInCatalogueAndWritesNothing) {
    TempDataDir dir;
    CheckRun run = check(dir.path(), kClock);
    EXPECT_EQ(run.rc, 0);
    EXPECT_EQ(run.out,
              "speakers.dat\t0\nxtend.dat\t0\ncong.dat\t0\ncircuit.dat\t0\nhospital.dat\t0\n"
              "talk.dat\t256\ntopic.dat\t10\nhistory.dat\t0\nblackout.dat\t0\nspecial.dat\t0\n"
              "wishlist.dat\t0\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(dir.list().empty());
}

TEST(DataCheck, ConsistentDataSetCountsEveryTableAndReportsNothing) {
    TempDataDir dir;
    dir.write("speakers.dat", slotFile(std::vector{brother(1, "Jan", "Smit", 1, 1),
                                                   brother(2, "Piet", "Bakker", 2)}));
    BrotherExtraRecord extra;
    extra.brotherId = 1;
    extra.mobile = "0612345678";
    std::vector<std::uint8_t> xtend;
    append(xtend, extra.encode());
    append(xtend, BrotherExtraRecord{}.encode());
    dir.write("xtend.dat", xtend);
    CongregationRecord home = congregation(1, "Ambon-Noord");
    home.circuitId = 30001;
    home.secretaryId = 1;
    dir.write("cong.dat", slotFile(std::vector{home, congregation(2, "Zuid")}));
    NamedIdRecord circuit;
    circuit.name = "Kring 7";
    circuit.id = 30001;
    std::vector<std::uint8_t> circuits;
    append(circuits, circuit.encode());
    dir.write("circuit.dat", circuits);

    std::vector<std::uint8_t> history;
    for (int week : {kFirstWeek + 10, kFirstWeek + 11}) {
        WeekRecord w;
        w.week = static_cast<std::uint16_t>(week);
        w.flags = WeekRecord::kInUse;
        w.speakerId = 2;
        w.speakerCongId = 2;
        w.talkNo = 12;
        w.chairmanId = 1;
        w.outSpeakerId[0] = 1;
        w.outCongId[0] = 2;
        w.outTalkNo[0] = 256;
        append(history, w.encode());
    }
    dir.write("history.dat", history);
    std::vector<std::uint8_t> blackout;
    UnavailableRecord u;
    u.brotherId = 2;
    u.week = static_cast<std::uint16_t>(todayWeek() + 3);
    append(blackout, u.encode());
    dir.write("blackout.dat", blackout);
    WishList wish;
    setBit(wish.wanted, 4, true);
    setBit(wish.wanted, 9, true);
    std::vector<std::uint8_t> wishFile;
    append(wishFile, wish.encode());
    dir.write("wishlist.dat", wishFile);
    dir.writeText("ambon.ini", "[Congregation]\nNumber=1\n");
    auto before = dir.list();

    CheckRun run = check(dir.path(), kClock);
    EXPECT_EQ(run.rc, 0);
    EXPECT_EQ(run.out,
              "speakers.dat\t2\nxtend.dat\t1\ncong.dat\t2\ncircuit.dat\t1\nhospital.dat\t0\n"
              "talk.dat\t256\ntopic.dat\t10\nhistory.dat\t2\nblackout.dat\t1\nspecial.dat\t0\n"
              "wishlist.dat\t2\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.list(), before);
}

TEST(DataCheck, DanglingCongregationAndWeekOutsideTheWindowAreReported) {
    TempDataDir dir;
    dir.write("speakers.dat", slotFile(std::vector{brother(1, "Jan", "Smit", 5)}));
    dir.write("cong.dat", slotFile(std::vector{congregation(1, "Noord")}));
    std::vector<std::uint8_t> history;
    WeekRecord before;
    before.week = kFirstWeek - 3;  // before the window
    before.flags = WeekRecord::kInUse;
    append(history, before.encode());
    WeekRecord inside;
    inside.week = kFirstWeek + 5;
    inside.flags = WeekRecord::kInUse;
    inside.speakerId = 1;
    append(history, inside.encode());
    dir.write("history.dat", history);

    CheckRun run = check(dir.path(), kClock);
    EXPECT_EQ(run.rc, 0);
    EXPECT_TRUE(run.has("speakers.dat\t1"));
    EXPECT_TRUE(run.has("cong.dat\t1"));
    EXPECT_TRUE(run.has("history.dat\t1"));
    EXPECT_EQ(run.findings(),
              (std::vector<std::string>{
                  "anomaly: speakers.dat: brother 1 (Jan Smit) belongs to congregation 5, which "
                  "does not exist",
                  "anomaly: history.dat: 1 record was skipped: its week lies outside the "
                  "window (weeks 781 to 1780) or after a later week"}));
    EXPECT_EQ(dir.list(), (std::vector<std::string>{"cong.dat", "history.dat", "speakers.dat"}));
}

// One data set with every kind of broken reference and file shape the check knows.
TEST(DataCheck, ReportsEveryKindOfAnomaly) {
    TempDataDir dir;
    auto speakers =
        slotFile(std::vector{brother(1, "Jan", "Smit", 1, 1), brother(2, "Piet", "Bakker", 1, 1),
                             brother(7, "Kees", "Visser", 1, 9)});
    speakers[3] = 'x';                      // header block
    speakers.resize(speakers.size() - 40);  // the last block is cut short
    dir.write("speakers.dat", speakers);
    BrotherExtraRecord extra;
    extra.brotherId = 1;
    std::vector<std::uint8_t> xtend;
    append(xtend, extra.encode());
    dir.write("xtend.dat", xtend);
    CongregationRecord c = congregation(1, "Noord");
    c.circuitId = 30009;
    c.elderCoordinatorId = 40;
    c.talkCoordinatorId = 2;
    c.secretaryId = 41;
    dir.write("cong.dat", slotFile(std::vector{c}));
    dir.write("circuit.dat", std::vector<std::uint8_t>(33, 0));

    std::vector<std::uint8_t> talks;
    for (int t = 1; t <= 256; ++t) {
        TalkRecord r;
        r.talkNo = static_cast<std::uint16_t>(t);
        r.title = "Lezing";
        r.numberText = std::to_string(t);
        r.topicNos[0] = t == 3 ? 77 : 1;
        append(talks, r.encode());
    }
    dir.write("talk.dat", talks);

    WeekRecord w;
    w.week = kFirstWeek + 2;
    w.flags = WeekRecord::kInUse;
    w.speakerId = 90;
    w.talkNo = 300;
    w.speakerCongId = 8;
    w.chairmanId = 91;
    w.readerId = 92;
    w.hostId = 30005;
    w.outSpeakerId[2] = 93;
    w.outCongId[2] = 9;
    w.outTalkNo[2] = 257;
    WeekRecord unused = w;  // not in use: its references are not looked at
    unused.week = kFirstWeek + 3;
    unused.flags = 0;
    std::vector<std::uint8_t> history;
    append(history, w.encode());
    append(history, unused.encode());
    dir.write("history.dat", history);

    std::vector<std::uint8_t> blackout;
    for (auto [id, week] : {std::pair{66, todayWeek() + 1}, std::pair{66, todayWeek() + 2},
                            std::pair{1, todayWeek() - 5}, std::pair{0, todayWeek() - 5},
                            std::pair{2, todayWeek()}}) {
        UnavailableRecord u;
        u.brotherId = static_cast<std::int16_t>(id);
        u.week = static_cast<std::uint16_t>(week);
        append(blackout, u.encode());
    }
    dir.write("blackout.dat", blackout);
    dir.write("wishlist.dat", std::vector<std::uint8_t>(50, 0xFF));
    dir.writeText("ambon.ini", "[Congregation]\nNumber=12\n");

    CheckRun run = check(dir.path(), kClock);
    ASSERT_EQ(run.rc, 0);
    EXPECT_TRUE(run.has("speakers.dat\t3"));
    EXPECT_TRUE(run.has("xtend.dat\t1"));
    EXPECT_TRUE(run.has("blackout.dat\t3"));
    EXPECT_TRUE(run.has("wishlist.dat\t256"));  // the wanted set is all ones
    const std::string week = "anomaly: history.dat: week 782 (";
    for (const std::string& expected : std::vector<std::string>{
             "anomaly: speakers.dat: size 984 is not a multiple of 256 bytes; the last record "
             "was zero-filled",
             "anomaly: speakers.dat: header block 0 is not all zeros",
             "anomaly: speakers.dat: block 3 holds brother 7; the id should be the block "
             "number",
             "anomaly: speakers.dat: brother 2 (Piet Bakker) has extra record 1, which belongs "
             "to brother 1",
             "anomaly: speakers.dat: brother 7 (Kees Visser) has extra record 9, beyond the end "
             "of xtend.dat",
             "anomaly: cong.dat: congregation 1 (Noord) belongs to circuit 30009, which does not "
             "exist",
             "anomaly: cong.dat: congregation 1 (Noord) names brother 40 as coordinator of the "
             "body of elders, who does not exist",
             "anomaly: cong.dat: congregation 1 (Noord) names brother 41 as secretary, who does "
             "not exist",
             "anomaly: circuit.dat: size 33 is not a multiple of 32 bytes; the last record was "
             "zero-filled",
             "anomaly: talk.dat: talk 3 names topic 77, which does not exist",
             "anomaly: blackout.dat: 2 entries name brother 66, who does not exist",
             "note: blackout.dat: 1 entry before this week (week " + std::to_string(todayWeek()) +
                 ") was dropped on loading; the next rewrite leaves them out",
             "anomaly: wishlist.dat: size 50 is shorter than 96 bytes; the rest was zero-filled",
             "anomaly: ambon.ini: the home congregation 12 does not exist",
         })
        EXPECT_TRUE(run.has(expected)) << expected << "\nin:\n" << run.out;
    std::vector<std::string> weekFindings;
    for (const auto& l : run.lines)
        if (l.rfind(week, 0) == 0) weekFindings.push_back(l.substr(l.find("): ") + 3));
    EXPECT_EQ(weekFindings, (std::vector<std::string>{
                                "speaker 90 does not exist",
                                "talk 300 is above 256",
                                "speaker's congregation 8 does not exist",
                                "chairman 91 does not exist",
                                "reader 92 does not exist",
                                "host 30005 does not exist",
                                "outgoing slot 3: speaker 93 does not exist",
                                "outgoing slot 3: congregation 9 does not exist",
                                "outgoing slot 3: talk 257 is above 256",
                            }));
    // The talk coordinator (brother 2) exists; no other line about him.
    EXPECT_EQ(run.out.find("talk coordinator"), std::string::npos);
}

TEST(DataCheck, NameWithLineBreaksStaysOnTheLineOfItsFinding) {
    TempDataDir dir;
    dir.write("speakers.dat", slotFile(std::vector{brother(1, "Jan\nanomaly", "Smit\r\t", 3)}));
    CheckRun run = check(dir.path(), kClock);
    EXPECT_EQ(run.findings(),
              (std::vector<std::string>{"anomaly: speakers.dat: brother 1 (Jan?anomaly Smit?\?) "
                                        "belongs to congregation 3, which does not exist"}));
}

TEST(DataCheck, OlderExtraFileIsNotConvertedButNoted) {
    TempDataDir dir;
    dir.write("extend.dat", std::vector<std::uint8_t>(96 * 3, 0));
    CheckRun run = check(dir.path(), kClock);
    EXPECT_TRUE(
        run.has("note: xtend.dat: missing; a normal start converts the 3 records of "
                "extend.dat into it"))
        << run.out;
    EXPECT_EQ(dir.list(), (std::vector<std::string>{"extend.dat"}));
}

TEST(DataCheck, DataFileThatIsAFolderIsReportedAndTakenAsMissing) {
    TempDataDir dir;
    std::filesystem::create_directory(dir.file("talk.dat"));
    CheckRun run = check(dir.path(), kClock);
    EXPECT_EQ(run.rc, 0);
    EXPECT_TRUE(run.has("talk.dat\t256"));
    EXPECT_TRUE(run.has("anomaly: talk.dat: is not a regular file; it was taken as missing"));
}

TEST(DataCheck, RefusesWhatIsNoReadableDirectory) {
    TempDataDir dir;
    dir.writeText("plain.txt", "x");
    struct Case {
        std::filesystem::path path;
        std::string reason;
    };
    for (const Case& c : {Case{dir.file("missing"), "No such file or directory"},
                          Case{dir.file("plain.txt"), "Not a directory"}}) {
        CheckRun run = check(c.path, kClock);
        EXPECT_EQ(run.rc, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "ambon --check: cannot read the data directory " + c.path.string() +
                               ": " + c.reason + "\n");
    }
    EXPECT_EQ(dir.list(), (std::vector<std::string>{"plain.txt"}));
}

}  // namespace
}  // namespace ambon
