// Reading and writing the document settings.
#include "store/settings.h"

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

std::string text(int id) {
    return std::string(stringText(id));
}

// Section and key names.
constexpr const char* kCongregation = "Congregation";
constexpr const char* kNumber = "Number";
constexpr const char* kMeetingTimeChange = "Meeting Time Change";
constexpr const char* kServiceYear = "Service Year";
constexpr const char* kAutoCap = "AutoCap";

constexpr int kGemeente = 1057;
constexpr int kAltDateFormat = 1034;
constexpr int kReadersPlanned = 1042;
constexpr int kHospitalityPlanned = 1192;
constexpr int kLeftMargin = 1273;
constexpr int kScheduleFormat = 1120;
constexpr int kTitle = 1121;
constexpr int kDefaultTitle = 1122;
constexpr int kShowReaders = 1143;
constexpr int kOmitTalkNumbers = 1171;
constexpr int kOmitOutgoing = 1195;
constexpr int kBars = 1132;
constexpr int kDateStamp = 1176;
constexpr int kTopMargin = 1183;
constexpr int kDialSection = 1241;
constexpr int kEnabled = 1265;

// "Dial %1" with "OK" for %1.
std::string dialSection() {
    return fillText(text(kDialSection), "OK");
}

std::string barColourKey() {
    return text(kBars) + "*";
}

}  // namespace

Settings::Settings() : title(text(kDefaultTitle)) {}

void readSettings(const IniFile& ini, Settings& s) {
    const Settings def;
    const std::string gemeente = text(kGemeente);
    const std::string format = text(kScheduleFormat);

    s.homeCongId = ini.getInt(kCongregation, kNumber, def.homeCongId);
    s.alternativeDateFormat = ini.getInt(gemeente, text(kAltDateFormat), def.alternativeDateFormat);
    s.serviceYear = ini.getInt(kMeetingTimeChange, kServiceYear, def.serviceYear);
    s.planReaders = ini.getInt(gemeente, text(kReadersPlanned), def.planReaders);
    s.planHospitality = ini.getInt(gemeente, text(kHospitalityPlanned), def.planHospitality);
    s.leftMargin = ini.getInt(gemeente, text(kLeftMargin), def.leftMargin);
    s.title = ini.getString(format, text(kTitle), def.title);
    s.showReaders = ini.getInt(format, text(kShowReaders), def.showReaders);
    s.omitTalkNumbers = ini.getInt(format, text(kOmitTalkNumbers), def.omitTalkNumbers);
    s.omitOutgoingSpeakers = ini.getInt(format, text(kOmitOutgoing), def.omitOutgoingSpeakers);
    s.bars = ini.getInt(format, text(kBars), def.bars);
    s.barColour = ini.getInt(format, barColourKey(), def.barColour);
    s.dateStamp = ini.getInt(format, text(kDateStamp), def.dateStamp);
    s.topMargin = ini.getInt(format, text(kTopMargin), def.topMargin);
    // The dialling option starts off in every run, whatever was stored.
    s.dialling = 0;
    s.autoCap = ini.getInt(kAutoCap, text(kEnabled), def.autoCap);
}

void writeSettings(IniFile& ini, const Settings& s) {
    const std::string gemeente = text(kGemeente);
    const std::string format = text(kScheduleFormat);

    ini.setInt(gemeente, text(kReadersPlanned), s.planReaders);
    ini.setInt(kMeetingTimeChange, kServiceYear, s.serviceYear);
    ini.setInt(gemeente, text(kHospitalityPlanned), s.planHospitality);
    ini.setInt(gemeente, text(kAltDateFormat), s.alternativeDateFormat);
    ini.setInt(gemeente, text(kLeftMargin), s.leftMargin);
    ini.setString(format, text(kTitle), s.title);
    ini.setInt(format, text(kShowReaders), s.showReaders);
    ini.setInt(format, text(kOmitTalkNumbers), s.omitTalkNumbers);
    ini.setInt(format, text(kOmitOutgoing), s.omitOutgoingSpeakers);
    ini.setInt(format, text(kBars), s.bars);
    ini.setInt(format, barColourKey(), s.barColour);
    ini.setInt(format, text(kTopMargin), s.topMargin);
    ini.setInt(format, text(kDateStamp), s.dateStamp);
    ini.setInt(dialSection(), text(kEnabled), s.dialling);
    ini.setInt(kAutoCap, text(kEnabled), s.autoCap);
}

void writeHomeCongregation(IniFile& ini, int congId) {
    ini.setInt(kCongregation, kNumber, congId);
}

}  // namespace ambon
