// Finding a row of a name list by typing: the letters typed one after another form a
// search text, and the first row that starts with it is chosen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ambon {

class TypeAheadList {
public:
    // Longest search text; one more letter starts a new search.
    static constexpr std::size_t kMaxSearch = 40;

    // One typed character (UTF-8). Returns the row to select and scroll to the top, or -1
    // when nothing matched or the character is not a letter (which is then ignored).
    int type(std::string_view character, const std::vector<std::string>& rows);
    // The list got the keyboard focus: the next letter starts a new search.
    void focusGained() { search_.clear(); }

    const std::string& searchText() const { return search_; }

    // Whether a character (UTF-8) is a letter that the search takes.
    static bool isLetter(std::string_view character);

private:
    std::string search_;  // in Windows-1252, folded to lower case
};

}  // namespace ambon
