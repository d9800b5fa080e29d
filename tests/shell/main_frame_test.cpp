// Command routing of the main window: the congregation and circuit commands and the
// panel buttons that send them.
#include "shell/main_frame.h"

#include <gtest/gtest.h>

#include "reference/congregation_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/name_list_dialog.h"
#include "shell/command_ids.h"
#include "support/congregation_fixture.h"

namespace ambon {
namespace {

class RecordingHost : public ShellHost {
public:
    void requestWindowClose() override {}
    void openHelp(bool) override {}
    void enterContextHelp() override {}
    void refreshViews() override { ++refreshes; }
    void viewModeChanged() override {}
    int refreshes = 0;
};

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

}  // namespace
}  // namespace ambon
