// The string table: every text the user sees, by its number, exactly as the program
// has always shown it (UTF-8 in memory).
#pragma once

#include <string>
#include <string_view>

namespace ambon {

// The text of string id; empty when the table holds no such id.
std::string_view stringText(int id);
bool hasString(int id);

}  // namespace ambon
