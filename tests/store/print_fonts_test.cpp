// The print fonts: their defaults, when a stored font is taken, and what saving writes back.
#include "store/print_fonts.h"

#include <string>

#include <gtest/gtest.h>

namespace ambon {
namespace {

constexpr PrintFont kStored[] = {PrintFont::Text, PrintFont::Title,       PrintFont::Date,
                                 PrintFont::Talk, PrintFont::Description, PrintFont::Speaker,
                                 PrintFont::Small};

const char* const kFontKeys[] = {"Hoogte",         "Breedte",  "Italic",  "Underline",
                                 "PitchAndFamily", "FaceName", "CharSet", "RGB"};

TEST(PrintFonts, LanguageCharacterSets) {
    struct Case {
        const char* code;
        int charSet;
    };
    const Case cases[] = {{"rus", 204}, {"polish", 238},  {"hrvatski", 238}, {"cze", 238},
                          {"rom", 238}, {"turkish", 162}, {"greek", 161},    {"G", 161},
                          {"dutch", 0}, {"esp", 0},       {"ptg", 0},        {"Greek", 0},
                          {"g", 0},     {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(languageCharSet(c.code), c.charSet) << c.code;
}

TEST(PrintFonts, DefaultsOfEveryFont) {
    struct Case {
        PrintFont font;
        const char* section;
        int height;
        int weight;
        bool italic;
        int pitchAndFamily;
        const char* face;
    };
    const Case cases[] = {
        {PrintFont::Text, "Lettertype", -16, 400, false, 18, "Times New Roman"},
        {PrintFont::Title, "Titel Lettertype", -27, 700, false, 22, "Arial"},
        {PrintFont::Date, "Datum Font", -19, 700, false, 12, "Times New Roman"},
        {PrintFont::Talk, "Lezing Font", -16, 700, true, 12, "Arial"},
        {PrintFont::Description, "Uitleg Lettertype", -13, 400, true, 22, "Arial"},
        {PrintFont::Speaker, "Spreker Lettertype", -16, 700, false, 18, "Times New Roman"},
        {PrintFont::Small, "Small Font", -13, 400, false, 34, "Arial"},
        {PrintFont::List, "", -13, 400, false, 18, "Times New Roman"},
    };
    PrintFonts fonts;
    fonts.loadFonts(IniFile(), 204, false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const FontSpec& f = fonts.font(c.font);
        EXPECT_EQ(PrintFonts::sectionName(c.font), c.section);
        EXPECT_EQ(f.height, c.height);
        EXPECT_EQ(f.weight, c.weight);
        EXPECT_EQ(f.italic, c.italic);
        EXPECT_EQ(f.pitchAndFamily, c.pitchAndFamily);
        EXPECT_EQ(f.faceName, c.face);
        EXPECT_EQ(f.width, 0);
        EXPECT_FALSE(f.underline);
        EXPECT_EQ(f.charSet, 204);
        EXPECT_EQ(f.rgb, 0);
    }
}

TEST(PrintFonts, WithoutAFileEveryFontIsWrittenInFull) {
    PrintFonts fonts;
    IniFile ini;
    fonts.loadFonts(ini, 238, false);
    EXPECT_TRUE(fonts.writeEverything());
    fonts.saveFonts(ini);
    EXPECT_FALSE(fonts.writeEverything());

    for (PrintFont f : kStored) {
        for (const char* key : kFontKeys)
            EXPECT_TRUE(ini.hasKey(PrintFonts::sectionName(f), key))
                << PrintFonts::sectionName(f) << " / " << key;
    }
    const std::string text = ini.serialize();
    EXPECT_NE(text.find("[Titel Lettertype]\r\n"
                        "Hoogte=-27\r\n"
                        "Breedte=700\r\n"
                        "Italic=0\r\n"
                        "Underline=0\r\n"
                        "PitchAndFamily=22\r\n"
                        "FaceName=Arial\r\n"
                        "CharSet=238\r\n"
                        "RGB=0\r\n"),
              std::string::npos)
        << text;

    // What was written reads back as the same fonts, with nothing more to write.
    PrintFonts again;
    again.loadFonts(IniFile::parse(text), 238, false);
    EXPECT_FALSE(again.writeEverything());
    for (PrintFont f : kStored) EXPECT_EQ(again.font(f), fonts.font(f));
}

TEST(PrintFonts, StoredFontsAreTakenAndUnchangedOnesWriteNothing) {
    // A section without the optional keys takes "System", the language's set and black.
    const std::string stored =
        "[Lettertype]\r\n"
        "Hoogte=-20\r\n"
        "Breedte=700\r\n"
        "Italic=1\r\n"
        "Underline=1\r\n"
        "PitchAndFamily=49\r\n"
        "FaceName=A face name that is much longer than thirty-one\r\n"
        "CharSet=0\r\n"
        "RGB=255\r\n"
        "[Titel Lettertype]\r\n"
        "Hoogte=-30\r\n"
        "[Datum Font]\r\nHoogte=-1\r\n"
        "[Lezing Font]\r\nHoogte=-2\r\n"
        "[Uitleg Lettertype]\r\nHoogte=-3\r\n"
        "[Spreker Lettertype]\r\nHoogte=-4\r\n"
        "[Small Font]\r\nHoogte=-5\r\n";
    IniFile ini = IniFile::parse(stored);
    PrintFonts fonts;
    fonts.loadFonts(ini, 161, false);
    EXPECT_FALSE(fonts.writeEverything());

    const FontSpec& text = fonts.font(PrintFont::Text);
    EXPECT_EQ(text.height, -20);
    EXPECT_EQ(text.weight, 700);
    EXPECT_TRUE(text.italic);
    EXPECT_TRUE(text.underline);
    EXPECT_EQ(text.pitchAndFamily, 49);
    EXPECT_EQ(text.faceName, "A face name that is much longer");
    EXPECT_EQ(text.charSet, 0);
    EXPECT_EQ(text.rgb, 255);

    const FontSpec& title = fonts.font(PrintFont::Title);
    EXPECT_EQ(title.height, -30);
    EXPECT_EQ(title.weight, 0);
    EXPECT_EQ(title.faceName, "System");
    EXPECT_EQ(title.charSet, 161);
    EXPECT_EQ(title.rgb, 0);

    // The file is compared as it reads, face name cut too, so nothing is written.
    fonts.saveFonts(ini);
    std::string expected = stored;
    EXPECT_EQ(ini.serialize(), expected);

    // A changed colour writes that key and nothing else.
    FontSpec changed = fonts.font(PrintFont::Speaker);
    changed.rgb = 0x00FF00;
    fonts.setFont(PrintFont::Speaker, changed);
    fonts.saveFonts(ini);
    const std::string speaker = "[Spreker Lettertype]\r\nHoogte=-4\r\n";
    expected.replace(expected.find(speaker), speaker.size(), speaker + "RGB=65280\r\n");
    EXPECT_EQ(ini.serialize(), expected);
}

TEST(PrintFonts, OneMissingHeightRewritesEveryFont) {
    IniFile ini = IniFile::parse(
        "[Lettertype]\r\nHoogte=-20\r\nFaceName=Courier\r\n"
        "[Titel Lettertype]\r\nHoogte=0\r\nFaceName=Courier\r\nRGB=99\r\n");
    PrintFonts fonts;
    fonts.loadFonts(ini, 0, false);
    EXPECT_TRUE(fonts.writeEverything());
    EXPECT_EQ(fonts.font(PrintFont::Text).faceName, "Courier");
    EXPECT_EQ(fonts.font(PrintFont::Title), PrintFonts::defaultFont(PrintFont::Title, 0));
    EXPECT_EQ(fonts.font(PrintFont::Small), PrintFonts::defaultFont(PrintFont::Small, 0));

    fonts.saveFonts(ini);
    for (PrintFont f : kStored) {
        for (const char* key : kFontKeys)
            EXPECT_TRUE(ini.hasKey(PrintFonts::sectionName(f), key))
                << PrintFonts::sectionName(f) << " / " << key;
    }
    // The stored font keeps its values, written in full; the replaced one gets its defaults.
    EXPECT_EQ(ini.getInt("Lettertype", "Hoogte", 0), -20);
    EXPECT_EQ(ini.getString("Lettertype", "FaceName", ""), "Courier");
    EXPECT_EQ(ini.getInt("Lettertype", "Breedte", -1), 0);
    EXPECT_EQ(ini.getInt("Titel Lettertype", "Hoogte", 0), -27);
    EXPECT_EQ(ini.getString("Titel Lettertype", "FaceName", ""), "Arial");
    EXPECT_EQ(ini.getInt("Titel Lettertype", "RGB", -1), 0);
}

TEST(PrintFonts, ResetGivesTheDefaultsAndWritesThemAll) {
    PrintFonts fonts;
    IniFile ini;
    fonts.loadFonts(ini, 0, false);
    FontSpec custom = fonts.font(PrintFont::Date);
    custom.height = -40;
    custom.faceName = "Courier";
    custom.rgb = 0x0000FF;
    fonts.setFont(PrintFont::Date, custom);
    fonts.saveFonts(ini);
    ASSERT_EQ(ini.getInt("Datum Font", "Hoogte", 0), -40);

    fonts.loadFonts(ini, 162, true);
    EXPECT_TRUE(fonts.writeEverything());
    for (PrintFont f : kStored) EXPECT_EQ(fonts.font(f), PrintFonts::defaultFont(f, 162));
    EXPECT_EQ(fonts.font(PrintFont::List), PrintFonts::defaultFont(PrintFont::List, 162));

    fonts.saveFonts(ini);
    EXPECT_EQ(ini.getInt("Datum Font", "Hoogte", 0), -19);
    EXPECT_EQ(ini.getString("Datum Font", "FaceName", ""), "Times New Roman");
    EXPECT_EQ(ini.getInt("Datum Font", "RGB", -1), 0);
    EXPECT_EQ(ini.getInt("Small Font", "CharSet", 0), 162);
}

TEST(PrintFonts, AFontWithoutHeightWritesOnlyItsHeight) {
    IniFile ini = IniFile::parse("[Small Font]\r\nHoogte=-9\r\nFaceName=Courier\r\n");
    PrintFonts fonts;
    fonts.loadFonts(ini, 0, false);
    FontSpec zero = fonts.font(PrintFont::Small);
    zero.height = 0;
    zero.faceName = "Arial";
    fonts.setFont(PrintFont::Small, zero);
    fonts.saveFonts(ini);
    EXPECT_EQ(ini.getInt("Small Font", "Hoogte", -1), 0);
    EXPECT_EQ(ini.getString("Small Font", "FaceName", ""), "Courier");
}

TEST(PrintFonts, TheListFontStaysFixed) {
    PrintFonts fonts;
    fonts.loadFonts(IniFile(), 0, false);
    FontSpec other = fonts.font(PrintFont::List);
    other.height = -30;
    fonts.setFont(PrintFont::List, other);
    EXPECT_EQ(fonts.font(PrintFont::List), PrintFonts::defaultFont(PrintFont::List, 0));

    IniFile ini;
    fonts.saveFonts(ini);
    // Seven sections of eight keys, nothing for the list font.
    int lines = 0;
    for (char c : ini.serialize()) lines += c == '\n';
    EXPECT_EQ(lines, 7 * 9);
}

}  // namespace
}  // namespace ambon
