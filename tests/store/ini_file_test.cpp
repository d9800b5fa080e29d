// The INI reader/writer: lookup rules, where changes land in the file, what is kept byte for
// byte, the Windows-1252 texts, and survival of arbitrary bytes.
#include "store/ini_file.h"

#include <climits>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace ambon {
namespace {

TEST(IniFile, LookupIgnoresCaseAndBlanksAndTakesTheFirstMatch) {
    const IniFile ini = IniFile::parse(
        "top=1\n"
        "[Gemeente]\n"
        "  Left Margin \t=  35  \n"
        "left margin=99\n"
        ";Omit=1\n"
        "no equals sign here\n"
        "[ Schema Formaat ]\n"
        "Titel=  Mijn schema \n"
        "[gemeente]\n"
        "Extra=7\n");

    EXPECT_EQ(ini.getInt("GEMEENTE", "LEFT MARGIN", -1), 35);
    EXPECT_EQ(ini.getString("schema formaat", "titel", "x"), "Mijn schema");
    // Only the first section of a name is read.
    EXPECT_FALSE(ini.hasKey("Gemeente", "Extra"));
    // A key before any section, a comment and a line without "=" are no keys.
    EXPECT_FALSE(ini.hasKey("", "top"));
    EXPECT_FALSE(ini.hasKey("Gemeente", "Omit"));
    EXPECT_FALSE(ini.hasKey("Gemeente", ";Omit"));
    EXPECT_FALSE(ini.hasKey("Gemeente", "no equals sign here"));
    EXPECT_EQ(ini.getString("Gemeente", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.getInt("Nowhere", "Left Margin", 20), 20);
    EXPECT_TRUE(ini.hasSection("SCHEMA formaat"));
}

TEST(IniFile, IntegersReadLikeAtoiWithTheDefaultForNonNumbers) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-16", -16},
        {"+7", 7},
        {"12abc", 12},
        {"0012", 12},
        {"  42  ", 42},
        {"abc", -5},
        {"", -5},
        {"-", -5},
        {"- 3", -5},
        {"0x10", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"-2147483648", INT_MIN},
        {"12632256", 0xC0C0C0},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::parse(std::string("[s]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(ini.getInt("s", "k", -5), c.expected) << "value \"" << c.value << "\"";
    }
}

TEST(IniFile, ExistingKeyIsReplacedInItsOwnLine) {
    IniFile ini = IniFile::parse(
        "; settings\n"
        "[Schema formaat]\n"
        "  TITEL = oud\n"
        "Bars=1\n"
        "\n"
        "[Other]\n"
        "Titel=unchanged\n");
    ini.setString("schema FORMAAT", "Titel", "nieuw");
    ini.setInt("Schema formaat", "bars", -3);

    EXPECT_EQ(ini.serialize(),
              "; settings\r\n"
              "[Schema formaat]\r\n"
              "TITEL=nieuw\r\n"
              "Bars=-3\r\n"
              "\r\n"
              "[Other]\r\n"
              "Titel=unchanged\r\n");
    EXPECT_EQ(ini.getString("Schema formaat", "Titel", ""), "nieuw");
    EXPECT_EQ(ini.getInt("Schema formaat", "Bars", 0), -3);
}

TEST(IniFile, NewKeysFollowTheLastKeyOfTheirSectionAndNewSectionsGoLast) {
    IniFile ini = IniFile::parse(
        "[A]\r\n"
        "one=1\r\n"
        "; a comment after the last key\r\n"
        "\r\n"
        "[Empty]\r\n"
        "; nothing here\r\n"
        "[B]\r\n"
        "x=0");  // no final line break
    ini.setInt("a", "two", 2);
    ini.setInt("A", "three", 3);
    ini.setInt("EMPTY", "first", 1);
    ini.setString("New", "k", "v");
    ini.setInt("new", "k2", 5);

    EXPECT_EQ(ini.serialize(),
              "[A]\r\n"
              "one=1\r\n"
              "two=2\r\n"
              "three=3\r\n"
              "; a comment after the last key\r\n"
              "\r\n"
              "[Empty]\r\n"
              "first=1\r\n"
              "; nothing here\r\n"
              "[B]\r\n"
              "x=0\r\n"
              "[New]\r\n"
              "k=v\r\n"
              "k2=5\r\n");
}

TEST(IniFile, LineEndsAreReadEitherWayAndWrittenAsCrLf) {
    EXPECT_EQ(IniFile::parse("").serialize(), "");
    EXPECT_EQ(IniFile::parse("a=1\nb=2\r\n").serialize(), "a=1\r\nb=2\r\n");
    EXPECT_EQ(IniFile::parse("\n\n").serialize(), "\r\n\r\n");
    EXPECT_EQ(IniFile::parse("[s]\r\nk=v\r").serialize(), "[s]\r\nk=v\r\n");
    EXPECT_EQ(IniFile::parse("[s]\r\nk=v\r").getString("s", "k", ""), "v");
}

TEST(IniFile, LinesItDoesNotChangeKeepEveryByte) {
    const std::string file = std::string(
                                 "\xEF\xBB\xBF; header \x80\x81\xFF\r\n"
                                 "[S]\r\n"
                                 "weird line \r with a lone CR\r\n"
                                 "  spaced = value with \t tab  \r\n"
                                 "nul") +
                             std::string(1, '\0') + "byte=1\r\n" + "[T]\r\n" + "k=old\r\n";
    IniFile ini = IniFile::parse(file);
    EXPECT_EQ(ini.serialize(), file);
    ini.setString("T", "k", "new");
    std::string expected = file;
    expected.replace(expected.find("k=old"), 5, "k=new");
    EXPECT_EQ(ini.serialize(), expected);
}

TEST(IniFile, TextsAreWindows1252OnDiskAndUtf8InMemory) {
    IniFile ini;
    ini.setString("Schema formaat", "Titel", "Openbare lezingen schéma");
    EXPECT_EQ(ini.serialize(), "[Schema formaat]\r\nTitel=Openbare lezingen sch\xE9ma\r\n");

    IniFile back = IniFile::parse(ini.serialize());
    EXPECT_EQ(back.getString("Schema formaat", "Titel", ""), "Openbare lezingen schéma");

    // Names are matched in Windows-1252 too; a character outside the code page becomes "?".
    IniFile other = IniFile::parse("[Orat\xE8]\r\nnaam=\x80 5\r\n");
    EXPECT_EQ(other.getString("Oratè", "naam", ""), "€ 5");
    other.setString("Oratè", "naam", "Жора");
    EXPECT_EQ(other.serialize(), "[Orat\xE8]\r\nnaam=????\r\n");
}

TEST(IniFile, ValuesNeverSpanLines) {
    IniFile ini = IniFile::parse("[s]\r\nk=1\r\n");
    ini.setString("s", "k", "two\r\nlines\n[evil]");
    EXPECT_EQ(ini.serialize(), "[s]\r\nk=two  lines [evil]\r\n");
    EXPECT_FALSE(IniFile::parse(ini.serialize()).hasSection("evil"));
}

// Random bytes, with the characters that matter to the format made frequent, cut and
// over-long lines: parsing never fails, a second pass changes nothing, and a key that has
// been set reads back whatever surrounded it.
TEST(IniFile, SurvivesArbitraryBytes) {
    const char interesting[] = {'[', ']', '=', ';', ' ', '\t', '\r', '\n', '\0', 'k', 'S'};
    for (unsigned seed : {1u, 2u, 3u, 17u, 4242u, 99991u}) {
        std::mt19937 rng(seed);
        for (int round = 0; round < 40; ++round) {
            std::string bytes;
            const int pieces = static_cast<int>(rng() % 200);
            for (int p = 0; p < pieces; ++p) {
                switch (rng() % 12) {
                    case 0:  // over-long line
                        bytes += std::string(1000 + rng() % 20000, static_cast<char>(rng()));
                        break;
                    case 1:
                        bytes += interesting[rng() % sizeof interesting];
                        break;
                    case 2:
                        bytes += "[S]\r\n";
                        break;
                    case 3:
                        bytes += "k=" + std::to_string(static_cast<int>(rng())) + "\n";
                        break;
                    default:
                        bytes += static_cast<char>(rng());
                        break;
                }
            }
            // Cut somewhere, often mid-line.
            if (!bytes.empty() && rng() % 2) bytes.resize(rng() % bytes.size());

            IniFile ini = IniFile::parse(bytes);
            const std::string once = ini.serialize();
            EXPECT_EQ(IniFile::parse(once).serialize(), once) << "seed " << seed;
            (void)ini.getInt("S", "k", 0);
            (void)ini.getString("s", "", "");

            const int value = static_cast<int>(rng());
            ini.setInt("S", "k", value);
            ini.setString("Schema formaat", "Titel", "schéma");
            EXPECT_EQ(ini.getInt("s", "K", 0), value) << "seed " << seed;
            IniFile reread = IniFile::parse(ini.serialize());
            EXPECT_EQ(reread.getInt("S", "k", 0), value) << "seed " << seed;
            EXPECT_EQ(reread.getString("schema formaat", "titel", ""), "schéma");
        }
    }
}

}  // namespace
}  // namespace ambon
