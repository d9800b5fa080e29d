// Benchmarks over a large generated data directory (3,000 brothers with talk sets and extra
// records, 600 congregations, 1,000 fully planned weeks, 6,000 unavailable weeks): start-up
// against a plain read of the same files, which should stay within 4x (the ratio is printed
// after the runs), and filling the screens that look at every brother or unavailable week.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/week_calendar.h"
#include "reference/brother_list_dialog.h"
#include "resources/string_table.h"
#include "schedule/availability_dialog.h"
#include "store/amb_doc.h"
#include "store/records.h"
#include "store/store_io.h"
#include "support/fake_platform.h"

namespace {

using namespace ambon;

class BenchClock : public Clock {
public:
    LocalDateTime now() const override { return {2024, 3, 14, 10, 0, 0}; }
};

// A start on complete data shows no message; one that does spoils the measurement.
class CountingMessages : public Messages {
public:
    MsgResult show(const std::string&, const std::string&, MsgButtons, MsgIcon,
                   MsgResult defaultButton) override {
        ++shown;
        return defaultButton;
    }
    int shown = 0;
};

constexpr int kBrothers = 3000;
constexpr int kCongregations = 600;
constexpr int kCircuits = 50;
constexpr int kHosts = 40;
constexpr int kTopics = 24;
constexpr int kWeeks = 1000;
constexpr int kUnavailable = 6000;
constexpr int kSpecials = 200;
constexpr int kFirstWeek = 780;  // the window of 2024

const char* const kFirstNames[] = {
    "Jan",      "Pieter", "Kees",    "Hendrik",   "Willem", "Johannes", "Gerrit", "Cornelis",
    "Dirk",     "Jürgen", "André",   "Sébastien", "Marcel", "Ruud",     "Bram",   "Thijs",
    "Joël",     "Frans",  "Henk",    "Klaas",     "Arie",   "Teun",     "Wouter", "Jeroen",
    "Maarten",  "Sander", "Bas",     "Niels",     "Rik",    "Stefan",   "Erik",   "Mark",
    "Daan",     "Lucas",  "Sem",     "Jesse",     "Tim",    "Ruben",    "Koen",   "Joost",
    "Leendert", "Jacob",  "Abraham", "Izaäk",     "Bert",   "Harm",     "Jelle",  "Sjoerd",
    "Wim",      "Ton",    "Rob",     "Frank",     "Paul",   "Peter",    "Hans",   "Ronald",
    "Michiel",  "Gijs",   "Tobias",  "Elias"};
const char* const kLastNames[] = {
    "de Jong",         "Jansen",       "de Vries",      "van den Berg", "van Dijk",
    "Bakker",          "Janssen",      "Visser",        "Smit",         "Meijer",
    "de Boer",         "Mulder",       "de Groot",      "Bos",          "Vos",
    "Peters",          "Hendriks",     "van Leeuwen",   "Dekker",       "Brouwer",
    "de Wit",          "Dijkstra",     "Smits",         "de Graaf",     "van der Meer",
    "van der Linden",  "Kok",          "Jacobs",        "de Haan",      "Vermeulen",
    "van den Heuvel",  "van der Veen", "van den Broek", "de Bruijn",    "de Bruin",
    "van der Heijden", "Schouten",     "van Beek",      "Willems",      "van Vliet",
    "Hoekstra",        "Maas",         "Verhoeven",     "Koster",       "van Dam",
    "van der Wal",     "Prins",        "Blom",          "Huisman",      "Peeters",
    "de Jonge",        "Kuipers",      "van Veen",      "Post",         "Kuiper",
    "Veenstra",        "Kramer",       "van den Brink", "Scholten",     "van Wijk",
    "Postma",          "Martens",      "Vink",          "de Ruiter",    "Timmermans",
    "Groen",           "Gerritsen",    "Jonker",        "van Loon",     "Boer",
    "van der Velde",   "Willemsen",    "Smeets",        "de Lange",     "de Vos",
    "Bosch",           "van Dongen",   "Schipper",      "de Koning",    "van der Laan"};
const char* const kPlaces[] = {"Amsterdam", "Rotterdam",  "Utrecht",    "Eindhoven",  "Groningen",
                               "Tilburg",   "Almere",     "Breda",      "Nijmegen",   "Enschede",
                               "Haarlem",   "Arnhem",     "Zaandam",    "Amersfoort", "Apeldoorn",
                               "Zwolle",    "Leeuwarden", "Maastricht", "Delft",      "Alkmaar"};

template <std::size_t N>
void append(Bytes& file, const RecordBytes<N>& record) {
    file.insert(file.end(), record.begin(), record.end());
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string phone(std::mt19937& rng) {
    return "06-" + std::to_string(10000000 + rng() % 89999999);
}

// The data directory, written once with the record codecs and removed at exit.
class LargeDataDir {
public:
    LargeDataDir() {
        dir_ =
            std::filesystem::temp_directory_path() / ("ambon-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::mt19937 rng(2024);
        auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); };

        Bytes speakers(256, 0), extra;
        int extraNo = 0;
        for (int id = 1; id <= kBrothers; ++id) {
            BrotherRecord b;
            b.brotherId = static_cast<std::int16_t>(id);
            b.firstName = kFirstNames[rng() % std::size(kFirstNames)];
            b.lastName = kLastNames[rng() % std::size(kLastNames)];
            b.address1 = "Kerkstraat " + std::to_string(pick(1, 240));
            b.address2 =
                std::to_string(pick(1000, 9999)) + " AB " + kPlaces[rng() % std::size(kPlaces)];
            b.phone = phone(rng);
            for (int t = pick(5, 40); t > 0; --t) setBit(b.talks, pick(0, 229), true);
            b.flags = static_cast<std::uint8_t>(pick(0, 2) | (pick(0, 20) == 0 ? 0x20 : 0));
            b.roles =
                static_cast<std::uint8_t>(pick(0, 1) << 1 | pick(0, 1) << 2 | pick(0, 1) << 4);
            b.congId = static_cast<std::int16_t>(pick(1, kCongregations));
            if (pick(0, 2) != 0) {
                BrotherExtraRecord x;
                x.brotherId = b.brotherId;
                x.mobile = phone(rng);
                x.skype = "skype." + std::to_string(id);
                x.email = "broeder" + std::to_string(id) + "@example.nl";
                x.remark = pick(0, 3) == 0 ? "Alleen op zondag" : "";
                append(extra, x.encode());
                b.extraNo = static_cast<std::uint16_t>(++extraNo);
            }
            append(speakers, b.encode());
        }
        writeFile(dir_ / files::speakers(), speakers);
        writeFile(dir_ / files::extra(), extra);

        Bytes congs(256, 0);
        for (int id = 1; id <= kCongregations; ++id) {
            CongregationRecord c;
            c.congId = static_cast<std::int16_t>(id);
            c.name = std::string(kPlaces[rng() % std::size(kPlaces)]) + "-" +
                     (id % 3 == 0   ? "Noord"
                      : id % 3 == 1 ? "Zuid"
                                    : "Oost") +
                     " " + std::to_string(id);
            c.hallAddress1 = "Koninkrijkszaal, Dorpsweg " + std::to_string(pick(1, 99));
            c.hallAddress2 = std::to_string(pick(1000, 9999)) + " CD " + c.name.substr(0, 12);
            c.phone1 = phone(rng);
            c.phone2 = phone(rng);
            c.meetingTimeOdd = "10:00";
            c.meetingTimeEven = "13:30";
            c.circuitId = static_cast<std::int16_t>(30000 + pick(1, kCircuits));
            c.elderCoordinatorId = static_cast<std::int16_t>(pick(1, kBrothers));
            c.secretaryId = static_cast<std::int16_t>(pick(1, kBrothers));
            c.talkCoordinatorId = static_cast<std::int16_t>(pick(1, kBrothers));
            c.mapFile = "kaart" + std::to_string(id) + ".jpg";
            c.meetingDayOdd = static_cast<std::uint8_t>(pick(0, 6));
            c.meetingDayEven = static_cast<std::uint8_t>(pick(0, 6));
            append(congs, c.encode());
        }
        writeFile(dir_ / files::congs(), congs);

        for (auto [name, count, prefix] : {std::tuple{files::circuits(), kCircuits, "Kring "},
                                           std::tuple{files::hosts(), kHosts, "Familie "}}) {
            Bytes file;
            for (int i = 1; i <= count; ++i) {
                NamedIdRecord r;
                r.id = static_cast<std::uint16_t>(30000 + i);
                r.name = prefix + std::string(kLastNames[rng() % std::size(kLastNames)]) + " " +
                         std::to_string(i);
                append(file, r.encode());
            }
            writeFile(dir_ / name, file);
        }

        Bytes talks;
        for (int t = 1; t <= 256; ++t) {
            TalkRecord r;
            r.talkNo = static_cast<std::uint16_t>(t);
            r.title = std::string(stringText(400 + t));
            r.numberText = t <= 230 ? std::to_string(t) : "S-" + std::to_string(t - 200);
            r.topicNos[0] = static_cast<std::uint16_t>(pick(1, kTopics));
            r.topicNos[1] = static_cast<std::uint16_t>(pick(0, kTopics));
            append(talks, r.encode());
        }
        writeFile(dir_ / files::talks(), talks);
        Bytes topics;
        for (int i = 1; i <= kTopics; ++i) {
            TopicRecord r;
            r.topicNo = static_cast<std::uint16_t>(i);
            r.name = i <= 10 ? std::string(stringText(700 + i)) : "Onderwerp " + std::to_string(i);
            append(topics, r.encode());
        }
        writeFile(dir_ / files::topics(), topics);

        Bytes history;
        for (int i = 0; i < kWeeks; ++i) {
            WeekRecord w;
            w.week = static_cast<std::uint16_t>(kFirstWeek + i + 1);
            w.speakerId = static_cast<std::int16_t>(pick(1, kBrothers));
            w.talkNo = static_cast<std::uint16_t>(pick(1, 256));
            w.speakerCongId = static_cast<std::int16_t>(pick(1, kCongregations));
            w.askedStamp = static_cast<std::int16_t>(w.week - 8);
            w.confirmedStamp = static_cast<std::int16_t>(w.week - 6);
            w.remindedStamp = static_cast<std::int16_t>(w.week - 1);
            w.chairmanId = static_cast<std::int16_t>(pick(1, kBrothers));
            w.readerId = static_cast<std::int16_t>(pick(1, kBrothers));
            w.hostId = static_cast<std::int16_t>(30000 + pick(1, kHosts));
            w.flags = static_cast<std::uint16_t>(WeekRecord::kInUse | WeekRecord::kAllowChairman |
                                                 WeekRecord::kAllowHospitality |
                                                 WeekRecord::kAllowReader);
            for (std::size_t k = 0; k < WeekRecord::kOutSlots; ++k) {
                w.outSpeakerId[k] = static_cast<std::int16_t>(pick(1, kBrothers));
                w.outCongId[k] = static_cast<std::int16_t>(pick(1, kCongregations));
                w.outTalkNo[k] = static_cast<std::uint16_t>(pick(1, 256));
            }
            append(history, w.encode());
        }
        writeFile(dir_ / files::history(), history);

        const int today = weekOfDate(todayCode(BenchClock()));
        Bytes blackout;
        for (int i = 0; i < kUnavailable; ++i) {
            UnavailableRecord u;
            u.brotherId = static_cast<std::int16_t>(pick(1, kBrothers));
            u.week = static_cast<std::uint16_t>(today + pick(0, 150));
            append(blackout, u.encode());
        }
        writeFile(dir_ / files::blackout(), blackout);

        Bytes specials;
        for (int i = 0; i < kSpecials; ++i) {
            SpecialEventRecord e;
            e.weekIndex = static_cast<std::uint16_t>(kFirstWeek + 5 * i + 2);
            e.eventFlags = i % 3 == 0 ? WeekRecord::kAssembly : WeekRecord::kCircuitVisit;
            e.who = i % 3 == 0 ? "Kringvergadering" : "Broeder " + std::string(kLastNames[i % 20]);
            e.talkTitle = std::string(stringText(401 + i % 200));
            append(specials, e.encode());
        }
        writeFile(dir_ / files::specials(), specials);

        WishList wish;
        for (int t = 0; t < 40; ++t) setBit(wish.wanted, pick(0, 229), true);
        for (int t = 0; t < 10; ++t) setBit(wish.high, pick(0, 229), true);
        Bytes wishFile;
        append(wishFile, wish.encode());
        writeFile(dir_ / files::wishlist(), wishFile);

        std::ofstream(dir_ / files::settings(), std::ios::binary)
            << "[Congregation]\r\nNumber=17\r\n[Gemeente]\r\nLezing inclusief=1\r\n";
    }
    ~LargeDataDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path dir_;
};

const LargeDataDir& dataDir() {
    static const LargeDataDir dir;
    return dir;
}

void BM_StartUp(benchmark::State& state) {
    const auto& dir = dataDir();
    BenchClock clock;
    for (auto _ : state) {
        CountingMessages messages;
        CAmbDoc doc(clock, messages);
        doc.startUp(dir.path());
        if (messages.shown != 0 || doc.brothers().count() != kBrothers ||
            doc.weeks().weeksInUse() != kWeeks) {
            state.SkipWithError("start-up did not load the data set");
            break;
        }
        benchmark::DoNotOptimize(doc.unavailability().count());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void BM_RawRead(benchmark::State& state) {
    const DataDir dir(dataDir().path(), true);
    const std::string names[] = {files::speakers(), files::extra(),    files::congs(),
                                 files::circuits(), files::hosts(),    files::talks(),
                                 files::topics(),   files::history(),  files::blackout(),
                                 files::specials(), files::wishlist(), files::settings()};
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& name : names) {
            auto bytes = dir.readAll(name);
            total += bytes ? bytes->size() : 0;
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

// Filling the outgoing-speaker picker for a week: every brother is looked at, the home
// congregation's outgoing speakers are listed with their marks and nearest outgoing week.
void BM_BrotherListRole5Fill(benchmark::State& state) {
    BenchClock clock;
    test::TestPlatform tp;
    CAmbDoc doc(clock, tp.messages);
    doc.startUp(dataDir().path(), {.readOnly = true});
    BrotherListDialog::Options options;
    options.role = BrotherListDialog::kOutgoingSpeaker;
    options.congFilter = static_cast<std::int16_t>(doc.homeCongId());
    options.week = doc.todayWeek() + 2;
    for (auto _ : state) {
        BrotherListDialog list(doc, tp.platform, options);
        benchmark::DoNotOptimize(list.view().list.rows.size());
    }
}
BENCHMARK(BM_BrotherListRole5Fill)->Unit(benchmark::kMillisecond);

// Filling the availability screen of one brother: 52 week rows and his weeks out of the
// whole unavailability table.
void BM_AvailabilityFill(benchmark::State& state) {
    BenchClock clock;
    test::TestPlatform tp;
    CAmbDoc doc(clock, tp.messages);
    doc.startUp(dataDir().path(), {.readOnly = true});
    const std::int16_t brother = doc.unavailability().entries().front().brotherId;
    for (auto _ : state) {
        AvailabilityDialog dialog(doc, brother, false, false);
        benchmark::DoNotOptimize(dialog.view().weeks.selected.size());
    }
}
BENCHMARK(BM_AvailabilityFill)->Unit(benchmark::kMillisecond);

// Prints the ratio of the two after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (run.benchmark_name() == "BM_StartUp") startUp_ = perIteration;
            if (run.benchmark_name() == "BM_RawRead") rawRead_ = perIteration;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (startUp_ > 0 && rawRead_ > 0)
            std::printf("start-up / raw read: %.2f (target: at most 4)\n", startUp_ / rawRead_);
    }

private:
    double startUp_ = 0;
    double rawRead_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
