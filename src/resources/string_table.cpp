// The string table. Texts are UTF-8; "\n" is a line break and "\t" a tab stop.
#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace ambon {

namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {2, "Redazedu Reredova Rozerudi Vadezuri - Ambon"},
    {3, "Januari"},
    {4, "Februari"},
    {5, "Maart"},
    {6, "April"},
    {7, "Mei"},
    {8, "Juni"},
    {9, "Juli"},
    {10, "Augustus"},
    {11, "September"},
    {12, "Oktober"},
    {13, "November"},
    {14, "December"},
    {1034, "Alternatief datum formaat"},
    {1042, "Lezing inclusief"},
    {1057, "Gemeente"},
    {1098, "Lettertype"},
    {1099, "Titel Lettertype"},
    {1100, "Uitleg Lettertype"},
    {1101, "Spreker Lettertype"},
    {1102, "Hoogte"},
    {1103, "Breedte"},
    {1104, "Italic"},
    {1105, "Underline"},
    {1106, "PitchAndFamily"},
    {1107, "FaceName"},
    {1109, "Arial"},
    {1110, "Times New Roman"},
    {1114, "xtend.dat"},
    {1115, "blackout.dat"},
    {1116, "special.dat"},
    {1120, "Schema formaat"},
    {1121, "Titel"},
    {1122, "Openbare lezingen schema"},
    {1123, "Datum Font"},
    {1124, "Lezing Font"},
    {1126, "No"},
    {1127, "Grey"},
    {1128, "Black"},
    {1129, "White"},
    {1130, "Colored"},
    {1132, "Bars"},
    {1143, "Toon Lezers"},
    {1171, "Omit OTLK"},
    {1172, "Small Font"},
    {1176, "Date Stamp"},
    {1183, "Top Margin"},
    {1185, "wishlist.dat"},
    {1186, "circuit.dat"},
    {1187, "talk.dat"},
    {1188, "topic.dat"},
    {1189, "history.dat"},
    {1190, "hospital.dat"},
    {1192, "Gastgezin"},
    {1195, "Omit OSPK"},
    {1198, "dutch"},
    {1215, "Jan"},
    {1216, "Feb"},
    {1217, "Mrt"},
    {1218, "Apr"},
    {1219, "Mei"},
    {1220, "Jun"},
    {1221, "Jul"},
    {1222, "Aug"},
    {1223, "Sep"},
    {1224, "Okt"},
    {1225, "Nov"},
    {1226, "Dec"},
    {1231, "Unable to update file: %1.\nRemove the \nread-only attribute from the directory / file or obtain permission to update \nfiles in this directory."},
    {1241, "Dial %1"},
    {1244, "speakers.dat"},
    {1251, "ambon.ini"},
    {1265, "Enabled"},
    {1273, "Left Margin"},
    {1287, "extend.dat"},
    {1296, "cong.dat"},
};

}  // namespace

std::string_view stringText(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int value) { return e.id < value; });
    if (it == std::end(kStrings) || it->id != id) return {};
    return it->text;
}

bool hasString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int value) { return e.id < value; });
    return it != std::end(kStrings) && it->id == id;
}

}  // namespace ambon
