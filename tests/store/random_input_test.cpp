// Every loader against damaged files: short, cut in the middle of a record, oversized,
// random bytes, text fields without terminator, all 0xFF, ids pointing anywhere. With
// fixed seeds; the invariants below must hold after a read-only start, a normal start and
// a full reload, and nothing outside the data directory may change.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "calendar/date_text.h"
#include "calendar/week_calendar.h"
#include "resources/string_table.h"
#include "store/amb_doc.h"
#include "store/data_check.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

using test::FakeMessages;
using test::FixedClock;
using test::TempDataDir;
using Rng = std::mt19937;
using FileBytes = std::vector<std::uint8_t>;

const FixedClock kClock(2024, 3, 14);
constexpr int kFirstWeek = 780;

int todayWeek() {
    static const int week = weekOfDate(todayCode(kClock));
    return week;
}

int pick(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}
std::uint8_t randomByte(Rng& rng) {
    return static_cast<std::uint8_t>(pick(rng, 0, 255));
}

// Code points of valid UTF-8, or -1 when the text is not valid UTF-8.
long codePoints(const std::string& s) {
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    long n = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<std::uint8_t>(s[i]);
        std::size_t extra = 0;
        std::uint32_t cp = c;
        if (c >= 0x80) {
            if ((c & 0xE0) == 0xC0) {
                extra = 1;
                cp = c & 0x1Fu;
            } else if ((c & 0xF0) == 0xE0) {
                extra = 2;
                cp = c & 0x0Fu;
            } else if ((c & 0xF8) == 0xF0) {
                extra = 3;
                cp = c & 0x07u;
            } else {
                return -1;
            }
        }
        if (i + extra >= s.size()) return -1;
        for (std::size_t k = 1; k <= extra; ++k) {
            auto cc = static_cast<std::uint8_t>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return -1;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
        i += extra + 1;
        ++n;
    }
    return n;
}

// A decoded text field: valid UTF-8 and no more characters than the field holds.
void expectField(const std::string& text, std::size_t fieldSize, const std::string& what) {
    long n = codePoints(text);
    EXPECT_GE(n, 0) << what << " is not valid UTF-8";
    EXPECT_LE(n, static_cast<long>(fieldSize) - 1) << what << ": " << text;
}

void expectUtf8(const std::string& text, const std::string& what) {
    EXPECT_GE(codePoints(text), 0) << what << " is not valid UTF-8";
}

// ---- The files -------------------------------------------------------------------------

struct Field {
    std::size_t offset;
    std::size_t size;
};

struct FileKind {
    std::string name;
    std::size_t recordSize;
    std::vector<Field> texts;
    std::vector<std::size_t> ids;  // 16-bit id and number fields
    // A plausible record k of n.
    std::function<void(FileBytes&, std::size_t k, Rng&)> plausible;
    std::size_t many;  // records of an oversized file
};

