// String table: texts with line breaks, quotes and significant blanks come out exactly,
// missing ids are empty, and the generated talk-title range follows its rules.
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ambon {
namespace {

// Blanks before line breaks, doubled blanks and escaped quotes and backslashes are where a
// hand-copied text goes wrong; the raw strings spell the quotes out independently.
TEST(StringTable, TrickyTextsComeOutExactly) {
    struct Case {
        int id;
        std::string_view text;
    };
    const Case cases[] = {
        {2, "Redazedu Reredova Rozerudi Vadezuri - Ambon"},
        {1231,
         "Unable to update file: %1.\nRemove the \nread-only attribute from the directory / file "
         "or obtain permission to update \nfiles in this directory."},
        {1286,
         "The Schedule has been exported to a tab \ndelimited file named\n\n%1\\ptsched.txt."},
        {1293,
         "%1 Congregation information has been exported \nto file: \"%1.C1D\" located in your "
         "Ambon directory.\n\nExported data \nincludes brothers, talks, and availability."},
        {1088, "Adding the %1 will require the following \nchanges to the %2 schedule:    \n\n"},
        {631, R"(Observing the "Lord's Evening Meal")"},
        {1164,
         R"(We zijn verheugd dat je onze gemeente komt bezoeken op %1 om de lezing te geven, "%2")"},
        {1298,
         R"(Je kunt het bestand "%1" verzenden naar andere gemeenten die dit programma gebruiken.)"},
        {1013, "Selecteer een spreker om te ruilen met %1 of -> "},
        {1066, "Laatste:  "},
        {1182, "  ( Outgoing )"},
        {1269, "Niet in de laatste  2 jaren"},
        {1019, "Selecteer een voorzitter om te ruilen met\n%1\nof"},
        {1274, "Start \n%1"},
        {1258, "Sunday"},
        {32860, "Maak een complete backup\nBackup"},
        {32864, "Voorkeuren"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(hasString(c.id)) << "id " << c.id;
        EXPECT_EQ(stringText(c.id), c.text) << "id " << c.id;
    }
}

TEST(StringTable, MapRulesKeepTheirInchMarksAndLineBreaks) {
    const std::string_view rules = stringText(1158);
    EXPECT_TRUE(rules.starts_with("Use your favorite image editor or mapping \nprogram to"));
    EXPECT_NE(rules.find(R"(displayed and printed 5" high and 7" wide so)"),
              std::string_view::npos);
    EXPECT_EQ(std::count(rules.begin(), rules.end(), '\n'), 17);
    EXPECT_TRUE(rules.ends_with("or a combination of the two."));
}

TEST(StringTable, MissingIdsAreEmpty) {
    for (int id : {-1, 0, 1, 400, 657, 724, 1035, 1214, 99999}) {
        EXPECT_FALSE(hasString(id)) << "id " << id;
        EXPECT_TRUE(stringText(id).empty()) << "id " << id;
    }
}

TEST(StringTable, TalkTitlesFollowTheirRules) {
    EXPECT_EQ(stringText(401), "Hoe goed ken je God?");
    EXPECT_EQ(stringText(594), "De voordelen die Gods wijsheid voor ons heeft");
    EXPECT_EQ(stringText(632), "Funeral Discourse");
    EXPECT_EQ(stringText(641), "Honorable Marriage in God's Sight");
    for (int id = 403; id <= 593; ++id) {
        EXPECT_EQ(stringText(id), "Openbare lezing " + std::to_string(id - 400)) << "id " << id;
    }
    for (int id = 595; id <= 656; ++id) {
        if (id == 631 || id == 632 || id == 641) continue;
        EXPECT_EQ(stringText(id), " ") << "id " << id;
    }
    for (int id = 711; id <= 723; ++id) EXPECT_EQ(stringText(id), " ") << "id " << id;
}

// Every toolbar button needs a status prompt and, after the line break, a tooltip.
TEST(StringTable, ToolbarCommandsHavePromptAndTooltip) {
    for (int id : {32787, 32860, 57607, 57609, 32874, 32850, 32854, 32855, 32856, 32857, 32844,
                   32768, 32782, 32848, 32851, 57664, 57669}) {
        const std::string_view text = stringText(id);
        const auto cut = text.find('\n');
        ASSERT_NE(cut, std::string_view::npos) << "id " << id;
        EXPECT_GT(cut, 0u) << "id " << id;
        EXPECT_LT(cut + 1, text.size()) << "id " << id;
        EXPECT_EQ(text.find('\n', cut + 1), std::string_view::npos) << "id " << id;
    }
}

}  // namespace
}  // namespace ambon
