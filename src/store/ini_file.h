// The settings file format: "[section]" lines and "key=value" lines, read and written key
// by key. Lines the reader does not understand (comments, stray text) are kept as they are.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ambon {

// An INI file held as its lines, so that rewriting one key leaves every other byte of the
// file as it was. Section and key names are compared without regard to ASCII case; keys and
// values are trimmed of spaces and tabs when read. The first section and the first key of a
// name count; later duplicates are kept but never read or changed.
//
// Internally the lines stay in Windows-1252, as on disk; the accessors take and give UTF-8.
// A line that ends in CR LF or LF is read the same; serialize() ends every line with CR LF.
class IniFile {
public:
    IniFile() = default;

    // Never fails: any bytes give some list of lines.
    static IniFile parse(std::string_view diskBytes);
    // The file's bytes in Windows-1252, each line closed by CR LF.
    std::string serialize() const;

    bool empty() const { return lines_.empty(); }
    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    // The key's value; def when the key is missing.
    std::string getString(std::string_view section, std::string_view key,
                          const std::string& def) const;
    // An optional sign and the leading digits of the value (so "12abc" gives 12); def when
    // the key is missing or its value does not start with a number. Values beyond the range
    // of int are held at its ends.
    int getInt(std::string_view section, std::string_view key, int def) const;

    // Replaces the value of an existing key in its own line; a new key goes after the last
    // key of its section, a new section at the end of the file. Line breaks in the value
    // become spaces, since a value cannot span lines.
    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, int value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string raw;  // the line as on disk, without its line end
        Kind kind = Kind::Other;
        std::string name;   // section or key name (Windows-1252, trimmed)
        std::string value;  // key value (Windows-1252, trimmed)
    };

    static Line classify(std::string raw);
    std::optional<std::size_t> findSection(std::string_view name1252) const;
    // Index of the key line within the section that starts at line sectionLine.
    std::optional<std::size_t> findKey(std::size_t sectionLine, std::string_view key1252) const;
    const Line* findKeyLine(std::string_view section, std::string_view key) const;
    void setRaw(std::string_view section, std::string_view key, std::string value1252);

    std::vector<Line> lines_;
};

}  // namespace ambon