void put16(FileBytes& r, std::size_t offset, int value) {
    r[offset] = static_cast<std::uint8_t>(value & 0xFF);
    r[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Letters, a few Windows-1252 accents and the odd space, NUL-terminated inside the field.
void putPlausibleText(FileBytes& r, Field f, Rng& rng) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJ KLMN-'.\xE9\xEB\xEF\x80\x9C";
    std::size_t length = static_cast<std::size_t>(pick(rng, 0, static_cast<int>(f.size) - 1));
    for (std::size_t i = 0; i < f.size; ++i)
        r[f.offset + i] =
            i < length ? static_cast<std::uint8_t>(kChars[pick(rng, 0, sizeof kChars - 2)]) : 0;
}

std::vector<FileKind> fileKinds() {
    auto withTexts = [](std::vector<Field> texts, auto rest) {
        return [texts, rest](FileBytes& r, std::size_t k, Rng& rng) {
            for (Field f : texts) putPlausibleText(r, f, rng);
            rest(r, k, rng);
        };
    };
    std::vector<FileKind> kinds;
    std::vector<Field> t;

    t = {{0, 20}, {20, 20}, {40, 40}, {80, 40}, {120, 16}};
    kinds.push_back({"speakers.dat",
                     256,
                     t,
                     {202, 204, 206},
                     withTexts(t,
                               [](FileBytes& r, std::size_t k, Rng& rng) {
                                   if (k == 0) return;  // the header block stays zero
                                   for (std::size_t i = 136; i < 168; ++i) r[i] = randomByte(rng);
                                   r[200] = randomByte(rng);
                                   r[201] = randomByte(rng);
                                   put16(r, 202, pick(rng, 0, 12));
                                   // Mostly its slot; now and then free or another id.
                                   int id = pick(rng, 0, 9) == 0   ? 0
                                            : pick(rng, 0, 9) == 0 ? pick(rng, 1, 40)
                                                                   : static_cast<int>(k);
                                   put16(r, 204, id);
                                   put16(r, 206, pick(rng, 0, 3) == 0 ? pick(rng, 1, 30) : 0);
                               }),
                     300});
    t = {{2, 16}, {18, 16}, {34, 48}, {82, 46}};
    kinds.push_back(
        {"xtend.dat",
         128,
         t,
         {0},
         withTexts(t, [](FileBytes& r, std::size_t, Rng& rng) { put16(r, 0, pick(rng, 0, 30)); }),
         500});
    t = {{2, 16}, {18, 16}, {34, 62}};
    kinds.push_back(
        {"extend.dat",
         96,
         t,
         {0},
         withTexts(t, [](FileBytes& r, std::size_t, Rng& rng) { put16(r, 0, pick(rng, 0, 30)); }),
         500});
    t = {{0, 50}, {50, 41}, {91, 41}, {132, 16}, {148, 16}, {164, 10}, {188, 10}, {198, 28}};
    kinds.push_back({"cong.dat",
                     256,
                     t,
                     {174, 178, 182, 184, 186},
                     withTexts(t,
                               [](FileBytes& r, std::size_t k, Rng& rng) {
                                   if (k == 0) {
                                       std::fill(r.begin(), r.end(), 0);
                                       return;
                                   }
                                   put16(r, 174, pick(rng, 0, 5) == 0 ? 0 : static_cast<int>(k));
                                   put16(r, 178, pick(rng, 0, 1) ? 30000 + pick(rng, 1, 5) : 0);
                                   for (std::size_t o : {182, 184, 186})
                                       put16(r, o, pick(rng, 0, 40));
                                   r[226] = static_cast<std::uint8_t>(pick(rng, 0, 8));
                                   r[227] = static_cast<std::uint8_t>(pick(rng, 0, 8));
                               }),
                     300});
    t = {{0, 30}};
    for (const char* name : {"circuit.dat", "hospital.dat"})
        kinds.push_back({name,
                         32,
                         t,
                         {30},
                         withTexts(t, [](FileBytes& r, std::size_t k,
                                         Rng&) { put16(r, 30, 30001 + static_cast<int>(k)); }),
                         500});
    t = {{0, 93}, {93, 7}};
    std::vector<std::size_t> talkIds = {100};
    for (std::size_t i = 0; i < 26; ++i) talkIds.push_back(102 + 2 * i);
    kinds.push_back({"talk.dat", 154, t, talkIds,
                     withTexts(t,
                               [](FileBytes& r, std::size_t k, Rng& rng) {
                                   std::string number =
                                       (pick(rng, 0, 3) == 0 ? "S-" : "") + std::to_string(k + 1);
                                   std::fill(r.begin() + 93, r.begin() + 100, 0);
                                   std::copy_n(number.begin(),
                                               std::min<std::size_t>(number.size(), 6),
                                               r.begin() + 93);
                                   put16(r, 100, static_cast<int>(k + 1));
                                   for (std::size_t i = 0; i < 3; ++i)
                                       put16(r, 102 + 2 * i, pick(rng, 0, 14));
                               }),
                     400});
    t = {{0, 46}};
    kinds.push_back({"topic.dat",
                     48,
                     t,
                     {46},
                     withTexts(t, [](FileBytes& r, std::size_t k,
                                     Rng&) { put16(r, 46, static_cast<int>(k + 1)); }),
                     500});
    std::vector<std::size_t> weekIds;
    for (std::size_t o = 0; o < 64; o += 2)
        if (o != 22 && o != 24 && o != 26) weekIds.push_back(o);
    kinds.push_back({"history.dat",
                     64,
                     {},
                     weekIds,
                     [](FileBytes& r, std::size_t k, Rng& rng) {
                         // Mostly ascending through the window, starting a little before it
                         // and running past it in an oversized file; now and then a step back.
                         int week = kFirstWeek - 5 + static_cast<int>(k) + pick(rng, -2, 1);
                         put16(r, 0, week);
                         for (std::size_t o = 2; o < 20; o += 2) put16(r, o, pick(rng, 0, 40));
                         put16(r, 4, pick(rng, 0, 260));
                         put16(r, 20, pick(rng, 0, 127));
                         for (std::size_t o = 22; o < 28; ++o) r[o] = randomByte(rng);
                         for (std::size_t o = 28; o < 52; o += 2) put16(r, o, pick(rng, 0, 40));
                         for (std::size_t o = 52; o < 64; o += 2) put16(r, o, pick(rng, 0, 260));
                     },
                     1300});
    kinds.push_back({"blackout.dat",
                     8,
                     {},
                     {0, 2},
                     [](FileBytes& r, std::size_t, Rng& rng) {
                         put16(r, 0, pick(rng, 0, 40));
                         put16(r, 2, todayWeek() + pick(rng, -20, 80));
                     },
                     2000});
    t = {{4, 40}, {44, 100}};
    kinds.push_back({"special.dat",
                     144,
                     t,
                     {0, 2},
                     withTexts(t,
                               [](FileBytes& r, std::size_t k, Rng& rng) {
                                   put16(r, 0,
                                         kFirstWeek + 3 * static_cast<int>(k) + pick(rng, 0, 2));
                                   put16(r, 2, pick(rng, 0, 127) & ~1);
                               }),
                     300});
    kinds.push_back({"wishlist.dat",
                     96,
                     {},
                     {},
                     [](FileBytes& r, std::size_t, Rng& rng) {
                         for (auto& b : r) b = randomByte(rng);
                     },
                     40});
    return kinds;
}

enum class Damage { None, Empty, Short, Truncated, Oversized, RandomBytes, NoNul, AllFF, WildIds };

const char* damageName(Damage d) {
    switch (d) {
        case Damage::None:
            return "plausible";
        case Damage::Empty:
            return "empty";
        case Damage::Short:
            return "short";
        case Damage::Truncated:
            return "truncated";
        case Damage::Oversized:
            return "oversized";
        case Damage::RandomBytes:
            return "random bytes";
        case Damage::NoNul:
            return "texts without NUL";
        case Damage::AllFF:
            return "all 0xFF";
        case Damage::WildIds:
            return "wild ids";
    }
    return "?";
}

FileBytes makeFile(const FileKind& kind, Damage damage, Rng& rng) {
    const std::size_t size = kind.recordSize;
    if (damage == Damage::Empty) return {};
    if (damage == Damage::RandomBytes) {
        FileBytes bytes(static_cast<std::size_t>(pick(rng, 1, static_cast<int>(size) * 12)));
        for (auto& b : bytes) b = randomByte(rng);
        return bytes;
    }
    if (damage == Damage::AllFF)
        return FileBytes(size * static_cast<std::size_t>(pick(rng, 1, 8)) +
                             static_cast<std::size_t>(pick(rng, 0, 1)) * (size / 2),
                         0xFF);
    std::size_t n = damage == Damage::Short       ? static_cast<std::size_t>(pick(rng, 1, 3))
                    : damage == Damage::Oversized ? kind.many
                                                  : static_cast<std::size_t>(pick(rng, 4, 30));
    FileBytes bytes;
    bytes.reserve(n * size);
    for (std::size_t k = 0; k < n; ++k) {
        FileBytes r(size, 0);
        kind.plausible(r, k, rng);
        if (damage == Damage::NoNul)
            for (Field f : kind.texts)
                for (std::size_t i = 0; i < f.size; ++i)
                    r[f.offset + i] = static_cast<std::uint8_t>(pick(rng, 1, 255));
        if (damage == Damage::WildIds)
            for (std::size_t o : kind.ids) put16(r, o, pick(rng, 0, 0xFFFF));
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    if (damage == Damage::Truncated)
        bytes.resize(bytes.size() -
                     static_cast<std::size_t>(pick(rng, 1, static_cast<int>(size) - 1)));
    return bytes;
}

std::string makeSettings(Damage damage, Rng& rng) {
    std::string text;
    switch (damage) {
        case Damage::Empty:
            return text;
        case Damage::RandomBytes:
        case Damage::AllFF:
            for (int i = pick(rng, 1, 3000); i > 0; --i)
                text += damage == Damage::AllFF
                            ? '\xFF'
                            : static_cast<char>("[]=\r\n \t;ab1-"[pick(rng, 0, 12)] ^
                                                (pick(rng, 0, 5) == 0 ? randomByte(rng) : 0));
            return text;
        case Damage::NoNul:  // one endless line
            return "[Congregation]Number=" +
                   std::string(static_cast<std::size_t>(pick(rng, 1000, 20000)), 'x');
        case Damage::Truncated:
            return "[Congregation]\r\nNumber=1\r\n[Gemeente]\r\nSchema for";
        default:
            break;
    }
    auto number = [&]() -> std::string {
        if (damage == Damage::WildIds) {
            static const char* kWild[] = {"-32768", "99999999999", "-1",     "65536", "0x10",
                                          "",       "+7",          "  12  ", "1e3"};
            return kWild[pick(rng, 0, 8)];
        }
        return std::to_string(pick(rng, 0, 12));
    };
    auto key = [&](int sectionId, std::initializer_list<int> keyIds) {
        text += "[" + std::string(stringText(sectionId)) + "]\r\n";
        for (int k : keyIds) text += std::string(stringText(k)) + "=" + number() + "\r\n";
    };
    int repeats = damage == Damage::Oversized ? 300 : damage == Damage::Short ? 1 : 2;
    text += "[Congregation]\r\nNumber=" + number() + "\r\n";
    for (int s = 0; s < repeats; ++s) {
        key(1057, {1034, 1042, 1192, 1273});
        text += "[Meeting Time Change]\nService Year=" + number() + "\n";
        key(1120, {1143, 1171, 1195, 1132, 1176, 1183});
        text += std::string(stringText(1121)) + "=" +
                std::string(static_cast<std::size_t>(pick(rng, 0, 200)), '\xE9') + "\r\n";
        for (int font : {1098, 1099, 1123, 1124, 1100, 1101, 1172}) {
            key(font, {1102, 1103, 1104, 1105, 1106});
            text += std::string(stringText(1107)) + "=" +
                    std::string(static_cast<std::size_t>(pick(rng, 0, 80)), 'F') + "\xFC\n";
        }
    }
    return text;
}

// ---- The invariants --------------------------------------------------------------------

using Snapshot = std::map<std::string, FileBytes>;

Snapshot snapshot(const TempDataDir& parent, const std::filesystem::path& dir) {
    Snapshot s;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        auto rel = std::filesystem::relative(entry.path(), parent.path()).string();
        FileBytes bytes(static_cast<std::size_t>(entry.file_size()));
        std::ifstream in(entry.path(), std::ios::binary);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        s[rel] = std::move(bytes);
    }
    return s;
}

// dates: also the date text of every week in use (slow under the sanitizers, so once per
// data set is enough).
void checkDocument(CAmbDoc& doc, const std::string& when, bool dates) {
    SCOPED_TRACE(when);
    const Brothers& brothers = doc.brothers();
    const std::uint64_t speakersSize = doc.dataDir().fileSize("speakers.dat");
    for (std::size_t i = 0; i < brothers.count(); ++i) {
        const BrotherEntry& e = brothers.entry(i);
        EXPECT_NE(e.brotherId, 0);
        EXPECT_GE(e.slot, 1);
        EXPECT_LT(e.slot, brothers.speakerBlocks());
        EXPECT_LT(std::uint64_t{e.slot} * 256, speakersSize) << "brother " << e.brotherId;
        expectField(e.firstName, 20, "firstName");
        expectField(e.lastName, 20, "lastName");
        expectUtf8(brothers.brotherName(i, true), "brotherName");
        expectUtf8(brothers.brotherName(i, false), "brotherName");
        BrotherRecord r;
        EXPECT_EQ(brothers.readBrother(i, r), e.slot) << "brother " << e.brotherId;
        EXPECT_EQ(r.brotherId, e.brotherId);
        expectField(r.address1, 40, "address1");
        expectField(r.address2, 40, "address2");
        expectField(r.phone, 16, "phone");
        expectUtf8(brothers.brotherPhone(e.brotherId), "brotherPhone");
        BrotherExtraRecord x;
        if (brothers.readExtra(e.extraNo, e.brotherId, x)) {
            EXPECT_EQ(x.brotherId, e.brotherId);
            expectField(x.mobile, 16, "mobile");
            expectField(x.skype, 16, "skype");
            expectField(x.email, 48, "email");
            expectField(x.remark, 46, "remark");
        }
    }
    EXPECT_TRUE(brothers.brotherName(brothers.count(), true).empty());

    const Congregations& congs = doc.congregations();
    const std::uint64_t congSize = doc.dataDir().fileSize("cong.dat");
    for (std::size_t i = 0; i < congs.count(); ++i) {
        const CongregationEntry& e = congs.entry(i);
        EXPECT_NE(e.congId, 0);
        EXPECT_GE(e.slot, 1);
        EXPECT_LT(e.slot, congs.congBlocks());
        EXPECT_LT(std::uint64_t{e.slot} * 256, congSize);
        expectField(e.name, 50, "congregation name");
        expectField(e.meetingTimeOdd, 10, "meetingTimeOdd");
        expectField(e.meetingTimeEven, 10, "meetingTimeEven");
        expectUtf8(congs.congregationName(i, true), "congregationName");
        CongregationRecord r;
        EXPECT_EQ(congs.readCongregation(i, r), e.slot);
        EXPECT_EQ(r.congId, e.congId);
        for (auto [text, size] :
             {std::pair{&r.hallAddress1, 41}, std::pair{&r.hallAddress2, 41},
              std::pair{&r.phone1, 16}, std::pair{&r.phone2, 16}, std::pair{&r.mapFile, 28}})
            expectField(*text, static_cast<std::size_t>(size), "congregation field");
        // Date arithmetic is slow under the sanitizers: a few congregations are enough.
        if (i < 8) expectUtf8(doc.meetingTime(e.congId, doc.todayWeek()), "meetingTime");
    }

    for (const NamedIdTable* table : {&doc.circuits(), &doc.hosts()})
        for (const auto& r : table->records()) expectField(r.name, 30, table->fileName());

    ASSERT_EQ(doc.talks().records().size(), 256u);
    for (const auto& t : doc.talks().records()) {
        expectField(t.title, 93, "talk title");
        expectField(t.numberText, 7, "talk numberText");
    }
    for (const auto& t : doc.topics().records()) expectField(t.name, 46, "topic");

    for (int i = 0; i < kWeekWindow; ++i) {
        const WeekRecord& w = doc.weeks().slot(i);
        // A record is only ever placed in the slot of its own week.
        EXPECT_EQ(w.week, doc.firstWeek() + i + 1);
        if (!dates || (w.flags & WeekRecord::kInUse) == 0) continue;
        // Every week in use once; the flags vary with the week.
        {
            static constexpr int kFlags[] = {0, kDateWithYear, kDateShortMonth | kDateMonday};
            std::string text = doc.dateText(w.week, kFlags[i % 3]);
            expectUtf8(text, "dateText");
            EXPECT_FALSE(text.empty());
        }
    }
    for (const auto& u : doc.unavailability().entries()) {
        EXPECT_NE(u.brotherId, 0);
        EXPECT_GE(u.week, doc.todayWeek());
    }
    for (const auto& s : doc.specials().events()) {
        expectField(s.who, 40, "special who");
        expectField(s.talkTitle, 100, "special talkTitle");
    }
    for (const auto& local : doc.localBrothers()) {
        ASSERT_LT(local.index, brothers.count());
        EXPECT_EQ(brothers.entry(local.index).brotherId, local.brotherId);
        EXPECT_EQ(brothers.entry(local.index).congId, doc.homeCongId());
    }
    doc.loadFonts(false);
    for (auto f : {PrintFont::Text, PrintFont::Title, PrintFont::Small})
        EXPECT_LE(codePoints(doc.fonts().font(f).faceName), 31);
}

// Runs everything over one data directory.
void exercise(const std::function<void(TempDataDir&, const std::filesystem::path&)>& fill) {
    TempDataDir parent;
    const std::filesystem::path dir = parent.path() / "data";
    std::filesystem::create_directory(dir);
    parent.writeText("sentinel.txt", "untouched");
    fill(parent, dir);
    const auto cwd = std::filesystem::current_path();
    const Snapshot before = snapshot(parent, dir);

    {
        FakeMessages messages;
        CAmbDoc doc(kClock, messages);
        ASSERT_TRUE(doc.startUp(dir, {.readOnly = true, .languageCode = std::nullopt}));
        checkDocument(doc, "read-only start", true);
        EXPECT_TRUE(doc.reloadAll());
        checkDocument(doc, "read-only reload", false);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        EXPECT_EQ(snapshot(parent, dir), before) << "a read-only start changed the directory";
    }
    {
        std::ostringstream out, err;
        EXPECT_EQ(runDataCheck(dir, kClock, out, err), 0);
        expectUtf8(out.str(), "check output");
        std::istringstream lines(out.str());
        int n = 0;
        for (std::string line; std::getline(lines, line); ++n)
            if (n >= 11)
                EXPECT_TRUE(line.rfind("anomaly: ", 0) == 0 || line.rfind("note: ", 0) == 0)
                    << line;
        EXPECT_GE(n, 11);
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(snapshot(parent, dir), before) << "the check changed the directory";
    }
    {
        FakeMessages messages;
        CAmbDoc doc(kClock, messages);
        ASSERT_TRUE(doc.startUp(dir));
        checkDocument(doc, "normal start", false);
        EXPECT_TRUE(doc.reloadAll());
        checkDocument(doc, "reload", false);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        // A start keeps every file as it was and creates only the files of a first start.
        Snapshot after = snapshot(parent, dir);
        for (const auto& [name, bytes] : before) {
            ASSERT_TRUE(after.count(name)) << name << " was removed";
            EXPECT_TRUE(after.at(name) == bytes) << name << " was changed";
        }
        for (const auto& [name, bytes] : after) {
            if (before.count(name)) continue;
            EXPECT_TRUE(name == "data/speakers.dat" || name == "data/cong.dat" ||
                        name == "data/xtend.dat")
                << "created " << name;
        }
        // The older extra file is converted whole, not lost.
        if (!before.count("data/xtend.dat") && before.count("data/extend.dat") &&
            before.at("data/extend.dat").size() >= 96)
            EXPECT_EQ(after.at("data/xtend.dat").size(),
                      before.at("data/extend.dat").size() / 96 * 128);
    }
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    EXPECT_EQ(parent.list(), (std::vector<std::string>{"data", "sentinel.txt"}));
    EXPECT_EQ(parent.readText("sentinel.txt"), "untouched");
}

// A small plausible data set around the file under test, so that its ids meet tables.
void writeBackground(TempDataDir& parent, const std::vector<FileKind>& kinds,
                     const std::string& except, Rng& rng) {
    for (const auto& kind : kinds) {
        if (kind.name == except || kind.name == "extend.dat") continue;
        if (pick(rng, 0, 5) == 0) continue;  // now and then a file is missing
        parent.write("data/" + kind.name, makeFile(kind, Damage::Short, rng));
    }
    parent.writeText("data/ambon.ini", makeSettings(Damage::None, rng));
}

const Damage kDamages[] = {Damage::Empty,       Damage::Short, Damage::Truncated, Damage::Oversized,
                           Damage::RandomBytes, Damage::NoNul, Damage::AllFF,     Damage::WildIds};

TEST(RandomInput, EachFileDamagedInEveryWay) {
    const auto kinds = fileKinds();
    unsigned seed = 1;
    for (const auto& kind : kinds) {
        for (Damage damage : kDamages) {
            SCOPED_TRACE(kind.name + ", " + damageName(damage) + ", seed " + std::to_string(seed));
            Rng rng(seed++);
            exercise([&](TempDataDir& parent, const std::filesystem::path&) {
                writeBackground(parent, kinds, kind.name, rng);
                if (kind.name == "extend.dat")
                    std::filesystem::remove(parent.file("data/xtend.dat"));
                parent.write("data/" + kind.name, makeFile(kind, damage, rng));
            });
            if (HasFatalFailure()) return;
        }
    }
}

TEST(RandomInput, SettingsFileDamagedInEveryWay) {
    const auto kinds = fileKinds();
    unsigned seed = 500;
    for (Damage damage : kDamages) {
        SCOPED_TRACE(std::string("ambon.ini, ") + damageName(damage));
        Rng rng(seed++);
        exercise([&](TempDataDir& parent, const std::filesystem::path&) {
            writeBackground(parent, kinds, "", rng);
            parent.writeText("data/ambon.ini", makeSettings(damage, rng));
        });
        if (HasFatalFailure()) return;
    }
}

TEST(RandomInput, EveryFileDamagedAtOnce) {
    const auto kinds = fileKinds();
    for (unsigned seed = 900; seed < 912; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Rng rng(seed);
        exercise([&](TempDataDir& parent, const std::filesystem::path&) {
            for (const auto& kind : kinds) {
                Damage damage = kDamages[pick(rng, 0, 7)];
                if (damage == Damage::Oversized) damage = Damage::WildIds;
                parent.write("data/" + kind.name, makeFile(kind, damage, rng));
            }
            parent.writeText("data/ambon.ini", makeSettings(kDamages[pick(rng, 0, 7)], rng));
        });
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace ambon
