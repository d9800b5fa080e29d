// The demo data set: a fictional home congregation with its neighbours, their speakers, a
// year of history and half a year of plans, written through the document as the screens do.
// Header-only, because every tools/*.cpp becomes its own executable and the tests include it.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "calendar/bits.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "store/amb_doc.h"

namespace ambon::demo {

// Local duties: bit numbers of the roles byte.
constexpr int kOutgoingDuty = 1;
constexpr int kChairmanDuty = 2;
constexpr int kReaderDuty = 4;
constexpr int kHighestDemoTalk = 194;

// What a generated data set holds, for the tool's closing line.
struct DemoSummary {
    int circuits = 0;
    int congregations = 0;
    int homeBrothers = 0;
    int visitingSpeakers = 0;
    int suspendedSpeakers = 0;
    int hosts = 0;
    int pastWeeks = 0;    // planned weeks before the current one
    int futureWeeks = 0;  // planned weeks of the coming half year, events included
    int openWeeks = 0;    // weeks of the coming half year left to plan
    int outgoingTalks = 0;
    int unavailableWeeks = 0;
    int wishedTalks = 0;
    int events = 0;
};

// The date the set is built around: years whose week table window holds a year back and
// half a year ahead within the last week number the files can hold.
inline bool isSupportedDemoDate(const LocalDateTime& d) {
    if (d.year < 2010 || d.year > 2036 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = d.year % 4 == 0 && (d.year % 100 != 0 || d.year % 400 == 0);
    int days = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
    return d.day <= days;
}

// "YYYY-MM-DD", strictly; false for any other text or an unsupported date.
inline bool parseDemoDate(const std::string& text, LocalDateTime& out) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    LocalDateTime d;
    d.year = std::stoi(text.substr(0, 4));
    d.month = std::stoi(text.substr(5, 2));
    d.day = std::stoi(text.substr(8, 2));
    if (!isSupportedDemoDate(d)) return false;
    out = d;
    return true;
}

namespace detail {

class DemoClock : public Clock {
public:
    explicit DemoClock(const LocalDateTime& t) : time_(t) {}
    LocalDateTime now() const override { return time_; }

private:
    LocalDateTime time_;
};

// Nobody answers message boxes here: the first one shown (a file that could not be
// written) makes the generation fail with its text.
class CollectingMessages : public Messages {
public:
    MsgResult show(const std::string& text, const std::string&, MsgButtons, MsgIcon,
                   MsgResult defaultButton) override {
        texts.push_back(text);
        return defaultButton;
    }
    std::vector<std::string> texts;
};

// The generator's own draws: the engine's sequence is fixed by the standard and the
// ranges are taken by plain modulo, so one date gives the same files on every build.
class DemoRandom {
public:
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }
    template <class T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[static_cast<std::size_t>(below(static_cast<int>(i)))]);
    }

private:
    std::mt19937 engine_{20240611u};
};

struct CongregationPlan {
    const char* name;
    const char* town;
    int circuit;           // index into kCircuitNames
    std::uint8_t day;      // stored weekday: 0 Sunday, 6 Saturday
    const char* timeOdd;   // meeting time in odd years
    const char* timeEven;  // and in even years
};

inline constexpr const char* kCircuitNames[] = {"Kring Amersvoort 2", "Kring Eemdal 3",
                                                "Kring Heuvelrand 1", "Kring Polderland 4"};

