// Start-up, reload and the operations of the document that span several tables.
#include "store/amb_doc.h"

#include <algorithm>
#include <new>

#include "calendar/week_calendar.h"
#include "resources/string_table.h"
#include "store/cp1252.h"

namespace ambon {

namespace {

struct LanguageBehaviour {
    const char* code;
    const char* locale;  // nullptr: the C locale stays
};

// Languages that apply a locale; every other code (Dutch included) keeps the C locale.
constexpr LanguageBehaviour kLanguages[] = {
    {"esp", "esp"},   {"rus", "rus"}, {"polish", "polish"},   {"hrvatski", "croatian"},
    {"cze", "czech"}, {"rom", "rom"}, {"turkish", "turkish"}, {"greek", "greek"},
};

// Older Haitian file names, in Windows-1252 as the old program wrote them.
struct HaitianName {
    int standardId;
    const char* older;
};
constexpr HaitianName kHaitianNames[] = {
    {1244, "Orat\xE8.dat"}, {1296, "Kong.dat"},     {1186, "Sikonskripsyon.dat"},
    {1190, "Ospital.dat"},  {1188, "Sij\xE8.dat"},  {1189, "Istwa.dat"},
    {1185, "Nou vle.dat"},  {1116, "espesyal.dat"},
};

}  // namespace

CAmbDoc::CAmbDoc(const Clock& clock, Messages& messages)
    : clock_(clock),
      messages_(messages),
      io_(dataDir_, messages),
      settingsFile_(dataDir_),
      brothers_(io_, nameOrder_),
      congregations_(io_, nameOrder_),
      circuits_(io_, nameOrder_, &files::circuits),
      hosts_(io_, nameOrder_, &files::hosts),
      talks_(io_),
      topics_(io_, nameOrder_),
      weeks_(io_),
      unavailability_(io_),
      specials_(io_),
      wishList_(io_) {}

bool CAmbDoc::startUp(const std::filesystem::path& dataDir, const StartOptions& options) {
    dataChanged_ = false;
    LocalDateTime now = clock_.now();
    firstWeek_ = 0;
    if (now.year >= 2010) firstWeek_ = static_cast<std::int16_t>((now.year - 1900) * 52 - 5668);
    currentYY_ = now.year - 2000;
    dataDir_ = DataDir(dataDir, options.readOnly);
    languageCode_ = options.languageCode ? *options.languageCode : std::string(stringText(1198));
    readSettings();
    nameOrderFlag_ = languageCode_ == "ptg";
    todayWeek_ = weekOfDate(todayCode(clock_));
    sheetWeek_ = todayWeek_;
    applyLanguage();
    if (!allocateTables()) return true;
    loadAll(true);
    return true;
}

void CAmbDoc::applyLanguage() {
    localeName_.clear();
    for (const auto& l : kLanguages)
        if (languageCode_ == l.code) localeName_ = l.locale;
    // With a locale the name order folds the accented letters of the code page too.
    nameOrder_.setLatinFold(!localeName_.empty());
    brothers_.setFirstNameOrder(nameOrderFlag_);
}

bool CAmbDoc::allocateTables() {
    // The tables grow as needed, so nothing here limits them; what is sized up front is
    // the week window, and a failure to get memory for it is reported as always.
    try {
        weeks_.setFirstWeek(firstWeek_);
        weeks_.allocate();
        localBrothers_.reserve(100);
        return true;
    } catch (const std::bad_alloc&) {
        messages_.ok("Couldn't allocate memory", MsgIcon::Error);
        return false;
    }
}

void CAmbDoc::freeTables() {
    brothers_.clear();
    congregations_.clear();
    circuits_.clear();
    hosts_.clear();
    topics_.clear();
    unavailability_.clear();
    specials_.clear();
    localBrothers_.clear();
}

bool CAmbDoc::reloadAll() {
    freeTables();
    if (!allocateTables()) return false;
    loadAll(false);
    return true;
}

void CAmbDoc::loadAll(bool startUp) {
    migrateHaitianFiles();
    if (startUp) brothers_.convertOldExtraFile();
    loadBrothers();
    loadCongregations();
    circuits_.load();
    hosts_.load();
    talks_.load();
    topics_.load();
    if (!startUp) readSettings();
    rebuildLocalBrothers();
    weeks_.load();
    unavailability_.load(todayWeek_);
    wishList_.load();
    specials_.load();
}

std::uint64_t CAmbDoc::fileSize(int stringId) const {
    return dataDir_.fileSize(std::string(stringText(stringId)));
}

std::string CAmbDoc::dataFileName(int stringId) const {
    return std::string(stringText(stringId));
}

void CAmbDoc::migrateHaitianFiles() const {
    if (languageCode_ != "HT" || dataDir_.readOnly()) return;
    for (const auto& h : kHaitianNames) {
        std::string standard(stringText(h.standardId));
        if (dataDir_.exists(standard)) continue;
        // A data set copied from another machine may carry the old name in either encoding.
        std::string older = h.older;
        std::string olderUtf8 = cp1252ToUtf8(older);
        if (dataDir_.exists(older))
            dataDir_.rename(older, standard);
        else if (olderUtf8 != older && dataDir_.exists(olderUtf8))
            dataDir_.rename(olderUtf8, standard);
    }
}

void CAmbDoc::readSettings() {
    settingsFile_.reload();
    ::ambon::readSettings(settingsFile_.ini(), settings_);
}

void CAmbDoc::writeSettings() {
    if (dataDir_.readOnly()) return;
    ::ambon::writeSettings(settingsFile_.ini(), settings_);
    settingsFile_.save();
}

void CAmbDoc::writeHomeCongregation(int congId) {
    settings_.homeCongId = congId;
    if (!dataDir_.readOnly()) {
        ::ambon::writeHomeCongregation(settingsFile_.ini(), congId);
        settingsFile_.save();
    }
    rebuildLocalBrothers();
}

void CAmbDoc::loadFonts(bool reset) {
    fonts_.loadFonts(settingsFile_.ini(), charSet(), reset);
}

void CAmbDoc::saveFonts() {
    if (dataDir_.readOnly()) return;
    fonts_.saveFonts(settingsFile_.ini());
    settingsFile_.save();
}

void CAmbDoc::loadBrothers() {
    // An Italian data set may still carry its brothers under the older name.
    if (languageCode_ == "italian" && !dataDir_.readOnly()) {
        const std::string older = "oratori.dat";
        if (dataDir_.exists(older) &&
            dataDir_.fileSize(older) > dataDir_.fileSize(files::speakers())) {
            dataDir_.remove(files::speakers());
            dataDir_.rename(older, files::speakers());
        }
    }
    brothers_.load();
}

void CAmbDoc::setHomeMeetingDays(const CongregationEntry& entry) {
    homeMeetingDayOdd_ = weekdayIndexOfStored(entry.meetingDayOdd);
    homeMeetingDayEven_ = weekdayIndexOfStored(entry.meetingDayEven);
}

void CAmbDoc::loadCongregations() {
    congregations_.load();
    std::size_t home = congregations_.findCongregation(static_cast<std::int16_t>(homeCongId()));
    if (home != 0) setHomeMeetingDays(congregations_.entry(home - 1));
}

void CAmbDoc::refreshCongregationEntry(std::size_t index, std::uint16_t slot,
                                       const CongregationRecord& record) {
    congregations_.refreshCongregationEntry(index, slot, record);
    if (record.congId != 0 && record.congId == homeCongId())
        setHomeMeetingDays(congregations_.entry(index));
}

void CAmbDoc::deleteCongregation(std::size_t index) {
    if (index >= congregations_.count()) return;
    const std::int16_t key = congregations_.entry(index).congId;
    const std::uint16_t slot = congregations_.entry(index).slot;
    for (std::size_t b = 0; b < brothers_.count(); ++b) {
        if (brothers_.entry(b).congId != key) continue;
        BrotherRecord record;
        std::uint16_t brotherSlot = brothers_.readBrother(b, record);
        if (brotherSlot != 0) {
            record.congId = 0;
            brothers_.writeBrotherSlot(brotherSlot, record);
        }
        brothers_.setEntryCongId(b, 0);
    }
    // The oldest week of the table keeps its references, as it always has.
    for (int i = 1; i < kWeekWindow; ++i) {
        WeekRecord& w = weeks_.slot(i);
        if (w.speakerCongId == key) w.speakerCongId = 0;
        for (auto& c : w.outCongId)
            if (c == key) c = 0;
    }
    // The freed id is handed to the next congregation added; it must not inherit weeks.
    weeks_.save();
    congregations_.writeCongregationSlot(slot, CongregationRecord{});
    congregations_.removeEntry(index);
}

void CAmbDoc::rebuildLocalBrothers() {
    homeMeetingDayOdd_ = 6;
    homeMeetingDayEven_ = 6;
    const auto home = static_cast<std::int16_t>(homeCongId());
    if (home != 0) {
        std::size_t found = congregations_.findCongregation(home);
        if (found != 0) setHomeMeetingDays(congregations_.entry(found - 1));
    }
    localBrothers_.clear();
    for (std::size_t i = 0; i < brothers_.count(); ++i)
        if (brothers_.entry(i).congId == home)
            localBrothers_.push_back({brothers_.entry(i).brotherId, i, 0});
    if (localBrothers_.empty()) return;
    // Only the roles byte of each block, through one open of the file.
    std::vector<std::uint64_t> offsets;
    offsets.reserve(localBrothers_.size());
    for (const auto& local : localBrothers_)
        offsets.push_back(std::uint64_t{brothers_.entry(local.index).slot} * BrotherRecord::kSize +
                          201);
    auto roles = dataDir_.readAtEach(files::speakers(), offsets, 1);
    if (!roles) return;
    for (std::size_t i = 0; i < localBrothers_.size(); ++i)
        if (!(*roles)[i].empty())
            localBrothers_[i].roles = static_cast<std::int8_t>((*roles)[i][0]);
}

void CAmbDoc::saveLocalRoles() {
    for (const auto& local : localBrothers_) {
        BrotherRecord record;
        std::uint16_t slot = brothers_.readBrother(local.index, record);
        if (slot == 0) continue;
        record.roles = static_cast<std::uint8_t>(local.roles & 0xFF);
        brothers_.writeBrotherSlot(slot, record);
    }
}

DateContext CAmbDoc::dateContext() const {
    DateContext ctx;
    ctx.languageCode = languageCode_;
    ctx.alternativeFormat = settings_.alternativeDateFormat != 0;
    ctx.serviceYear = settings_.serviceYear != 0;
    ctx.currentYY = currentYY_;
    ctx.homeMeetingDayOdd = homeMeetingDayOdd_;
    ctx.homeMeetingDayEven = homeMeetingDayEven_;
    return ctx;
}

std::string CAmbDoc::dateText(int weekNumber, int flags, int weekday) const {
    return ::ambon::dateText(dateContext(), weekNumber, flags, weekday);
}

int CAmbDoc::yearParity(int weekIndex) const {
    return ::ambon::yearParity(dateContext(), weekIndex);
}

int CAmbDoc::meetingYear(int weekIndex) const {
    return ::ambon::meetingYear(dateContext(), weekIndex);
}

std::string CAmbDoc::meetingTime(std::int16_t congId, int weekIndex) const {
    std::size_t found = congregations_.findCongregation(congId);
    if (found == 0) return {};
    const CongregationEntry& e = congregations_.entry(found - 1);
    return yearParity(weekIndex) == 1 ? e.meetingTimeOdd : e.meetingTimeEven;
}

int CAmbDoc::meetingDay(std::size_t congIndex, int weekIndex) const {
    if (congIndex >= congregations_.count()) return 0;
    const CongregationEntry& e = congregations_.entry(congIndex);
    return yearParity(weekIndex) == 1 ? e.meetingDayOdd : e.meetingDayEven;
}

}  // namespace ambon
