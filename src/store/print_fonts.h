// The fonts of the printed pages: seven named fonts the user chooses, kept in the settings
// file, and a fixed eighth font for some lists.
#pragma once

#include <array>
#include <string>

#include "store/ini_file.h"

namespace ambon {

// A logical font plus its text colour, as the drawing code asks for it.
struct FontSpec {
    int height = 0;  // logical units; negative: character height
    int width = 0;
    int weight = 0;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    int pitchAndFamily = 0;
    std::string faceName;  // at most 31 characters
    int charSet = 0;
    int rgb = 0;  // red + 256 * green + 65536 * blue

    bool operator==(const FontSpec&) const = default;
};

enum class PrintFont {
    Text,         // "Lettertype": chairman and other names
    Title,        // "Titel Lettertype"
    Date,         // "Datum Font"
    Talk,         // "Lezing Font"
    Description,  // "Uitleg Lettertype": the labels
    Speaker,      // "Spreker Lettertype"
    Small,        // "Small Font"
    List,         // the fixed list font, never stored
};

inline constexpr int kStoredFontCount = 7;

// The font character set of a language code: 204 Cyrillic, 238 Central European, 162
// Turkish, 161 Greek, otherwise 0 (the default set).
int languageCharSet(const std::string& languageCode);

class PrintFonts {
public:
    // Every font at its default, for the default character set.
    PrintFonts();

    const FontSpec& font(PrintFont which) const { return fonts_[index(which)]; }
    // Changes one of the seven stored fonts (the list font stays fixed).
    void setFont(PrintFont which, const FontSpec& spec);

    // The font's default for a character set.
    static FontSpec defaultFont(PrintFont which, int charSet);
    // The name of the font's settings section.
    static std::string sectionName(PrintFont which);

    // Reads the seven fonts; a font whose height is missing or 0 (or every font, with reset)
    // takes its defaults and marks all fonts to be written in full at the next save.
    void loadFonts(const IniFile& ini, int languageCharSet, bool reset);
    // Writes what differs from the file, or everything after defaults were applied.
    void saveFonts(IniFile& ini);

    bool writeEverything() const { return writeEverything_; }

private:
    static std::size_t index(PrintFont which) { return static_cast<std::size_t>(which); }

    std::array<FontSpec, kStoredFontCount + 1> fonts_;
    int charSet_ = 0;
    bool writeEverything_ = false;
};

}  // namespace ambon