// The first one is the home congregation.
inline constexpr CongregationPlan kCongregations[] = {
    {"Amersvoort-Noord", "Amersvoort", 0, 0, "10:00", "12:30"},
    {"Amersvoort-Zuid", "Amersvoort", 0, 0, "12:30", "10:00"},
    {"Amersvoort-Centrum", "Amersvoort", 0, 0, "09:30", "13:00"},
    {"Zeewaarde-Haven", "Zeewaarde", 0, 0, "10:00", "13:30"},
    {"Eemdijk-Oost", "Eemdijk", 1, 0, "13:30", "10:00"},
    {"Bergerveen", "Bergerveen", 1, 0, "10:00", "10:00"},
    {"Dalfsterhout", "Dalfsterhout", 1, 6, "18:30", "18:30"},
    {"Eekhorst", "Eekhorst", 1, 0, "09:30", "12:00"},
    {"Gravenmeer", "Gravenmeer", 1, 0, "11:00", "14:00"},
    {"Hollenbroek", "Hollenbroek", 2, 0, "10:00", "12:30"},
    {"Kroonwijk-West", "Kroonwijk", 2, 0, "12:30", "10:00"},
    {"Lindenoord", "Lindenoord", 2, 0, "10:30", "10:30"},
    {"Middelrade", "Middelrade", 2, 6, "19:00", "19:00"},
    {"Rietmond", "Rietmond", 2, 0, "09:45", "13:15"},
    {"Schelveen", "Schelveen", 2, 0, "13:15", "09:45"},
    {"Tiendhoven", "Tiendhoven", 3, 0, "10:00", "12:30"},
    {"Vennebroek", "Vennebroek", 3, 0, "14:00", "11:00"},
    {"Westerzand", "Westerzand", 3, 0, "10:00", "13:00"},
    {"Wilgendam", "Wilgendam", 3, 6, "18:00", "18:00"},
    {"Zilverhaven", "Zilverhaven", 3, 0, "09:30", "09:30"},
    {"Brakenstein", "Brakenstein", 1, 0, "12:00", "09:30"},
    {"Duinhoeve", "Duinhoeve", 3, 0, "10:00", "12:00"},
    {"Heidelaar-Dorp", "Heidelaar", 2, 0, "11:30", "11:30"},
    {"Molenrade", "Molenrade", 0, 0, "13:00", "10:00"},
    {"Waterdaal-Zuid", "Waterdaal", 3, 0, "10:15", "12:45"},
};

inline constexpr const char* kFirstNames[] = {
    "Jan",   "Pieter",  "Kees",   "Henk",    "Willem", "Daan", "Ruben",  "Gerrit",
    "Bram",  "Sander",  "Thijs",  "Joost",   "Marco",  "Erik", "Bas",    "Jeroen",
    "Niels", "Maarten", "Wouter", "Arjen",   "Dirk",   "Hans", "Frank",  "Rob",
    "Tom",   "Luuk",    "Stefan", "Martijn", "Koen",   "Rik",  "Lars",   "Jesse",
    "Timo",  "Gijs",    "Hugo",   "Teun",    "Wim",    "Cor",  "Berend", "Floris",
    "Job",   "Sjoerd",  "Tjeerd", "Hendrik", "Johan",  "Arie", "Jelle",  "Mees"};

inline constexpr const char* kLastNames[] = {
    "De Vries",  "Jansen",       "Van den Berg",   "Bakker",       "Visser",
    "Smit",      "Meijer",       "De Boer",        "Mulder",       "De Groot",
    "Bos",       "Vos",          "Peters",         "Hendriks",     "Van Leeuwen",
    "Dekker",    "Brouwer",      "De Wit",         "Dijkstra",     "Smits",
    "De Graaf",  "Van der Meer", "Van der Linden", "Kok",          "Jacobs",
    "De Haan",   "Vermeulen",    "Van den Heuvel", "Van der Veen", "Van den Broek",
    "De Bruijn", "De Jong",      "Schouten",       "Van Beek",     "Willems",
    "Van Dijk",  "Hoekstra",     "Prins",          "Blom",         "Huisman",
    "Kuipers",   "Veenstra",     "Koster",         "Timmermans",   "Postma",
    "Verhoeven", "Martens",      "Molenaar"};

inline constexpr const char* kStreets[] = {
    "Lindelaan",       "Kastanjelaan", "Molenweg",      "Beukenhof",       "Zonnebloemstraat",
    "Populierenlaan",  "Dorpsstraat",  "Esdoornlaan",   "Vlierstraat",     "Klaverweide",
    "Reigerstraat",    "Merelhof",     "IJsvogelpad",   "Havenkade",       "Sluisweg",
    "Dijkgraafstraat", "Wilgenhof",    "Berkenlaan",    "Rozenstraat",     "Tulpenveld",
    "Schoolstraat",    "Zuiderkade",   "Kievitlaan",    "Heideweg",        "Bongerd",
    "Veldzicht",       "Brinkstraat",  "Boomgaardlaan", "Leeuwerikstraat", "Eikenpark"};

inline constexpr const char* kRemarks[] = {"Liefst op zondagmiddag",
                                           "Geen auto; ophalen bij het station",
                                           "Spreekt ook Engels",
                                           "Niet beschikbaar in de zomervakantie",
                                           "Nieuw adres sinds dit voorjaar",
                                           "Bellen na 18:00 uur",
                                           "Komt graag met zijn vrouw",
                                           "Liever niet in december"};

