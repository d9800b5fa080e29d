// The main window's model: caption, start date, routing (the congregation, circuit and
// talk commands among them, the brothers list and the availability loop), the rule that unbuilt
// commands stay off, and the close rules.
#include "shell/main_frame.h"

#include <gtest/gtest.h>

#include "reference/brother_dialog.h"
#include "reference/brother_list_dialog.h"
#include "reference/congregation_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/name_list_dialog.h"
#include "reference/own_congregation_dialog.h"
#include "schedule/availability_dialog.h"
#include "schedule/talk_list_dialog.h"
#include "shell/about_box.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "support/brother_fixture.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

class RecordingHost : public ShellHost {
public:
    void requestWindowClose() override { ++closeRequests; }
    void openHelp(bool index) override { help.push_back(index); }
    void enterContextHelp() override { ++contextHelp; }
    void refreshViews() override { ++refreshes; }
    void viewModeChanged() override { ++modeChanges; }

    int closeRequests = 0;
    std::vector<bool> help;
    int contextHelp = 0;
    int refreshes = 0;
    int modeChanges = 0;
};

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() : doc(tp.clock, tp.messages) { doc.startUp(dir.path()); }

    test::TempDataDir dir;
    test::TestPlatform tp{test::FixedClock(2024, 12, 9)};
    CAmbDoc doc;
    CAmbView view;
    RecordingHost host;
    CMainFrame frame{doc, tp.platform, view, host};
};

TEST_F(MainFrameTest, CaptionAndStartDate) {
    EXPECT_EQ(frame.caption(), "Redazedu Reredova Rozerudi Vadezuri - Ambon");
    EXPECT_EQ(frame.startDateText(), "Dec 09, 2024");
}

TEST_F(MainFrameTest, CommandsWithoutTheirScreenStayOff) {
    // Every command of the menu is either routed or off; these have no screen yet.
    for (int command : {cmd::ExportPackage, cmd::Backup, cmd::Overview, cmd::ViewSchedule,
                        cmd::TalkYears, cmd::FontTitle}) {
        EXPECT_FALSE(frame.isEnabled(command)) << command;
        frame.execute(command);  // does nothing
    }
    EXPECT_TRUE(tp.screens.opened.empty());
    EXPECT_TRUE(frame.isEnabled(cmd::Preferences));
    EXPECT_TRUE(frame.isEnabled(cmd::About));
}

TEST_F(MainFrameTest, PanelPopupButtonIsOffWhileNoneOfItsItemsWorks) {
    EXPECT_FALSE(frame.isPanelButtonEnabled(panel::AssignmentLists));
    EXPECT_FALSE(frame.isPanelButtonEnabled(panel::CurrentSchedule));
    EXPECT_TRUE(frame.isPanelButtonEnabled(panel::CloseProgram));
}

TEST_F(MainFrameTest, AboutBoxShowsTheDataDirectory) {
    std::string shown;
    tp.screens.onAboutBox = [&](AboutBox& box) {
        shown = box.directory();
        box.ok();
        return true;
    };
    frame.execute(cmd::About);
    EXPECT_EQ(shown, dir.path().string());
}

TEST_F(MainFrameTest, HelpCommandsGoToTheWindow) {
    frame.execute(cmd::HelpContents);
    frame.execute(cmd::HelpIndex);
    frame.execute(cmd::ContextHelp);
    EXPECT_EQ(host.help, (std::vector<bool>{false, true}));
    EXPECT_EQ(host.contextHelp, 1);
}

TEST_F(MainFrameTest, CloseRules) {
    // A shown document: the first close returns to the panel, the second closes.
    view.showDocument(doc_kind::Schedule);
    EXPECT_FALSE(frame.requestClose());
    EXPECT_EQ(view.mode(), ViewMode::Panel);
    EXPECT_EQ(host.modeChanges, 1);

    // While printing nothing closes.
    view.setPrinting(true);
    EXPECT_FALSE(frame.requestClose());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.lastText(), "Use Close Button");
    view.setPrinting(false);

    EXPECT_TRUE(frame.requestClose());
    EXPECT_EQ(doc.topics().count(), 0u);  // the tables were freed
}

TEST_F(MainFrameTest, TalksButtonOpensTheCatalogue) {
    EXPECT_TRUE(frame.isEnabled(cmd::Talks));
    EXPECT_TRUE(frame.isPanelButtonEnabled(panel::Talks));
    std::string caption;
    tp.screens.onTalkListDialog = [&](TalkListDialog& list) {
        caption = list.view().caption;
        list.cancel();
        return false;
    };
    frame.pressPanelButton(panel::Talks);
    EXPECT_EQ(tp.screens.opened, std::vector<std::string>{"TalkListDialog"});
    EXPECT_EQ(caption, "Selecteer lezing om te bewerken");
    // Closing the list wrote the catalogue.
    EXPECT_EQ(dir.size("talk.dat"), 39424u);
}

