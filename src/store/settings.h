// The document settings kept in the settings file: the home congregation, the date
// format, what is planned, and how the printed schedule looks.
#pragma once

#include <string>

#include "store/ini_file.h"

namespace ambon {

// Each 0/1 setting holds what the file holds, so a hand-edited value survives a rewrite.
struct Settings {
    int homeCongId = 0;
    int alternativeDateFormat = 0;  // day before month
    int serviceYear = 0;            // the odd/even year turns over in September
    int planReaders = 0;
    int planHospitality = 0;
    int leftMargin = 20;  // hundredths of an inch, 0 to 99
    std::string title;    // the printed schedule's title; Settings() fills in the default
    int showReaders = 0;  // readers printed on the schedule
    int omitTalkNumbers = 0;
    int omitOutgoingSpeakers = 0;
    int bars = 0;              // 0 none, 1 grey, 2 black, 3 white, 4 coloured
    int barColour = 0xC0C0C0;  // red + 256 * green + 65536 * blue, for bars 4
    int dateStamp = 0;
    int topMargin = 50;  // hundredths of an inch, 0 to 99
    int dialling = 0;    // never on at start
    int autoCap = 1;     // capital first letter for typed brother names

    Settings();
    bool operator==(const Settings&) const = default;
};

// Every setting with its default where the file has none; the dialling option is always 0.
void readSettings(const IniFile& ini, Settings& settings);
// Every setting except the home congregation, in a fixed order.
void writeSettings(IniFile& ini, const Settings& settings);
// The home congregation alone, written when it is chosen.
void writeHomeCongregation(IniFile& ini, int congId);

}  // namespace ambon