// The home congregation's brothers: office (2 elder, 1 ministerial servant, 0 neither)
// and duties (bits of the roles byte).
struct HomeBrotherPlan {
    std::uint8_t office;
    int roles;
};

constexpr int dutyBit(int duty) {
    return 1 << duty;
}
constexpr int kOut = dutyBit(kOutgoingDuty);
constexpr int kChair = dutyBit(kChairmanDuty);
constexpr int kRead = dutyBit(kReaderDuty);

inline constexpr HomeBrotherPlan kHomeBrothers[] = {
    {2, kOut | kChair},  // elder coordinator
    {2, kOut | kChair},  // secretary
    {2, kOut | kChair},  // talk coordinator
    {2, kOut | kChair},
    {2, kOut | kChair},
    {2, kOut | kChair},
    {2, kChair},  // no longer travels to speak
    {1, kOut | kChair},
    {1, kOut | kChair | kRead},
    {1, kOut | kRead},
    {1, kChair | kRead},
    {1, kRead},
    {1, kRead},
    {0, kRead},
    {0, kRead},
    {0, 0},
    {0, 0},
    {0, 0},
    {0, 0},
    {0, 0},
};

// Positions (in kCongregations) whose last speaker is suspended.
inline constexpr int kSuspendedIn[] = {5, 11, 17, 22};

class DemoBuilder {
public:
    explicit DemoBuilder(CAmbDoc& doc) : doc_(doc), today_(doc.todayWeek()) {}

    void build(DemoSummary& summary) {
        addCircuits();
        addCongregations();
        addBrothers();
        setCoordinators();
        setHome();
        addHosts();
        chooseUnavailableWeeks();
        planWeeks();
        storeUnavailableWeeks();
        writeWishList();
        summary = summary_;
    }

private:
    struct Speaker {
        std::int16_t id = 0;
        std::int16_t congId = 0;
        std::vector<int> talks;
        bool suspended = false;
        int roles = 0;
    };
    struct Congregation {
        std::int16_t congId = 0;
        std::vector<std::int16_t> speakers;  // brother ids, in the order added
    };

    // ---- people and places -------------------------------------------------------------

