// Finding a congregation by name: the duplicate message, the overwrite question and
// the results that tell the caller what to do.
#include "reference/congregation_ops.h"

#include <gtest/gtest.h>

#include "support/congregation_fixture.h"

namespace ambon {
namespace {

using test::congregation;
using test::CongregationFixture;

class FindCongregationByName : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCongregations(
            {congregation("Noord", 1), congregation("Oost", 2), congregation("Zuid", 3)});
        f.start();
        // Table order: Noord 0, Oost 1, Zuid 2.
        ASSERT_EQ(f.congregationNames(), (std::vector<std::string>{"Noord", "Oost", "Zuid"}));
    }
    CongregationFixture f;
};

TEST_F(FindCongregationByName, ResultsAndMessages) {
    struct Case {
        const char* text;
        bool offerOverwrite;
        int exceptIndex;
        std::vector<MsgResult> answers;
        int result;
        const char* message;  // nullptr: no message
        MsgButtons buttons;
    };
    const Case cases[] = {
        {"West", false, -1, {}, 0, nullptr, MsgButtons::Ok},
        {"West", true, -1, {}, 0, nullptr, MsgButtons::Ok},
        // Case and surrounding blanks do not make a name different.
        {"  oOST ", false, -1, {}, -1, "Oost Dubbele naam.\n\n", MsgButtons::Ok},
        // Its own entry is skipped without the offer ...
        {"Oost", false, 1, {}, 0, nullptr, MsgButtons::Ok},
        // ... but not with it.
        {"oost",
         true,
         1,
         {MsgResult::Yes},
         2,
         "Oost Dubbele naam.\n\nOverschrijven met nieuwe gegevens?",
         MsgButtons::YesNo},
        {"Zuid",
         true,
         -1,
         {MsgResult::No},
         -1,
         "Zuid Dubbele naam.\n\nOverschrijven met nieuwe gegevens?",
         MsgButtons::YesNo},
        {"ZUID", false, kSilentNameLookup, {}, 3, nullptr, MsgButtons::Ok},
        {"noord", true, kSilentNameLookup, {}, 1, nullptr, MsgButtons::Ok},
    };
    for (const Case& c : cases) {
        f.tp.messages.shown.clear();
        for (auto a : c.answers) f.tp.messages.answer(a);
        int result =
            findCongregationByName(*f.doc, f.tp.messages, c.text, c.offerOverwrite, c.exceptIndex);
        EXPECT_EQ(result, c.result) << c.text << " " << c.exceptIndex;
        if (c.message == nullptr) {
            EXPECT_TRUE(f.tp.messages.shown.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(f.tp.messages.shown.size(), 1u) << c.text;
        EXPECT_EQ(f.tp.messages.shown[0].text, c.message);
        EXPECT_EQ(f.tp.messages.shown[0].buttons, c.buttons);
        if (c.buttons == MsgButtons::YesNo)
            EXPECT_EQ(f.tp.messages.shown[0].defaultButton, MsgResult::No);
    }
}

TEST(BrothersOfCongregation, CountsTheBrothersOfOneCongregation) {
    CongregationFixture f;
    f.writeCongregations({congregation("Noord", 1), congregation("Oost", 2)});
    f.writeBrothers({test::brother("Jan", "Jansen", 1, 2), test::brother("Piet", "Pieters", 2, 2),
                     test::brother("Kees", "Smit", 3, 0), test::brother("Wim", "Wit", 4, 1)});
    CAmbDoc& doc = f.start();
    EXPECT_EQ(brothersOfCongregation(doc, 2), 2);
    EXPECT_EQ(brothersOfCongregation(doc, 1), 1);
    EXPECT_EQ(brothersOfCongregation(doc, 3), 0);
}

}  // namespace
}  // namespace ambon
