// The data directory check: a read-only start-up followed by a walk over the tables and
// the raw files, looking for what a normal start silently papers over.
#include "store/data_check.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "calendar/text_services.h"
#include "store/amb_doc.h"

namespace ambon {

namespace {

// The store reports through message boxes; a command-line run has no user to press OK,
// so each box becomes a line on the error stream and takes its default answer.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    MsgResult show(const std::string& text, const std::string&, MsgButtons, MsgIcon,
                   MsgResult defaultButton) override {
        err_ << "ambon --check: " << text << '\n';
        return defaultButton;
    }

private:
    std::ostream& err_;
};

std::string errorText(int error) {
    return std::generic_category().message(error);
}

class Checker {
public:
    Checker(const CAmbDoc& doc, std::vector<std::string>& lines)
        : doc_(doc), dir_(doc.dataDir()), lines_(lines) {}

    void run();

private:
    // The file's bytes when it can be read, after reporting a file that is there but
    // cannot be read (the loaders took it for missing).
    std::optional<Bytes> read(const std::string& name);
    void checkSize(const std::string& name, const std::optional<Bytes>& bytes,
                   std::size_t recordSize);
    void checkHeader(const std::string& name, const std::optional<Bytes>& bytes);
    void checkSlotIds(const std::string& name, const char* what,
                      const std::vector<std::pair<std::uint16_t, std::int16_t>>& slotIds);
    void checkUniqueIds(const std::string& name, const char* what,
                        const std::vector<std::uint16_t>& ids);

    void checkBrothers();
    void checkExtra();
    void checkCongregations();
    void checkNamedIds(const std::string& name, const NamedIdTable& table, const char* what);
    void checkTalks();
    void checkTopics();
    void checkWeeks();
    void checkBlackout();
    void checkSpecials();
    void checkWishList();
    void checkSettings();

