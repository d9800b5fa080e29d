// When each command and panel button is available, over the data that decides it.
#include "shell/command_rules.h"

#include <gtest/gtest.h>

#include "shell/command_ids.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

// A document with a chosen number of brothers and congregations, a home congregation
// (with one brother of its own when asked) and the planning flags.
struct World {
    struct Shape {
        int brothers = 0;
        int congregations = 0;
        bool home = false;
        bool homeHasBrother = false;
        bool hospitality = false;
        bool readers = false;
    };

    explicit World(Shape s) : clock(2026, 12, 11), doc(clock, messages) {
        doc.startUp(dir.path());
        for (int i = 0; i < s.congregations; ++i) {
            CongregationRecord c;
            c.name = "Gemeente " + std::to_string(i + 1);
            doc.congregations().addCongregation(c);
        }
        for (int i = 0; i < s.brothers; ++i) {
            BrotherRecord b;
            b.firstName = "Jan";
            b.lastName = "Broeder" + std::to_string(i);
            if (i == 0 && s.homeHasBrother) b.congId = 1;
            doc.brothers().addBrother(b, {});
        }
        if (s.home) doc.settings().homeCongId = 1;
        doc.settings().planHospitality = s.hospitality ? 1 : 0;
        doc.settings().planReaders = s.readers ? 1 : 0;
    }

    test::TempDataDir dir;
    test::FixedClock clock;
    test::FakeMessages messages;
    CAmbDoc doc;
};

TEST(CommandRules, CommandsFollowTheirData) {
    struct Case {
        const char* name;
        World::Shape shape;
        int command;
        bool inDocument;
        bool expected;
    };
    const Case cases[] = {
        {"export needs two brothers", {1, 2}, cmd::ExportPackage, false, false},
        {"export needs two congregations", {2, 1}, cmd::ExportPackage, false, false},
        {"export with two of each", {2, 2}, cmd::ExportPackage, false, true},
        {"own congregation with one congregation", {0, 1}, cmd::OwnCongregation, false, false},
        {"own congregation with two", {0, 2}, cmd::OwnCongregation, false, true},
        {"history editor without home", {0, 1}, cmd::EditHistory, false, false},
        {"history editor with home", {0, 1, true}, cmd::EditHistory, false, true},
        {"guest letter without home", {0, 1}, cmd::GuestLetter, false, false},
        {"guest letter with home", {0, 1, true}, cmd::GuestLetter, false, true},
        {"chairman page without home brother", {1, 1, true}, cmd::Chairman, false, false},
        {"chairman page with home brother", {1, 1, true, true}, cmd::Chairman, false, true},
        {"hospitality off", {}, cmd::Hospitality, false, false},
        {"hospitality on", {.hospitality = true}, cmd::Hospitality, false, true},
        {"readers off", {}, cmd::Readers, false, false},
        {"readers on", {.readers = true}, cmd::Readers, false, true},
        {"reader list off", {}, cmd::ReaderList, false, false},
        {"reader list on", {.readers = true}, cmd::ReaderList, false, true},
        {"print in panel mode", {}, cmd::Print, false, false},
        {"print in document mode", {}, cmd::Print, true, true},
        {"preview in panel mode", {}, cmd::PrintPreview, false, false},
        {"return in panel mode", {}, cmd::ReturnToPanel, false, false},
        {"return in document mode", {}, cmd::ReturnToPanel, true, true},
        {"restore in panel mode", {}, cmd::Restore, false, true},
        {"restore in document mode", {}, cmd::Restore, true, false},
        {"congregations always", {}, cmd::Congregations, true, true},
        {"preferences always", {}, cmd::Preferences, false, true},
    };
    for (const Case& c : cases) {
        World w(c.shape);
        CAmbView view;
        if (c.inDocument) view.showDocument(doc_kind::Schedule);
        EXPECT_EQ(commandRuleAllows(w.doc, view, c.command), c.expected) << c.name;
    }
}

TEST(CommandRules, PanelButtonsFollowTheirOwnRules) {
    struct Case {
        const char* name;
        World::Shape shape;
        int button;
        bool expected;
    };
    const Case cases[] = {
        {"hospitality off", {}, panel::Hospitality, false},
        {"hospitality on", {.hospitality = true}, panel::Hospitality, true},
        {"readers off", {}, panel::Readers, false},
        {"readers on", {.readers = true}, panel::Readers, true},
        {"own congregation with one", {0, 1}, panel::OwnCongregation, false},
        {"own congregation with two", {0, 2}, panel::OwnCongregation, true},
        {"history without home", {0, 1}, panel::EditHistory, false},
        {"history with home", {0, 1, true}, panel::EditHistory, true},
        // The panel's chairman button does not wait for a brother of the home congregation.
        {"chairman always", {}, panel::Chairman, true},
        {"close always", {}, panel::CloseProgram, true},
    };
    for (const Case& c : cases) {
        World w(c.shape);
        EXPECT_EQ(panelRuleAllows(w.doc, c.button), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace ambon
