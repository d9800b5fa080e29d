// The one order of every name-sorted table, and name equality: names compared with
// leading and trailing blanks removed, case-insensitively on their Windows-1252 bytes.
// Plain ASCII folding unless the language has set a locale, which folds accented
// letters too.
#pragma once

#include <string_view>

namespace ambon {

class NameOrder {
public:
    explicit NameOrder(bool latinFold = false) : latinFold_(latinFold) {}
    void setLatinFold(bool on) { latinFold_ = on; }
    bool latinFold() const { return latinFold_; }

    // < 0, 0, > 0 like strcmp; a name that is a prefix of the other sorts first.
    int compare(std::string_view a, std::string_view b) const;
    bool less(std::string_view a, std::string_view b) const { return compare(a, b) < 0; }
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }

private:
    bool latinFold_;
};

}  // namespace ambon