    // Names come from the files and may hold line breaks or other control bytes; each
    // finding must stay on its one line.
    static std::string oneLine(std::string text) {
        for (char& c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
        return text;
    }
    void anomaly(const std::string& file, const std::string& text) {
        lines_.push_back("anomaly: " + file + ": " + oneLine(text));
    }
    void note(const std::string& file, const std::string& text) {
        lines_.push_back("note: " + file + ": " + oneLine(text));
    }

    bool brotherExists(std::int16_t id) const {
        return doc_.brothers().findBrother(id) != kNoBrother;
    }
    bool congregationExists(std::int16_t id) const {
        return doc_.congregations().findCongregation(id) != 0;
    }
    std::string brotherText(std::size_t index) const;
    std::string congregationText(std::size_t index) const;

    const CAmbDoc& doc_;
    const DataDir& dir_;
    std::vector<std::string>& lines_;
    std::optional<Bytes> extraBytes_;
};

std::string Checker::brotherText(std::size_t index) const {
    const BrotherEntry& e = doc_.brothers().entry(index);
    std::string name = trimmed(doc_.brothers().brotherName(index, false));
    std::string text = "brother " + std::to_string(e.brotherId);
    if (!name.empty()) text += " (" + name + ")";
    return text;
}

std::string Checker::congregationText(std::size_t index) const {
    const CongregationEntry& e = doc_.congregations().entry(index);
    std::string text = "congregation " + std::to_string(e.congId);
    if (!e.name.empty()) text += " (" + e.name + ")";
    return text;
}

std::optional<Bytes> Checker::read(const std::string& name) {
    std::error_code ec;
    auto status = std::filesystem::status(dir_.file(name), ec);
    if (!std::filesystem::exists(status)) return std::nullopt;
    if (!std::filesystem::is_regular_file(status)) {
        anomaly(name, "is not a regular file; it was taken as missing");
        return std::nullopt;
    }
    int fd = ::open(dir_.file(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        anomaly(name, "cannot be read (" + errorText(errno) + "); it was taken as missing");
        return std::nullopt;
    }
    ::close(fd);
    return dir_.readAll(name);
}

void Checker::checkSize(const std::string& name, const std::optional<Bytes>& bytes,
                        std::size_t recordSize) {
    if (!bytes || bytes->size() % recordSize == 0) return;
    anomaly(name, "size " + std::to_string(bytes->size()) + " is not a multiple of " +
                      std::to_string(recordSize) + " bytes; the last record was zero-filled");
}

void Checker::checkHeader(const std::string& name, const std::optional<Bytes>& bytes) {
    if (!bytes) return;
    std::size_t n = std::min<std::size_t>(bytes->size(), 256);
    if (std::any_of(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(n),
                    [](std::uint8_t b) { return b != 0; }))
        anomaly(name, "header block 0 is not all zeros");
}

void Checker::checkSlotIds(const std::string& name, const char* what,
                           const std::vector<std::pair<std::uint16_t, std::int16_t>>& slotIds) {
    // The id of a record is its block number; a record that says otherwise gets a
    // namesake the next time its block number is handed out.
    std::map<std::int16_t, std::vector<std::uint16_t>> blocksOfId;
    for (auto [slot, id] : slotIds) {
        blocksOfId[id].push_back(slot);
        if (id != static_cast<std::int16_t>(slot))
            anomaly(name, "block " + std::to_string(slot) + " holds " + what + " " +
                              std::to_string(id) + "; the id should be the block number");
    }
    for (auto& [id, blocks] : blocksOfId) {
        if (blocks.size() < 2) continue;
        std::string list;
        for (auto b : blocks) list += (list.empty() ? "" : ", ") + std::to_string(b);
        anomaly(name, std::string(what) + " " + std::to_string(id) + " is held by blocks " + list);
    }
}

void Checker::checkUniqueIds(const std::string& name, const char* what,
                             const std::vector<std::uint16_t>& ids) {
    std::map<std::uint16_t, int> seen;
    for (auto id : ids) ++seen[id];
    for (auto [id, n] : seen)
        if (n > 1)
            anomaly(name, std::string(what) + " number " + std::to_string(id) + " is used by " +
                              std::to_string(n) + " records");
}

void Checker::checkBrothers() {
    const std::string name = files::speakers();
    auto bytes = read(name);
    checkSize(name, bytes, BrotherRecord::kSize);
    checkHeader(name, bytes);
    const Brothers& brothers = doc_.brothers();
    std::vector<std::pair<std::uint16_t, std::int16_t>> slotIds;
    for (const auto& e : brothers.entries()) slotIds.emplace_back(e.slot, e.brotherId);
    std::sort(slotIds.begin(), slotIds.end());
    checkSlotIds(name, "brother", slotIds);

    const std::size_t extraRecords =
        extraBytes_
            ? (extraBytes_->size() + BrotherExtraRecord::kSize - 1) / BrotherExtraRecord::kSize
            : 0;
    for (std::size_t i = 0; i < brothers.count(); ++i) {
        const BrotherEntry& e = brothers.entry(i);
        if (e.congId != 0 && !congregationExists(e.congId))
            anomaly(name, brotherText(i) + " belongs to congregation " + std::to_string(e.congId) +
                              ", which does not exist");
        if (e.extraNo == 0) continue;
        if (e.extraNo > extraRecords) {
            anomaly(name, brotherText(i) + " has extra record " + std::to_string(e.extraNo) +
                              ", beyond the end of " + files::extra());
            continue;
        }
        std::size_t offset = std::size_t{e.extraNo - 1u} * BrotherExtraRecord::kSize;
        auto owner = BrotherExtraRecord::decode(std::span(extraBytes_->data() + offset,
                                                          std::min(BrotherExtraRecord::kSize,
                                                                   extraBytes_->size() - offset)))
                         .brotherId;
        if (owner == e.brotherId) continue;
        anomaly(name, brotherText(i) + " has extra record " + std::to_string(e.extraNo) +
                          (owner == 0 ? ", which is free"
                                      : ", which belongs to brother " + std::to_string(owner)));
    }
}

void Checker::checkExtra() {
    const std::string name = files::extra();
    checkSize(name, extraBytes_, BrotherExtraRecord::kSize);
    if (extraBytes_ || !dir_.exists(files::oldExtra())) return;
    std::uint64_t old = dir_.fileSize(files::oldExtra()) / LegacyExtraRecord::kSize;
    if (old > 0)
        note(name, "missing; a normal start converts the " + std::to_string(old) + " records of " +
                       files::oldExtra() + " into it");
}

void Checker::checkCongregations() {
    const std::string name = files::congs();
    auto bytes = read(name);
    checkSize(name, bytes, CongregationRecord::kSize);
    checkHeader(name, bytes);
    const Congregations& congs = doc_.congregations();
    std::vector<std::pair<std::uint16_t, std::int16_t>> slotIds;
    for (const auto& e : congs.entries()) slotIds.emplace_back(e.slot, e.congId);
    std::sort(slotIds.begin(), slotIds.end());
    checkSlotIds(name, "congregation", slotIds);

    for (std::size_t i = 0; i < congs.count(); ++i) {
        const CongregationEntry& e = congs.entry(i);
        if (e.circuitId != 0 && doc_.circuits().find(static_cast<std::uint16_t>(e.circuitId)) == 0)
            anomaly(name, congregationText(i) + " belongs to circuit " +
                              std::to_string(e.circuitId) + ", which does not exist");
        struct Role {
            const char* what;
            std::int16_t id;
        };
        for (Role r :
             {Role{"coordinator of the body of elders", e.elderCoordinatorId},
              Role{"talk coordinator", e.talkCoordinatorId}, Role{"secretary", e.secretaryId}}) {
            if (r.id != 0 && !brotherExists(r.id))
                anomaly(name, congregationText(i) + " names brother " + std::to_string(r.id) +
                                  " as " + r.what + ", who does not exist");
        }
    }
}

void Checker::checkNamedIds(const std::string& name, const NamedIdTable& table, const char* what) {
    auto bytes = read(name);
    checkSize(name, bytes, NamedIdRecord::kSize);
    std::vector<std::uint16_t> ids;
    for (const auto& r : table.records()) ids.push_back(r.id);
    checkUniqueIds(name, what, ids);
}

void Checker::checkTalks() {
    const std::string name = files::talks();
    auto bytes = read(name);
    checkSize(name, bytes, TalkRecord::kSize);
    if (bytes) {
        std::size_t records = (bytes->size() + TalkRecord::kSize - 1) / TalkRecord::kSize;
        if (records > kTalkCount)
            anomaly(name, "holds " + std::to_string(records) + " records; those after " +
                              std::to_string(kTalkCount) + " are not read");
    }
    for (std::size_t i = 0; i < doc_.talks().records().size(); ++i) {
        const TalkRecord& t = doc_.talks().talk(i);
        for (auto topicNo : t.topicNos)
            if (topicNo != 0 && doc_.topics().findTopicNo(topicNo) == 0)
                anomaly(name, "talk " + std::to_string(i + 1) + " names topic " +
                                  std::to_string(topicNo) + ", which does not exist");
    }
}

void Checker::checkTopics() {
    const std::string name = files::topics();
    auto bytes = read(name);
    checkSize(name, bytes, TopicRecord::kSize);
    std::vector<std::uint16_t> ids;
    for (const auto& r : doc_.topics().records()) ids.push_back(r.topicNo);
    checkUniqueIds(name, "topic", ids);
}

void Checker::checkWeeks() {
    const std::string name = files::history();
    auto bytes = read(name);
    checkSize(name, bytes, WeekRecord::kSize);
    const Weeks& weeks = doc_.weeks();
    if (int skipped = weeks.skippedOnLoad(); skipped > 0)
        anomaly(name, std::to_string(skipped) +
                          (skipped == 1 ? " record was skipped: its week lies"
                                        : " records were skipped: their weeks lie") +
                          " outside the window (weeks " + std::to_string(doc_.firstWeek() + 1) +
                          " to " + std::to_string(doc_.firstWeek() + kWeekWindow) +
                          ") or after a later week");
    for (int i = 0; i < kWeekWindow; ++i) {
        const WeekRecord& w = weeks.slot(i);
        if ((w.flags & WeekRecord::kInUse) == 0) continue;
        // The date text takes a walk through the calendar; only a finding needs it.
        std::string whereText;
        auto where = [&]() -> const std::string& {
            if (whereText.empty())
                whereText = "week " + std::to_string(w.week) + " (" +
                            doc_.dateText(w.week, kDateWithYear) + "): ";
            return whereText;
        };
        auto brother = [&](const std::string& role, std::int16_t id) {
            if (id != 0 && !brotherExists(id))
                anomaly(name, where() + role + " " + std::to_string(id) + " does not exist");
        };
        auto congregation = [&](const std::string& role, std::int16_t id) {
            if (id != 0 && !congregationExists(id))
                anomaly(name, where() + role + " " + std::to_string(id) + " does not exist");
        };
        auto talk = [&](const std::string& role, std::uint16_t talkNo) {
            if (talkNo > kTalkCount)
                anomaly(name, where() + role + " " + std::to_string(talkNo) + " is above " +
                                  std::to_string(kTalkCount));
        };
        brother("speaker", w.speakerId);
        talk("talk", w.talkNo);
        congregation("speaker's congregation", w.speakerCongId);
        brother("chairman", w.chairmanId);
        brother("reader", w.readerId);
        if (w.hostId != 0 && doc_.hosts().find(static_cast<std::uint16_t>(w.hostId)) == 0)
            anomaly(name, where() + "host " + std::to_string(w.hostId) + " does not exist");
        for (int k = 0; k < WeekRecord::kOutSlots; ++k) {
            const std::string slot = "outgoing slot " + std::to_string(k + 1) + ": ";
            auto s = static_cast<std::size_t>(k);
            brother(slot + "speaker", w.outSpeakerId[s]);
            congregation(slot + "congregation", w.outCongId[s]);
            talk(slot + "talk", w.outTalkNo[s]);
        }
    }
}

void Checker::checkBlackout() {
    const std::string name = files::blackout();
    auto bytes = read(name);
    checkSize(name, bytes, UnavailableRecord::kSize);
    if (bytes) {
        int past = 0;
        for (std::size_t offset = 0; offset < bytes->size(); offset += UnavailableRecord::kSize) {
            auto r = UnavailableRecord::decode(
                std::span(bytes->data() + offset,
                          std::min(UnavailableRecord::kSize, bytes->size() - offset)));
            if (r.brotherId != 0 && r.week < doc_.todayWeek()) ++past;
        }
        if (past > 0)
            note(name, std::to_string(past) +
                           (past == 1 ? " entry before this week (week "
                                      : " entries before this week (week ") +
                           std::to_string(doc_.todayWeek()) + ") " + (past == 1 ? "was" : "were") +
                           " dropped on loading; the next rewrite leaves them out");
    }
    std::map<std::int16_t, int> unknown;
    for (const auto& r : doc_.unavailability().entries())
        if (!brotherExists(r.brotherId)) ++unknown[r.brotherId];
    for (auto [id, n] : unknown)
        anomaly(name, std::to_string(n) + (n == 1 ? " entry names" : " entries name") +
                          " brother " + std::to_string(id) + ", who does not exist");
}

void Checker::checkSpecials() {
    const std::string name = files::specials();
    auto bytes = read(name);
    checkSize(name, bytes, SpecialEventRecord::kSize);
    const auto& events = doc_.specials().events();
    std::map<std::uint16_t, int> perWeek;
    for (std::size_t i = 0; i < events.size(); ++i) {
        ++perWeek[events[i].weekIndex];
        if (i > 0 && events[i].weekIndex < events[i - 1].weekIndex)
            anomaly(name, "event " + std::to_string(i + 1) + " (week " +
                              std::to_string(events[i].weekIndex + 1) +
                              ") comes after a later week");
    }
    for (auto [weekIndex, n] : perWeek)
        if (n > 1)
            anomaly(name, "week " + std::to_string(weekIndex + 1) + " has " + std::to_string(n) +
                              " events");
}

void Checker::checkWishList() {
    const std::string name = files::wishlist();
    auto bytes = read(name);
    if (!bytes) return;
    if (bytes->size() < WishList::kSize)
        anomaly(name, "size " + std::to_string(bytes->size()) + " is shorter than " +
                          std::to_string(WishList::kSize) + " bytes; the rest was zero-filled");
    else if (bytes->size() > WishList::kSize)
        anomaly(name, "size " + std::to_string(bytes->size()) + " is longer than " +
                          std::to_string(WishList::kSize) + " bytes; the rest is not read");
}

void Checker::checkSettings() {
    const int home = doc_.homeCongId();
    if (home != 0 && !congregationExists(static_cast<std::int16_t>(home)))
        anomaly(files::settings(),
                "the home congregation " + std::to_string(home) + " does not exist");
}

void Checker::run() {
    extraBytes_ = read(files::extra());
    checkBrothers();
    checkExtra();
    checkCongregations();
    checkNamedIds(files::circuits(), doc_.circuits(), "circuit");
    checkNamedIds(files::hosts(), doc_.hosts(), "host");
    checkTalks();
    checkTopics();
    checkWeeks();
    checkBlackout();
    checkSpecials();
    checkWishList();
    checkSettings();
}

// Records of "xtend.dat" that belong to a brother.
std::size_t ownedExtraRecords(const DataDir& dir) {
    auto bytes = dir.readAll(files::extra());
    if (!bytes) return 0;
    std::size_t n = 0;
    for (std::size_t offset = 0; offset < bytes->size(); offset += BrotherExtraRecord::kSize) {
        // A last record cut after its first byte still has the low byte of its owner.
        bool owned =
            (*bytes)[offset] != 0 || (offset + 1 < bytes->size() && (*bytes)[offset + 1] != 0);
        if (owned) ++n;
    }
    return n;
}

}  // namespace

int runDataCheck(const std::filesystem::path& dir, const Clock& clock, std::ostream& out,
                 std::ostream& err) {
    auto fail = [&](const std::string& reason) {
        err << "ambon --check: cannot read the data directory " << dir.string() << ": " << reason
            << '\n';
        return 1;
    };
    std::error_code ec;
    auto status = std::filesystem::status(dir, ec);
    if (!std::filesystem::exists(status)) return fail(ec ? ec.message() : errorText(ENOENT));
    if (!std::filesystem::is_directory(status)) return fail(errorText(ENOTDIR));
    std::filesystem::directory_iterator listing(dir, ec);
    if (ec) return fail(ec.message());

    StreamMessages messages(err);
    CAmbDoc doc(clock, messages);
    StartOptions options;
    options.readOnly = true;
    doc.startUp(dir, options);

    const std::pair<std::string, std::size_t> counts[] = {
        {files::speakers(), doc.brothers().count()},
        {files::extra(), ownedExtraRecords(doc.dataDir())},
        {files::congs(), doc.congregations().count()},
        {files::circuits(), doc.circuits().count()},
        {files::hosts(), doc.hosts().count()},
        {files::talks(), doc.talks().records().size()},
        {files::topics(), doc.topics().count()},
        {files::history(), static_cast<std::size_t>(doc.weeks().weeksInUse())},
        {files::blackout(), doc.unavailability().count()},
        {files::specials(), doc.specials().count()},
        {files::wishlist(), static_cast<std::size_t>(countBits(doc.wishList().wishList().wanted))},
    };
    for (const auto& [name, count] : counts) out << name << '\t' << count << '\n';

    std::vector<std::string> findings;
    Checker(doc, findings).run();
    for (const auto& line : findings) out << line << '\n';
    out.flush();
    return 0;
}

}  // namespace ambon