    std::string phone() { return "0300-0" + digits(5); }
    std::string mobile() { return "06-0000" + digits(4); }
    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + rng_.below(10));
        return s;
    }
    std::string street() {
        return std::string(rng_.pick(streets_)) + " " + std::to_string(rng_.between(1, 180));
    }
    std::string postcode(const std::string& town) {
        // Each town keeps its own range, as real postcodes do.
        auto [it, added] = townCodes_.try_emplace(town, 0);
        if (added) it->second = 1000 + 100 * rng_.between(0, 88);
        // Postcode letters, leaving out F, I, O, Q, S, U and Y.
        static constexpr const char* kLetters = "ABCDEGHJKLMNPRTVWXZ";
        std::string code = std::to_string(it->second + rng_.below(100)) + " ";
        code += kLetters[rng_.below(19)];
        code += kLetters[rng_.below(19)];
        return code + " " + town;
    }
    std::pair<std::string, std::string> freshName() {
        for (;;) {
            std::string first = rng_.pick(firstNames_);
            std::string last = rng_.pick(lastNames_);
            if (usedNames_.insert(first + "|" + last).second) return {first, last};
        }
    }
    std::vector<int> talkSet(int low, int high) {
        std::set<int> talks;
        int n = rng_.between(low, high);
        while (static_cast<int>(talks.size()) < n) talks.insert(rng_.between(1, kHighestDemoTalk));
        return {talks.begin(), talks.end()};
    }
    static std::string emailOf(const std::string& first, const std::string& last, int n) {
        std::string user;
        for (char c : first + "." + last)
            if (c != ' ') user += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        static constexpr const char* kDomains[] = {"example.org", "example.net", "example.com"};
        return user + "@" + kDomains[n % 3];
    }

    void addCircuits() {
        for (const char* name : kCircuitNames) {
            CircuitRecord r;
            r.name = name;
            r.id = doc_.circuits().freeId();
            doc_.circuits().records().push_back(r);
            circuitIds_.push_back(static_cast<std::int16_t>(r.id));
        }
        doc_.circuits().sort();
        doc_.circuits().save();
        summary_.circuits = static_cast<int>(doc_.circuits().count());
    }

    void addCongregations() {
        for (const auto& plan : kCongregations) {
            CongregationRecord r;
            r.name = plan.name;
            r.hallAddress1 = street();
            r.hallAddress2 = postcode(plan.town);
            r.phone1 = phone();
            if (rng_.percent(30)) r.phone2 = phone();
            r.meetingTimeOdd = plan.timeOdd;
            r.meetingTimeEven = plan.timeEven;
            r.meetingDayOdd = plan.day;
            r.meetingDayEven = plan.day;
            r.circuitId = circuitIds_[static_cast<std::size_t>(plan.circuit)];
            std::size_t index = doc_.congregations().addCongregation(r);
            congs_.push_back({doc_.congregations().entry(index).congId, {}});
        }
        doc_.congregations().sortCongregations();
        homeCongId_ = congs_.front().congId;
        summary_.congregations = static_cast<int>(doc_.congregations().count());
    }

    void addBrother(std::size_t congPos, std::uint8_t office, bool suspended, int roles,
                    std::vector<int> talks, int extraChance) {
        const auto& plan = kCongregations[congPos];
        auto [first, last] = freshName();
        BrotherRecord r;
        r.firstName = first;
        r.lastName = last;
        r.address1 = street();
        r.address2 = postcode(plan.town);
        r.phone = phone();
        for (int t : talks) setBit(r.talks, t - 1, true);
        r.flags =
            static_cast<std::uint8_t>(office | (suspended ? BrotherRecord::kSuspendedBit : 0));
        r.congId = congs_[congPos].congId;
        BrotherExtraRecord extra;
        if (rng_.percent(extraChance)) {
            extra.mobile = mobile();
            if (rng_.percent(60)) extra.email = emailOf(first, last, rng_.below(3));
            if (rng_.percent(25)) extra.remark = rng_.pick(remarks_);
        }
        doc_.brothers().addBrother(r, extra);
        Speaker s;
        s.id = doc_.brothers().entries().back().brotherId;
        s.congId = r.congId;
        s.talks = std::move(talks);
        s.suspended = suspended;
        s.roles = roles;
        speakers_[s.id] = s;
        congs_[congPos].speakers.push_back(s.id);
    }

    void addBrothers() {
        for (const auto& plan : kHomeBrothers) {
            bool goesOut = (plan.roles & kOut) != 0;
            addBrother(0, plan.office, false, plan.roles,
                       goesOut ? talkSet(5, 12) : std::vector<int>{}, 85);
        }
        summary_.homeBrothers = static_cast<int>(congs_[0].speakers.size());
        for (std::size_t c = 1; c < congs_.size(); ++c) {
            int n = rng_.between(5, 7);
            bool suspendLast = std::find(std::begin(kSuspendedIn), std::end(kSuspendedIn),
                                         static_cast<int>(c)) != std::end(kSuspendedIn);
            for (int k = 0; k < n; ++k) {
                // The first three are elders: they hold the congregation's appointments.
                std::uint8_t office = k < 3 || rng_.percent(70) ? 2 : 1;
                bool suspended = suspendLast && k == n - 1;
                addBrother(c, office, suspended, 0, talkSet(3, 12), 40);
                if (suspended) ++summary_.suspendedSpeakers;
            }
            summary_.visitingSpeakers += n;
        }
        doc_.brothers().sortBrothers();
    }

    void setCoordinators() {
        for (const auto& cong : congs_) {
            std::size_t found = doc_.congregations().findCongregation(cong.congId);
            if (found == 0) continue;
            CongregationRecord r;
            std::uint16_t slot = doc_.congregations().readCongregation(found - 1, r);
            if (slot == 0) continue;
            // At home the talk coordinator is the third elder; elsewhere the first brother.
            bool home = cong.congId == homeCongId_;
            r.elderCoordinatorId = cong.speakers[home ? 0 : 1];
            r.secretaryId = cong.speakers[home ? 1 : 2];
            r.talkCoordinatorId = cong.speakers[home ? 2 : 0];
            doc_.congregations().updateCongregation(found - 1, r);
            doc_.refreshCongregationEntry(found - 1, slot, r);
        }
    }

    void setHome() {
        doc_.writeHomeCongregation(homeCongId_);
        for (auto& local : doc_.localBrothers()) {
            auto it = speakers_.find(local.brotherId);
            if (it != speakers_.end()) local.roles = static_cast<std::int16_t>(it->second.roles);
        }
        doc_.saveLocalRoles();
        doc_.settings().planReaders = 1;
        doc_.settings().planHospitality = 1;
        doc_.writeSettings();
        for (const auto& [id, s] : speakers_) {
            if (s.congId != homeCongId_) continue;
            if (s.roles & kOut) outgoing_.push_back(id);
            if (s.roles & kChair) chairmen_.push_back(id);
            if (s.roles & kRead) readers_.push_back(id);
        }
    }

    void addHosts() {
        // Families of the home congregation; the last one has stepped back for a while and
        // is kept out of the rotation with the leading "~".
        std::vector<std::string> families;
        for (std::int16_t id : congs_[0].speakers) {
            std::string name =
                "Familie " +
                std::string(doc_.brothers().entry(doc_.brothers().findBrother(id)).lastName);
            if (std::find(families.begin(), families.end(), name) == families.end())
                families.push_back(name);
            if (families.size() == 8) break;
        }
        families.back() = "~" + families.back();
        for (const auto& name : families) {
            HostRecord r;
            r.name = name;
            r.id = doc_.hosts().freeId();
            doc_.hosts().records().push_back(r);
            if (name[0] != '~') hostRotation_.push_back(static_cast<std::int16_t>(r.id));
        }
        doc_.hosts().sort();
        doc_.hosts().save();
        summary_.hosts = static_cast<int>(doc_.hosts().count());
    }

    // ---- the schedule ------------------------------------------------------------------

    bool unavailable(std::int16_t id, int weekIndex) const {
        return unavailable_.count({id, weekIndex + 1}) != 0;
    }

    void chooseUnavailableWeeks() {
        // A holiday or two among the home brothers, and one visiting speaker who is away.
        std::vector<std::int16_t> who = {congs_[0].speakers[3], congs_[0].speakers[8],
                                         congs_[0].speakers[13], congs_[0].speakers[5]};
        who.push_back(congs_[4].speakers[1]);
        for (std::int16_t id : who) {
            int start = rng_.between(2, 18);
            int length = rng_.between(1, 3);
            for (int k = 0; k < length; ++k) unavailable_.insert({id, today_ + start + k + 1});
        }
    }

    void storeUnavailableWeeks() {
        for (const auto& [id, week] : unavailable_)
            doc_.unavailability().addUnavailable(id, week, today_);
        doc_.unavailability().save();
        summary_.unavailableWeeks = static_cast<int>(doc_.unavailability().count());
    }

    std::int16_t rotate(const std::vector<std::int16_t>& ids, std::size_t& next,
                        const std::set<std::int16_t>& busy, int weekIndex) {
        for (std::size_t k = 0; k < ids.size(); ++k) {
            std::int16_t id = ids[(next + k) % ids.size()];
            if (busy.count(id) || unavailable(id, weekIndex)) continue;
            next = (next + k + 1) % ids.size();
            return id;
        }
        return 0;
    }

    // A talk from his set, preferring one not heard at home for the longest time.
    int talkFor(const Speaker& s, int weekIndex) {
        std::vector<int> fresh;
        for (int t : s.talks) {
            auto it = lastTalkAtHome_.find(t);
            if (it == lastTalkAtHome_.end() || weekIndex - it->second > 52) fresh.push_back(t);
        }
        if (!fresh.empty()) return rng_.pick(fresh);
        return *std::min_element(s.talks.begin(), s.talks.end(), [&](int a, int b) {
            return lastTalkAtHome_[a] < lastTalkAtHome_[b];
        });
    }

    // A visiting speaker from a congregation not heard lately; none when every candidate
    // is taken.
    const Speaker* visitingSpeaker(int weekIndex) {
        std::vector<std::int16_t> congs;
        for (std::size_t c = 1; c < congs_.size(); ++c) {
            auto it = lastCongVisit_.find(congs_[c].congId);
            if (it == lastCongVisit_.end() || weekIndex - it->second >= 12)
                congs.push_back(static_cast<std::int16_t>(c));
        }
        rng_.shuffle(congs);
        for (std::int16_t c : congs) {
            std::vector<std::int16_t> ready;
            for (std::int16_t id : congs_[static_cast<std::size_t>(c)].speakers) {
                const Speaker& s = speakers_[id];
                auto last = lastLocalTalk_.find(id);
                if (s.suspended || unavailable(id, weekIndex)) continue;
                if (last != lastLocalTalk_.end() && weekIndex - last->second < 40) continue;
                ready.push_back(id);
            }
            if (!ready.empty()) return &speakers_[rng_.pick(ready)];
        }
        return nullptr;
    }

    const Speaker* homeSpeaker(int weekIndex, const std::set<std::int16_t>& busy) {
        std::vector<std::int16_t> ready;
        for (std::int16_t id : outgoing_) {
            auto last = lastLocalTalk_.find(id);
            if (busy.count(id) || unavailable(id, weekIndex)) continue;
            if (last != lastLocalTalk_.end() && weekIndex - last->second < 20) continue;
            ready.push_back(id);
        }
        return ready.empty() ? nullptr : &speakers_[rng_.pick(ready)];
    }

    void planLocalTalk(WeekRecord& w, int weekIndex, int rel, std::set<std::int16_t>& busy) {
        const Speaker* s = nullptr;
        if (rel < 0 && rng_.percent(12)) s = homeSpeaker(weekIndex, busy);
        if (s == nullptr) s = visitingSpeaker(weekIndex);
        if (s == nullptr) return;
        w.speakerId = s->id;
        w.speakerCongId = s->congId;
        w.talkNo = static_cast<std::uint16_t>(talkFor(*s, weekIndex));
        busy.insert(s->id);
        lastLocalTalk_[s->id] = weekIndex;
        lastCongVisit_[s->congId] = weekIndex;
        lastTalkAtHome_[w.talkNo] = weekIndex;

        // Stamps are the week numbers in which the coordinator ticked them; none lies
        // after the current week.
        const int number = weekIndex + 1;
        auto upToToday = [&](int week) {
            return static_cast<std::int16_t>(std::min(week, today_));
        };
        if (rel < 0) {
            w.askedStamp = static_cast<std::int16_t>(number - rng_.between(6, 10));
            w.confirmedStamp = static_cast<std::int16_t>(w.askedStamp + rng_.between(1, 2));
            if (rng_.percent(90)) w.remindedStamp = static_cast<std::int16_t>(number - 1);
        } else if (rel < 6) {
            w.askedStamp = upToToday(number - rng_.between(6, 10));
            w.confirmedStamp = upToToday(w.askedStamp + rng_.between(0, 2));
            if (rel <= 1) w.remindedStamp = static_cast<std::int16_t>(today_);
        } else if (rel < 13) {
            w.askedStamp = upToToday(today_ - rng_.between(0, 3));
            if (rng_.percent(50)) w.confirmedStamp = upToToday(w.askedStamp + rng_.between(0, 2));
        } else if (rng_.percent(60)) {
            w.askedStamp = upToToday(today_ - rng_.between(0, 2));
        }
    }

    // A talk from the outgoing speaker's set that he has not given for the longest time.
    int outgoingTalkFor(const Speaker& s, int weekIndex) {
        std::vector<int> fresh;
        int oldest = s.talks.front();
        int oldestWeek = weekIndex;
        for (int t : s.talks) {
            auto it = lastOutTalk_.find({s.id, t});
            int last = it == lastOutTalk_.end() ? -1 : it->second;
            if (last < 0 || weekIndex - last > 26) fresh.push_back(t);
            if (last < oldestWeek) {
                oldest = t;
                oldestWeek = last;
            }
        }
        return fresh.empty() ? oldest : rng_.pick(fresh);
    }

    // Up to count local speakers to other congregations: each travels at most every third
    // week, a congregation hears one of them at most every fifth week, and a speaker does
    // not return to the same congregation within half a year.
    void planOutgoing(WeekRecord& w, int weekIndex, int count, std::set<std::int16_t>& busy) {
        std::set<std::int16_t> visited;
        int slot = 0;
        for (int n = 0; n < count && slot < WeekRecord::kOutSlots; ++n) {
            std::vector<std::int16_t> ready;
            for (std::int16_t id : outgoing_) {
                auto last = lastOutgoing_.find(id);
                if (busy.count(id) || unavailable(id, weekIndex)) continue;
                if (last != lastOutgoing_.end() && weekIndex - last->second < 3) continue;
                ready.push_back(id);
            }
            if (ready.empty()) break;
            const Speaker& s = speakers_[rng_.pick(ready)];
            std::vector<std::int16_t> congs;
            for (std::size_t c = 1; c < congs_.size(); ++c) {
                std::int16_t congId = congs_[c].congId;
                auto last = lastOutVisit_.find(congId);
                auto again = lastPairVisit_.find({s.id, congId});
                if (visited.count(congId)) continue;
                if (last != lastOutVisit_.end() && weekIndex - last->second < 5) continue;
                if (again != lastPairVisit_.end() && weekIndex - again->second < 26) continue;
                congs.push_back(congId);
            }
            if (congs.empty()) break;
            std::int16_t congId = rng_.pick(congs);
            int talk = outgoingTalkFor(s, weekIndex);
            const auto k = static_cast<std::size_t>(slot++);
            w.outSpeakerId[k] = s.id;
            w.outCongId[k] = congId;
            w.outTalkNo[k] = static_cast<std::uint16_t>(talk);
            busy.insert(s.id);
            visited.insert(congId);
            lastOutgoing_[s.id] = weekIndex;
            lastOutVisit_[congId] = weekIndex;
            lastPairVisit_[{s.id, congId}] = weekIndex;
            lastOutTalk_[{s.id, talk}] = weekIndex;
        }
        summary_.outgoingTalks += slot;
    }

    void planAssistants(WeekRecord& w, int weekIndex, bool reader, std::set<std::int16_t>& busy) {
        w.chairmanId = rotate(chairmen_, nextChairman_, busy, weekIndex);
        busy.insert(w.chairmanId);
        if (reader) {
            w.readerId = rotate(readers_, nextReader_, busy, weekIndex);
            busy.insert(w.readerId);
        }
        w.hostId = hostRotation_[nextHost_++ % hostRotation_.size()];
    }

    void planWeeks() {
        // A year back and half a year ahead; weeks are indexes (week number = index + 1)
        // and index todayWeek is the first week the schedule pages show.
        const int assemblyRel = 7;
        const int visitRel = 14;
        const std::set<int> openRels = {17, 21, 23, 24, 25};
        for (int rel = -52; rel <= 25; ++rel) {
            const int weekIndex = today_ + rel;
            WeekRecord w = doc_.getWeek(weekIndex);
            std::set<std::int16_t> busy;
            if (rel == assemblyRel) {
                // The whole congregation attends: nothing else is planned.
            } else if (rel == visitRel) {
                // The circuit overseer gives the talk; chairman and hospitality stay.
                planAssistants(w, weekIndex, false, busy);
            } else if (openRels.count(rel)) {
                ++summary_.openWeeks;
            } else {
                planLocalTalk(w, weekIndex, rel, busy);
                // Assistants are planned a quarter ahead; outgoing talks a few months.
                if (rel < 13) planAssistants(w, weekIndex, true, busy);
                int out = rel < 0    ? rng_.between(1, 2) + (rng_.percent(15) ? 1 : 0)
                          : rel < 10 ? rng_.between(1, 2)
                          : rel < 17 ? rng_.below(2)
                                     : 0;
                planOutgoing(w, weekIndex, out, busy);
            }
            doc_.commitWeek(w, weekIndex);
        }
        storeEvents(today_ + assemblyRel, today_ + visitRel);
        doc_.saveWeeks();
        for (int rel = -52; rel <= 25; ++rel) {
            if (!(doc_.getWeek(today_ + rel).flags & WeekRecord::kInUse)) continue;
            ++(rel < 0 ? summary_.pastWeeks : summary_.futureWeeks);
        }
    }

    void storeEvents(int assemblyIndex, int visitIndex) {
        SpecialEventRecord assembly;
        assembly.weekIndex = static_cast<std::uint16_t>(assemblyIndex);
        assembly.eventFlags = WeekRecord::kAssembly;
        assembly.who = "Kringvergadering";
        assembly.talkTitle = "Blijf standvastig en wees vol vreugde";
        doc_.specials().storeSpecial(assembly, doc_.weeks());

        SpecialEventRecord visit;
        visit.weekIndex = static_cast<std::uint16_t>(visitIndex);
        visit.eventFlags =
            WeekRecord::kCircuitVisit | WeekRecord::kAllowChairman | WeekRecord::kAllowHospitality;
        visit.who = "KO Bezoek - br. W. Hoekstra";
        visit.talkTitle = "Houd je blik gericht op wat blijvend is";
        doc_.specials().storeSpecial(visit, doc_.weeks());
        doc_.specials().save();
        summary_.events = static_cast<int>(doc_.specials().count());
    }

    void writeWishList() {
        // Talks the congregation has not heard in the plan, preferring those that some
        // active speaker can give, so the picker has something to offer.
        std::set<int> offered;
        for (const auto& [id, s] : speakers_)
            if (!s.suspended && s.congId != homeCongId_)
                offered.insert(s.talks.begin(), s.talks.end());
        std::vector<int> candidates;
        for (int t : offered)
            if (!lastTalkAtHome_.count(t)) candidates.push_back(t);
        for (int t = 1; t <= kHighestDemoTalk && candidates.size() < 10; ++t)
            if (!lastTalkAtHome_.count(t) && !offered.count(t)) candidates.push_back(t);
        rng_.shuffle(candidates);
        candidates.resize(std::min<std::size_t>(candidates.size(), 10));
        WishList list;
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            int bit = candidates[k] - 1;
            setBit(list.wanted, bit, true);
            if (k < 3)
                setBit(list.high, bit, true);
            else if (k < 6)
                setBit(list.low, bit, true);
        }
        doc_.wishList().setWishList(list);
        doc_.wishList().save();
        summary_.wishedTalks = countBits(list.wanted);
    }

    CAmbDoc& doc_;
    const int today_;
    DemoRandom rng_;
    DemoSummary summary_;

    const std::vector<const char*> firstNames_{std::begin(kFirstNames), std::end(kFirstNames)};
    const std::vector<const char*> lastNames_{std::begin(kLastNames), std::end(kLastNames)};
    const std::vector<const char*> streets_{std::begin(kStreets), std::end(kStreets)};
    const std::vector<const char*> remarks_{std::begin(kRemarks), std::end(kRemarks)};
    std::set<std::string> usedNames_;
    std::map<std::string, int> townCodes_;

    std::vector<std::int16_t> circuitIds_;
    std::vector<Congregation> congs_;  // in kCongregations order
    std::int16_t homeCongId_ = 0;
    std::map<std::int16_t, Speaker> speakers_;
    std::vector<std::int16_t> outgoing_, chairmen_, readers_, hostRotation_;
    std::size_t nextChairman_ = 0, nextReader_ = 0, nextHost_ = 0;

    std::set<std::pair<std::int16_t, int>> unavailable_;  // brother id, week number
    std::map<std::int16_t, int> lastLocalTalk_;           // brother id -> week index
    std::map<std::int16_t, int> lastCongVisit_;           // congregation id -> week index
    std::map<int, int> lastTalkAtHome_;                   // talk number -> week index
    std::map<std::int16_t, int> lastOutgoing_;            // brother id -> week index
    std::map<std::int16_t, int> lastOutVisit_;            // congregation id -> week index
    std::map<std::pair<std::int16_t, std::int16_t>, int> lastPairVisit_;  // brother, cong
    std::map<std::pair<std::int16_t, int>, int> lastOutTalk_;  // brother, talk -> week index
};

}  // namespace detail

