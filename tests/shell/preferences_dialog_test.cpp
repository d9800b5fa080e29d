// The preferences screen: its rules, what OK and Cancel keep, and that the settings
// file is rewritten after either.
#include "shell/preferences_dialog.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest() : doc(tp.clock, tp.messages) { doc.startUp(dir.path()); }

    test::TempDataDir dir;
    test::TestPlatform tp;
    CAmbDoc doc;
};

TEST_F(PreferencesTest, BarButtonCyclesThroughTheStylesAndColourOnlyForColored) {
    PreferencesDialog d(doc, tp.colours);
    const char* names[] = {"No", "Grey", "Black", "White", "Colored", "No"};
    for (int press = 0; press <= 5; ++press) {
        auto v = d.view();
        EXPECT_EQ(v.barStyle.text,
                  std::string("Print Titels and Datumss met ") + names[press] + " Bars");
        EXPECT_EQ(v.barColour.visible, press == 4) << press;
        d.pressBarStyle();
    }
}

TEST_F(PreferencesTest, ReaderPrintingFollowsReaderPlanningAndAutoCapFollowsLanguage) {
    PreferencesDialog d(doc, tp.colours);
    EXPECT_FALSE(d.view().showReaders.visible);
    d.setChecked(PreferencesDialog::PlanReaders, true);
    EXPECT_TRUE(d.view().showReaders.visible);
    d.setChecked(PreferencesDialog::PlanReaders, false);
    EXPECT_FALSE(d.view().showReaders.visible);
    EXPECT_FALSE(d.view().autoCap.visible);  // Dutch
    EXPECT_FALSE(d.view().letters.visible);

    test::TempDataDir other;
    CAmbDoc english(tp.clock, tp.messages);
    english.startUp(other.path(), {.languageCode = "eng"});
    EXPECT_TRUE(PreferencesDialog(english, tp.colours).view().autoCap.visible);
}

TEST_F(PreferencesTest, OkKeepsEveryChoiceAndWritesTheFile) {
    tp.colours.answer = 0x0000FFu;
    tp.screens.onPreferencesDialog = [](PreferencesDialog& d) {
        d.setChecked(PreferencesDialog::AlternativeDate, true);
        d.setChecked(PreferencesDialog::PlanHospitality, true);
        d.setChecked(PreferencesDialog::ServiceYear, true);
        d.setChecked(PreferencesDialog::OmitTalkNumbers, true);
        d.setTitle("Lezingen 2027");
        for (int i = 0; i < 4; ++i) d.pressBarStyle();
        d.pressBarColour();
        d.topMargin().select(35);
        d.topMargin().focusLost();
        d.leftMargin().typeDigit('7');
        d.ok();
        return true;
    };
    EXPECT_TRUE(showPreferences(doc, tp.screens, tp.colours));
    const Settings& s = doc.settings();
    EXPECT_EQ(s.alternativeDateFormat, 1);
    EXPECT_EQ(s.planHospitality, 1);
    EXPECT_EQ(s.serviceYear, 1);
    EXPECT_EQ(s.omitTalkNumbers, 1);
    EXPECT_EQ(s.title, "Lezingen 2027");
    EXPECT_EQ(s.bars, 4);
    EXPECT_EQ(s.barColour, 0x0000FF);
    EXPECT_EQ(s.topMargin, 35);
    EXPECT_EQ(s.leftMargin, 7);  // Enter in the list takes its selection
    EXPECT_TRUE(doc.dataChanged());

    std::string ini = dir.readText("ambon.ini");
    EXPECT_NE(ini.find("Titel=Lezingen 2027\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Bars*=255\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Top Margin=35\r\n"), std::string::npos);
    EXPECT_NE(ini.find("[Meeting Time Change]\r\nService Year=1\r\n"), std::string::npos);
}

TEST_F(PreferencesTest, CancelChangesNothingButStillRewritesTheFile) {
    ASSERT_FALSE(dir.exists("ambon.ini"));
    tp.screens.onPreferencesDialog = [](PreferencesDialog& d) {
        d.setChecked(PreferencesDialog::PlanReaders, true);
        d.cancel();
        return false;
    };
    EXPECT_FALSE(showPreferences(doc, tp.screens, tp.colours));
    EXPECT_EQ(doc.settings().planReaders, 0);
    EXPECT_FALSE(doc.dataChanged());
    std::string ini = dir.readText("ambon.ini");
    EXPECT_NE(ini.find("Lezing inclusief=0\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Top Margin=50\r\n"), std::string::npos);
}

TEST_F(PreferencesTest, AColourOutsideTheColouredStyleFallsBackToGrey) {
    doc.settings().bars = 4;
    doc.settings().barColour = 0x123456;
    tp.screens.onPreferencesDialog = [](PreferencesDialog& d) {
        d.pressBarStyle();  // Colored -> No
        d.ok();
        return true;
    };
    showPreferences(doc, tp.screens, tp.colours);
    EXPECT_EQ(doc.settings().bars, 0);
    EXPECT_EQ(doc.settings().barColour, 0xC0C0C0);
}

TEST(NumberList, TypingArrowsAndFocus) {
    NumberList list;
    list.open(50);
    EXPECT_EQ(list.top(), 50);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.view().rows[7], "07");

    list.typeDigit('4');
    EXPECT_EQ(list.selected(), 4);
    list.typeDigit('2');
    EXPECT_EQ(list.selected(), 42);
    list.typeDigit('9');  // a third digit starts a new number
    EXPECT_EQ(list.selected(), 9);

    list.select(0);
    list.arrow(-1);
    EXPECT_EQ(list.selected(), 99);
    list.arrow(1);
    EXPECT_EQ(list.selected(), 0);

    EXPECT_EQ(list.top(), 50);  // the value changes only when the list loses the focus
    list.focusLost();
    EXPECT_EQ(list.top(), 0);

    list.scrolledTo(120);
    EXPECT_EQ(list.top(), 99);
}

}  // namespace
}  // namespace ambon