TEST_F(MainFrameTest, CloseButtonsAskTheWindow) {
    frame.pressPanelButton(panel::CloseProgram);
    frame.execute(cmd::Close);
    EXPECT_EQ(host.closeRequests, 2);
}

TEST_F(MainFrameTest, ReturnToPanelOnlyFromADocument) {
    EXPECT_FALSE(frame.isEnabled(cmd::ReturnToPanel));
    view.showDocument(doc_kind::Schedule);
    EXPECT_TRUE(frame.isEnabled(cmd::ReturnToPanel));
    frame.execute(cmd::ReturnToPanel);
    EXPECT_EQ(view.mode(), ViewMode::Panel);
}

TEST(MainMenu, ToolbarOrderAndPrompts) {
    std::vector<int> expected = {32787, 0,     32860, 0,     57607, 57609, 0,     32874,
                                 32850, 32854, 32855, 32856, 32857, 0,     32844, 32768,
                                 32782, 32848, 32851, 0,     57664, 57669};
    EXPECT_EQ(toolbarCommands(), expected);
    EXPECT_EQ(commandPrompt(cmd::Backup), "Maak een complete backup");
    EXPECT_EQ(commandTooltip(cmd::Backup), "Backup");
}

TEST(MainMenu, EveryMenuCommandHasAPrompt) {
    std::function<void(const std::vector<MenuEntry>&)> walk = [&](const auto& entries) {
        for (const MenuEntry& e : entries) {
            if (e.kind == MenuEntry::Kind::Submenu) walk(e.children);
            // The small-font command has no prompt of its own.
            if (e.kind == MenuEntry::Kind::Command && e.command != cmd::FontSmall)
                EXPECT_FALSE(commandPrompt(e.command).empty()) << e.text;
        }
    };
    walk(mainMenu());
}

class MainFrameRoutes : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeCongregations({test::congregation("Assen", 1)});
        f.start();
        frame = std::make_unique<CMainFrame>(*f.doc, f.tp.platform, view, host);
    }
    test::CongregationFixture f;
    CAmbView view;
    RecordingHost host;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameRoutes, CongregationsOpenTheListAndRedrawAfterAChange) {
    bool pickMode = true;
    f.tp.screens.onCongregationListDialog = [&](CongregationListDialog& list) {
        pickMode = list.pickMode();
        list.cancel();
        return false;
    };
    ASSERT_TRUE(frame->isPanelButtonEnabled(panel::Congregations));
    frame->pressPanelButton(panel::Congregations);
    EXPECT_FALSE(pickMode);
    EXPECT_EQ(host.refreshes, 0);

    f.tp.screens.onCongregationListDialog = [&](CongregationListDialog& list) {
        list.ok();  // edits Assen
        list.cancel();
        return false;
    };
    f.tp.screens.onCongregationDialog = [](CongregationDialog& d) {
        d.setText(CongregationDialog::Phone1, "0592-123456");
        d.ok();
        return true;
    };
    frame->execute(cmd::Congregations);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(f.congSlot(1).phone1, "0592-123456");
}

TEST_F(MainFrameRoutes, CircuitsOpenTheCircuitListForEditing) {
    f.tp.screens.onNameListDialog = [](NameListDialog& list) {
        EXPECT_FALSE(list.pickMode());
        EXPECT_EQ(list.view().caption, "Kringen");
        list.pressAdd();
        list.setEditText("Noord");
        list.ok();
        list.cancel();
        return false;
    };
    ASSERT_TRUE(frame->isPanelButtonEnabled(panel::Circuits));
    frame->pressPanelButton(panel::Circuits);
    EXPECT_EQ(f.tp.screens.opened, std::vector<std::string>{"NameListDialog"});
    ASSERT_EQ(f.doc->circuits().count(), 1u);
    EXPECT_EQ(f.doc->circuits().records()[0].id, 30001);
}

