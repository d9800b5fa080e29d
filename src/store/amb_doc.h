// The document: owns every table of the data directory, the week bookkeeping, the
// language behaviours and the settings, and runs start-up and the full reload.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_text.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "store/brothers.h"
#include "store/congregations.h"
#include "store/data_dir.h"
#include "store/name_order.h"
#include "store/named_id_table.h"
#include "store/print_fonts.h"
#include "store/settings.h"
#include "store/settings_file.h"
#include "store/specials.h"
#include "store/store_io.h"
#include "store/talks.h"
#include "store/unavailability.h"
#include "store/weeks.h"
#include "store/wish_list_file.h"

namespace ambon {

// A brother of the home congregation with his local duties (bits of roles: 1 outgoing
// speaker, 2 chairman, 4 reader, tested as 1 << bit).
struct LocalBrotherEntry {
    std::int16_t brotherId = 0;
    std::size_t index = 0;  // into the brother table
    std::int16_t roles = 0;
};

struct StartOptions {
    // Loads without writing anything, not even the files a first start creates.
    bool readOnly = false;
    // Stands in for the language code of the string table (tests of other languages).
    std::optional<std::string> languageCode;
};

class CAmbDoc {
public:
    CAmbDoc(const Clock& clock, Messages& messages);
    CAmbDoc(const CAmbDoc&) = delete;
    CAmbDoc& operator=(const CAmbDoc&) = delete;

    // Fixes the data directory and the language, reads the settings, computes the weeks,
    // and loads every table. False only when the tables cannot be allocated.
    bool startUp(const std::filesystem::path& dataDir, const StartOptions& options = {});
    bool allocateTables();
    void freeTables();
    // Reads every table again, after the files were replaced underneath.
    bool reloadAll();
    // Size of the data file named by string id, 0 when it cannot be opened.
    std::uint64_t fileSize(int stringId) const;

    // The data directory and the outside world.
    const DataDir& dataDir() const { return dataDir_; }
    const StoreIo& io() const { return io_; }
    Messages& messages() const { return messages_; }
    const Clock& clock() const { return clock_; }
    std::string dataFileName(int stringId) const;
    void reportWriteError(const std::string& fileName) const { io_.reportWriteError(fileName); }

    // Language behaviours.
    const std::string& languageCode() const { return languageCode_; }
    // The locale the language applies; empty when the C locale stays.
    const std::string& localeName() const { return localeName_; }
    int charSet() const { return languageCharSet(languageCode_); }
    bool nameOrderFlag() const { return nameOrderFlag_; }
    const NameOrder& nameOrder() const { return nameOrder_; }

    bool dataChanged() const { return dataChanged_; }
    void setDataChanged(bool changed = true) { dataChanged_ = changed; }

    // The week fields: the week table holds week numbers firstWeek + 1 .. firstWeek + 1000.
    int firstWeek() const { return firstWeek_; }
    int todayWeek() const { return todayWeek_; }
    int sheetWeek() const { return sheetWeek_; }
    void setSheetWeek(int week) { sheetWeek_ = week; }

    // Settings and fonts.
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    SettingsFile& settingsFile() { return settingsFile_; }
    int homeCongId() const { return settings_.homeCongId; }
    void readSettings();
    void writeSettings();
    // Stores the home congregation in the settings file and rebuilds the local brothers.
    void writeHomeCongregation(int congId);
    PrintFonts& fonts() { return fonts_; }
    const PrintFonts& fonts() const { return fonts_; }
    void loadFonts(bool reset);
    void saveFonts();

    // Tables.
    Brothers& brothers() { return brothers_; }
    const Brothers& brothers() const { return brothers_; }
    Congregations& congregations() { return congregations_; }
    const Congregations& congregations() const { return congregations_; }
    NamedIdTable& circuits() { return circuits_; }
    const NamedIdTable& circuits() const { return circuits_; }
    NamedIdTable& hosts() { return hosts_; }
    const NamedIdTable& hosts() const { return hosts_; }
    Talks& talks() { return talks_; }
    const Talks& talks() const { return talks_; }
    Topics& topics() { return topics_; }
    const Topics& topics() const { return topics_; }
    Weeks& weeks() { return weeks_; }
    const Weeks& weeks() const { return weeks_; }
    Unavailability& unavailability() { return unavailability_; }
    const Unavailability& unavailability() const { return unavailability_; }
    Specials& specials() { return specials_; }
    const Specials& specials() const { return specials_; }
    WishListFile& wishList() { return wishList_; }
    const WishListFile& wishList() const { return wishList_; }

    // Loading steps that involve more than one table or the language.
    void loadBrothers();
    void loadCongregations();
    void refreshCongregationEntry(std::size_t index, std::uint16_t slot,
                                  const CongregationRecord& record);
    // Removes a congregation and every reference to it: its brothers keep their place
    // with no congregation, the weeks forget it (and "history.dat" is written), its slot
    // is freed.
    void deleteCongregation(std::size_t index);

    // The home congregation's brothers with their duties, and its meeting weekdays
    // (0 = Monday .. 6 = Sunday).
    const std::vector<LocalBrotherEntry>& localBrothers() const { return localBrothers_; }
    std::vector<LocalBrotherEntry>& localBrothers() { return localBrothers_; }
    void rebuildLocalBrothers();
    void saveLocalRoles();
    int homeMeetingDayOdd() const { return homeMeetingDayOdd_; }
    int homeMeetingDayEven() const { return homeMeetingDayEven_; }

    // Dates of weeks, in the user's language and the home congregation's meeting days.
    DateContext dateContext() const;
    std::string dateText(int weekNumber, int flags, int weekday = 0) const;
    int yearParity(int weekIndex) const;
    int meetingYear(int weekIndex) const;
    // A congregation's meeting time for the parity of the week; empty when absent.
    std::string meetingTime(std::int16_t congId, int weekIndex) const;
    // A congregation's stored meeting day (0 = Sunday) for the parity of the week.
    int meetingDay(std::size_t congIndex, int weekIndex) const;

    // Week table shortcuts.
    WeekRecord& getWeek(int weekIndex) { return weeks_.getWeek(weekIndex); }
    const WeekRecord& getWeek(int weekIndex) const { return weeks_.getWeek(weekIndex); }
    void commitWeek(const WeekRecord& record, int weekIndex) {
        weeks_.commitWeek(record, weekIndex);
    }
    bool saveWeeks() const { return weeks_.save(); }

private:
    void applyLanguage();
    void migrateHaitianFiles() const;
    void setHomeMeetingDays(const CongregationEntry& entry);
    void loadAll(bool startUp);

    const Clock& clock_;
    Messages& messages_;
    DataDir dataDir_;
    StoreIo io_;
    NameOrder nameOrder_;
    SettingsFile settingsFile_;

    std::string languageCode_;
    std::string localeName_;
    bool nameOrderFlag_ = false;
    bool dataChanged_ = false;
    int firstWeek_ = 0;
    int todayWeek_ = 0;
    int sheetWeek_ = 0;
    int currentYY_ = 0;

    Settings settings_;
    PrintFonts fonts_;

    Brothers brothers_;
    Congregations congregations_;
    NamedIdTable circuits_;
    NamedIdTable hosts_;
    Talks talks_;
    Topics topics_;
    Weeks weeks_;
    Unavailability unavailability_;
    Specials specials_;
    WishListFile wishList_;

    std::vector<LocalBrotherEntry> localBrothers_;
    int homeMeetingDayOdd_ = 6;
    int homeMeetingDayEven_ = 6;
};

}  // namespace ambon