// True when the directory holds anything that looks like a data set: a ".dat" file or
// the settings file. error says which.
inline bool holdsDataFiles(const std::filesystem::path& dir, std::string& error) {
    std::error_code ec;
    const std::string settings = files::settings();
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        bool dat = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".dat") == 0;
        if (dat || lower == settings) {
            error = dir.string() + " already holds data files (" + name + "); nothing was written";
            return true;
        }
    }
    if (ec) {
        error = "cannot read " + dir.string() + ": " + ec.message();
        return true;
    }
    return false;
}

// Writes the demo data set into dir (created when missing) for the given date. Refuses a
// directory that already holds data, so nobody's own data is ever overwritten.
inline bool writeDemoData(const std::filesystem::path& dir, const LocalDateTime& today,
                          std::string& error, DemoSummary* summary = nullptr) {
    if (!isSupportedDemoDate(today)) {
        error = "the date must be a valid day of the years 2010 to 2036";
        return false;
    }
    std::error_code ec;
    if (std::filesystem::exists(dir, ec)) {
        if (!std::filesystem::is_directory(dir, ec)) {
            error = dir.string() + " is not a directory";
            return false;
        }
        if (holdsDataFiles(dir, error)) return false;
    } else if (!std::filesystem::create_directories(dir, ec) || ec) {
        error = "cannot create " + dir.string() + (ec ? ": " + ec.message() : std::string());
        return false;
    }

    detail::DemoClock clock(today);
    detail::CollectingMessages messages;
    CAmbDoc doc(clock, messages);
    if (!doc.startUp(dir) || !messages.texts.empty()) {
        error = messages.texts.empty() ? "cannot start on " + dir.string() : messages.texts.front();
        return false;
    }
    DemoSummary made;
    detail::DemoBuilder(doc).build(made);
    if (!messages.texts.empty()) {
        error = messages.texts.front();
        return false;
    }
    if (summary) *summary = made;
    return true;
}

}  // namespace ambon::demo
