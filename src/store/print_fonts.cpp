// Defaults, loading and saving of the print fonts.
#include "store/print_fonts.h"

#include <cstdint>

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

std::string text(int id) {
    return std::string(stringText(id));
}

constexpr int kTimesNewRoman = 1110;
constexpr int kArial = 1109;

struct FontDefault {
    int sectionId;  // 0: never stored
    int height;
    int weight;
    bool italic;
    int pitchAndFamily;
    int faceId;
};

// In the order of PrintFont.
constexpr std::array<FontDefault, kStoredFontCount + 1> kDefaults = {{
    {1098, -16, 400, false, 18, kTimesNewRoman},  // Text
    {1099, -27, 700, false, 22, kArial},          // Title
    {1123, -19, 700, false, 12, kTimesNewRoman},  // Date
    {1124, -16, 700, true, 12, kArial},           // Talk
    {1100, -13, 400, true, 22, kArial},           // Description
    {1101, -16, 700, false, 18, kTimesNewRoman},  // Speaker
    {1172, -13, 400, false, 34, kArial},          // Small
    {0, -13, 400, false, 18, kTimesNewRoman},     // List
}};

// Keys of a font section.
constexpr int kHeight = 1102;
constexpr int kWeight = 1103;
constexpr int kItalic = 1104;
constexpr int kUnderline = 1105;
constexpr int kPitchAndFamily = 1106;
constexpr int kFaceName = 1107;
constexpr const char* kCharSet = "CharSet";
constexpr const char* kRgb = "RGB";
constexpr const char* kDefaultFace = "System";
constexpr std::size_t kFaceNameLimit = 31;

// The font as the section stores it; height 0 when it stores none.
FontSpec readStored(const IniFile& ini, const std::string& section, int charSet) {
    FontSpec f;
    f.height = ini.getInt(section, text(kHeight), 0);
    f.weight = ini.getInt(section, text(kWeight), 0);
    f.italic = ini.getInt(section, text(kItalic), 0) != 0;
    f.underline = ini.getInt(section, text(kUnderline), 0) != 0;
    f.pitchAndFamily = ini.getInt(section, text(kPitchAndFamily), 0);
    f.faceName = utf8Left(ini.getString(section, text(kFaceName), kDefaultFace), kFaceNameLimit);
    f.charSet = ini.getInt(section, kCharSet, charSet);
    f.rgb = ini.getInt(section, kRgb, 0);
    return f;
}

}  // namespace

int languageCharSet(const std::string& languageCode) {
    if (languageCode == "rus") return 204;
    if (languageCode == "polish" || languageCode == "hrvatski" || languageCode == "cze" ||
        languageCode == "rom")
        return 238;
    if (languageCode == "turkish") return 162;
    if (languageCode == "greek" || languageCode == "G") return 161;
    return 0;
}

PrintFonts::PrintFonts() {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        fonts_[i] = defaultFont(static_cast<PrintFont>(i), 0);
}

FontSpec PrintFonts::defaultFont(PrintFont which, int charSet) {
    const FontDefault& d = kDefaults[index(which)];
    FontSpec f;
    f.height = d.height;
    f.weight = d.weight;
    f.italic = d.italic;
    f.pitchAndFamily = d.pitchAndFamily;
    f.faceName = text(d.faceId);
    f.charSet = charSet;
    return f;
}

std::string PrintFonts::sectionName(PrintFont which) {
    int id = kDefaults[index(which)].sectionId;
    return id == 0 ? std::string() : text(id);
}

void PrintFonts::setFont(PrintFont which, const FontSpec& spec) {
    if (which == PrintFont::List) return;
    FontSpec f = spec;
    f.faceName = utf8Left(f.faceName, kFaceNameLimit);
    fonts_[index(which)] = f;
}

void PrintFonts::loadFonts(const IniFile& ini, int languageCharSet, bool reset) {
    charSet_ = languageCharSet;
    for (int i = 0; i < kStoredFontCount; ++i) {
        auto which = static_cast<PrintFont>(i);
        const std::string section = sectionName(which);
        FontSpec stored;
        if (!reset) stored = readStored(ini, section, languageCharSet);
        if (reset || stored.height == 0) {
            fonts_[index(which)] = defaultFont(which, languageCharSet);
            writeEverything_ = true;
        } else {
            fonts_[index(which)] = stored;
        }
    }
    fonts_[index(PrintFont::List)] = defaultFont(PrintFont::List, languageCharSet);
}

void PrintFonts::saveFonts(IniFile& ini) {
    for (int i = 0; i < kStoredFontCount; ++i) {
        auto which = static_cast<PrintFont>(i);
        const std::string section = sectionName(which);
        const FontSpec& f = fonts_[index(which)];
        const FontSpec stored = readStored(ini, section, charSet_);
        const bool all = writeEverything_;

        if (all || f.height != stored.height) ini.setInt(section, text(kHeight), f.height);
        // A font without a height is not stored; its other keys stay as they are.
        if (f.height == 0) continue;
        if (all || f.weight != stored.weight) ini.setInt(section, text(kWeight), f.weight);
        if (all || f.italic != stored.italic) ini.setInt(section, text(kItalic), f.italic);
        if (all || f.underline != stored.underline)
            ini.setInt(section, text(kUnderline), f.underline);
        if (all || f.pitchAndFamily != stored.pitchAndFamily)
            ini.setInt(section, text(kPitchAndFamily), f.pitchAndFamily);
        if (all || f.faceName != stored.faceName)
            ini.setString(section, text(kFaceName), f.faceName);
        if (all || f.charSet != stored.charSet) ini.setInt(section, kCharSet, f.charSet);
        if (all || f.rgb != stored.rgb) ini.setInt(section, kRgb, f.rgb);
    }
    writeEverything_ = false;
}

}  // namespace ambon
