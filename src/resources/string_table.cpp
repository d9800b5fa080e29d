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
