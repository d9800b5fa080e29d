// The settings file on disk: a missing file, a save and reload, and a read-only directory.
#include "store/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_data_dir.h"

namespace ambon {
namespace {

TEST(SettingsFile, MissingFileGivesEmptySettingsAndSaveCreatesIt) {
    test::TempDataDir temp;
    DataDir dir(temp.path());
    SettingsFile file(dir);
    file.ini().setInt("stale", "k", 1);
    EXPECT_FALSE(file.reload());
    EXPECT_TRUE(file.ini().empty());

    file.ini().setString("Schema formaat", "Titel", "schéma");
    EXPECT_TRUE(file.save());
    EXPECT_EQ(temp.list(), std::vector<std::string>{"ambon.ini"});
    EXPECT_EQ(temp.readText("ambon.ini"), "[Schema formaat]\r\nTitel=sch\xE9ma\r\n");
}

TEST(SettingsFile, ReloadReadsWhatIsOnDiskAndSaveKeepsTheRest) {
    test::TempDataDir temp;
    temp.writeText("ambon.ini", "; hand-made\n[Gemeente]\nLeft Margin=30\n");
    DataDir dir(temp.path());
    SettingsFile file(dir);
    ASSERT_TRUE(file.reload());
    EXPECT_EQ(file.ini().getInt("Gemeente", "Left Margin", 0), 30);

    file.ini().setInt("Gemeente", "Left Margin", 5);
    ASSERT_TRUE(file.save());
    EXPECT_EQ(temp.readText("ambon.ini"), "; hand-made\r\n[Gemeente]\r\nLeft Margin=5\r\n");
}

TEST(SettingsFile, NothingIsWrittenInAReadOnlyDataDirectory) {
    test::TempDataDir temp;
    temp.writeText("ambon.ini", "[Gemeente]\r\nLeft Margin=30\r\n");
    DataDir dir(temp.path());
    SettingsFile file(dir);
    ASSERT_TRUE(file.reload());
    file.ini().setInt("Gemeente", "Left Margin", 5);
    dir.setReadOnly(true);
    EXPECT_FALSE(file.save());
    EXPECT_EQ(temp.readText("ambon.ini"), "[Gemeente]\r\nLeft Margin=30\r\n");
    EXPECT_EQ(temp.list(), std::vector<std::string>{"ambon.ini"});
}

}  // namespace
}  // namespace ambon
