// The document settings: defaults without a file, reading a hand-made file, the exact text
// writeSettings produces, and the dialling option that never stays on.
#include "store/settings.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

TEST(Settings, DefaultsWithoutAFile) {
    Settings s;
    s.title = "stale";
    s.topMargin = 1;
    s.autoCap = 0;
    readSettings(IniFile(), s);

    EXPECT_EQ(s.homeCongId, 0);
    EXPECT_EQ(s.title, "Openbare lezingen schema");
    EXPECT_EQ(s.topMargin, 50);
    EXPECT_EQ(s.leftMargin, 20);
    EXPECT_EQ(s.barColour, 0xC0C0C0);
    EXPECT_EQ(s.autoCap, 1);
    EXPECT_EQ(s.bars, 0);
    EXPECT_EQ(s.alternativeDateFormat, 0);
    EXPECT_EQ(s.serviceYear, 0);
    EXPECT_EQ(s.planReaders, 0);
    EXPECT_EQ(s.planHospitality, 0);
    EXPECT_EQ(s.showReaders, 0);
    EXPECT_EQ(s.omitTalkNumbers, 0);
    EXPECT_EQ(s.omitOutgoingSpeakers, 0);
    EXPECT_EQ(s.dateStamp, 0);
    EXPECT_EQ(s.dialling, 0);
}

TEST(Settings, ReadsEveryKeyAndNeverTheDiallingOption) {
    const IniFile ini = IniFile::parse(
        "[congregation]\r\n"
        "NUMBER=12\r\n"
        "[Gemeente]\r\n"
        "Alternatief datum formaat=1\r\n"
        "lezing inclusief = 1\r\n"
        "Gastgezin=1\r\n"
        "Left Margin=7\r\n"
        "[Meeting Time Change]\r\n"
        "Service Year=1\r\n"
        "[Schema formaat]\r\n"
        "Titel=Lezingen van de gemeente Zuid\r\n"
        "Toon Lezers=1\r\n"
        "Omit OTLK=1\r\n"
        "Omit OSPK=1\r\n"
        "Bars=4\r\n"
        "Bars*=255\r\n"
        "Date Stamp=1\r\n"
        "Top Margin=0\r\n"
        "[Dial OK]\r\n"
        "Enabled=1\r\n"
        "[AutoCap]\r\n"
        "Enabled=0\r\n");
    Settings s;
    readSettings(ini, s);

    EXPECT_EQ(s.homeCongId, 12);
    EXPECT_EQ(s.alternativeDateFormat, 1);
    EXPECT_EQ(s.planReaders, 1);
    EXPECT_EQ(s.planHospitality, 1);
    EXPECT_EQ(s.leftMargin, 7);
    EXPECT_EQ(s.serviceYear, 1);
    EXPECT_EQ(s.title, "Lezingen van de gemeente Zuid");
    EXPECT_EQ(s.showReaders, 1);
    EXPECT_EQ(s.omitTalkNumbers, 1);
    EXPECT_EQ(s.omitOutgoingSpeakers, 1);
    EXPECT_EQ(s.bars, 4);
    EXPECT_EQ(s.barColour, 255);
    EXPECT_EQ(s.dateStamp, 1);
    EXPECT_EQ(s.topMargin, 0);
    EXPECT_EQ(s.dialling, 0);
    EXPECT_EQ(s.autoCap, 0);
}

TEST(Settings, WriteToAFreshFileGivesTheKeysInTheirOrder) {
    IniFile ini;
    writeSettings(ini, Settings());
    EXPECT_EQ(ini.serialize(),
              "[Gemeente]\r\n"
              "Lezing inclusief=0\r\n"
              "Gastgezin=0\r\n"
              "Alternatief datum formaat=0\r\n"
              "Left Margin=20\r\n"
              "[Meeting Time Change]\r\n"
              "Service Year=0\r\n"
              "[Schema formaat]\r\n"
              "Titel=Openbare lezingen schema\r\n"
              "Toon Lezers=0\r\n"
              "Omit OTLK=0\r\n"
              "Omit OSPK=0\r\n"
              "Bars=0\r\n"
              "Bars*=12632256\r\n"
              "Top Margin=50\r\n"
              "Date Stamp=0\r\n"
              "[Dial OK]\r\n"
              "Enabled=0\r\n"
              "[AutoCap]\r\n"
              "Enabled=1\r\n");
}

TEST(Settings, RewriteReplacesValuesInPlaceAndTurnsDiallingOff) {
    const std::string before =
        "[Congregation]\r\n"
        "Number=3\r\n"
        "[Lettertype]\r\n"
        "Hoogte=-16\r\n"
        "[Dial OK]\r\n"
        "Enabled=1\r\n"
        "[Schema formaat]\r\n"
        "Bars=1\r\n";
    IniFile ini = IniFile::parse(before);
    Settings s;
    readSettings(ini, s);
    s.title = "Schéma voor 2027";
    s.bars = 2;
    s.planReaders = 1;
    writeSettings(ini, s);

    EXPECT_EQ(ini.serialize(),
              "[Congregation]\r\n"
              "Number=3\r\n"
              "[Lettertype]\r\n"
              "Hoogte=-16\r\n"
              "[Dial OK]\r\n"
              "Enabled=0\r\n"
              "[Schema formaat]\r\n"
              "Bars=2\r\n"
              "Titel=Sch\xE9ma voor 2027\r\n"
              "Toon Lezers=0\r\n"
              "Omit OTLK=0\r\n"
              "Omit OSPK=0\r\n"
              "Bars*=12632256\r\n"
              "Top Margin=50\r\n"
              "Date Stamp=0\r\n"
              "[Gemeente]\r\n"
              "Lezing inclusief=1\r\n"
              "Gastgezin=0\r\n"
              "Alternatief datum formaat=0\r\n"
              "Left Margin=20\r\n"
              "[Meeting Time Change]\r\n"
              "Service Year=0\r\n"
              "[AutoCap]\r\n"
              "Enabled=1\r\n");

    Settings again;
    readSettings(IniFile::parse(ini.serialize()), again);
    EXPECT_EQ(again.title, "Schéma voor 2027");
    EXPECT_EQ(again.bars, 2);
    EXPECT_EQ(again.planReaders, 1);
    EXPECT_EQ(again.homeCongId, 3);
}

TEST(Settings, HomeCongregationIsWrittenOnItsOwn) {
    IniFile ini;
    writeHomeCongregation(ini, 41);
    EXPECT_EQ(ini.serialize(), "[Congregation]\r\nNumber=41\r\n");
    writeHomeCongregation(ini, 0);
    EXPECT_EQ(ini.serialize(), "[Congregation]\r\nNumber=0\r\n");

    Settings s;
    writeHomeCongregation(ini, 17);
    readSettings(ini, s);
    EXPECT_EQ(s.homeCongId, 17);
}

}  // namespace
}  // namespace ambon