TEST_F(MainFrameRoutes, OwnCongregationNeedsTwoCongregationsAndRedrawsAfterAChoice) {
    // Only Assen: menu entry and panel button are off.
    EXPECT_FALSE(frame->isEnabled(cmd::OwnCongregation));
    EXPECT_FALSE(frame->isPanelButtonEnabled(panel::OwnCongregation));
    frame->pressPanelButton(panel::OwnCongregation);
    EXPECT_TRUE(f.tp.screens.opened.empty());

    f.doc->congregations().addCongregation(test::congregation("Beilen", 0));
    f.doc->congregations().sortCongregations();
    ASSERT_TRUE(frame->isEnabled(cmd::OwnCongregation));
    ASSERT_TRUE(frame->isPanelButtonEnabled(panel::OwnCongregation));
    f.tp.screens.onCongregationListDialog = [](CongregationListDialog& list) {
        list.selectRow(1);
        list.ok();
        return true;
    };
    f.tp.screens.onOwnCongregationDialog = [](OwnCongregationDialog& own) {
        own.pressChoose();
        own.ok();
        return true;
    };
    frame->pressPanelButton(panel::OwnCongregation);
    EXPECT_EQ(f.tp.screens.opened,
              (std::vector<std::string>{"OwnCongregationDialog", "CongregationListDialog"}));
    EXPECT_EQ(f.doc->homeCongId(), 2);
    EXPECT_EQ(host.refreshes, 1);
}

class BrotherRoutes : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeStandardWorld();
        f.start();
        frame = std::make_unique<CMainFrame>(*f.doc, f.tp.platform, view, host);
    }
    test::BrotherFixture f;
    CAmbView view;
    RecordingHost host;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(BrotherRoutes, BrothersOpenTheFullListAndRebuildTheOwnCongregationAfterAChange) {
    f.tp.screens.onBrotherListDialog = [](BrotherListDialog& list) {
        EXPECT_EQ(list.view().caption, "Broeders");
        EXPECT_EQ(list.options().congFilter, 0);
        EXPECT_FALSE(list.options().selectMode);
        list.cancel();
        return false;
    };
    ASSERT_TRUE(frame->isPanelButtonEnabled(panel::Brothers));
    frame->pressPanelButton(panel::Brothers);
    EXPECT_EQ(host.refreshes, 0);

    // Piet moves into the own congregation: afterwards he is one of its brothers.
    f.tp.screens.onBrotherListDialog = [](BrotherListDialog& list) {
        list.selectRow(3);  // Smit, Piet
        list.ok();
        list.cancel();
        return false;
    };
    f.tp.screens.onCongregationListDialog = [](CongregationListDialog& c) {
        c.selectRow(0);  // Assen
        c.ok();
        return true;
    };
    f.tp.screens.onBrotherDialog = [](BrotherDialog& d) {
        d.setText(BrotherDialog::Phone, "050-7654321");
        d.pressCongregation();
        d.ok();
        return true;
    };
    const auto locals = f.doc->localBrothers().size();
    frame->execute(cmd::Brothers);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(f.brotherSlot(test::BrotherFixture::Piet).congId, test::BrotherFixture::Assen);
    EXPECT_EQ(f.brotherSlot(test::BrotherFixture::Piet).phone, "050-7654321");
    EXPECT_EQ(f.doc->localBrothers().size(), locals + 1);
}

TEST_F(BrotherRoutes, AvailabilityLoopsOverThePickerUntilItIsClosed) {
    int lists = 0;
    f.tp.screens.onBrotherListDialog = [&](BrotherListDialog& list) {
        ++lists;
        EXPECT_TRUE(list.options().selectMode);
        EXPECT_FALSE(list.view().add.visible);
        EXPECT_EQ(list.view().caption, "Selecteer Spreker");
        if (lists == 1) {
            list.doubleClickRow(3);  // Smit, Piet
            return list.accepted();
        }
        EXPECT_EQ(list.selection(), 3);  // back where the user was
        list.cancel();
        return false;
    };
    f.tp.screens.onAvailabilityDialog = [&](AvailabilityDialog& a) {
        EXPECT_EQ(a.view().caption, "Piet Smit");
        EXPECT_TRUE(a.view().ok.visible);
        EXPECT_FALSE(a.view().suspend.visible);
        a.setSelection({0, 2});
        a.ok();
        return true;
    };
    ASSERT_TRUE(frame->isEnabled(cmd::Availability));
    frame->execute(cmd::Availability);
    EXPECT_EQ(
        f.tp.screens.opened,
        (std::vector<std::string>{"BrotherListDialog", "AvailabilityDialog", "BrotherListDialog"}));
    EXPECT_EQ(f.dir.size("blackout.dat"), 16u);
    EXPECT_FALSE(
        f.doc->unavailability().isAvailable(test::BrotherFixture::Piet, f.doc->todayWeek() + 2));
}

}  // namespace
}  // namespace ambon
