// The view's modes and where the main window goes in each.
#include "print/amb_view.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

const ScreenRect kDesktop{0, 0, 1920, 1080};
const ScreenRect kWork{0, 0, 1920, 1040};

TEST(AmbView, PanelWindowIsCentredUnlessItHasAUsablePlace) {
    CAmbView view;
    EXPECT_EQ(view.panelPlacement(kDesktop, 600, 400), (ScreenRect{660, 340, 600, 400}));
    view.rememberPanelPosition({100, 120});
    EXPECT_EQ(view.panelPlacement(kDesktop, 600, 400), (ScreenRect{100, 120, 600, 400}));
    for (ScreenPoint bad :
         {ScreenPoint{0, 120}, ScreenPoint{100, 0}, ScreenPoint{1921, 5}, ScreenPoint{5, 1081}}) {
        view.rememberPanelPosition(bad);
        EXPECT_EQ(view.panelPlacement(kDesktop, 600, 400).x, 660) << bad.x << "," << bad.y;
    }
}

TEST(AmbView, DocumentWindowHeightWidthAndPlace) {
    CAmbView view;
    view.showDocument(doc_kind::Schedule);
    // 96 dpi: 1920 pixels are wider than 8.5 inches, so the width is 8.3 inches.
    ScreenRect r = view.documentPlacement(kDesktop, kWork, 96, 96);
    EXPECT_EQ(r.width, 796);
    EXPECT_EQ(r.x, (1920 - 796) / 2);
    EXPECT_EQ(r.y, 2);
    // Desktop less 2 at the top and Y/8 at the bottom, but never below the work area.
    EXPECT_EQ(r.height, 1038);
    ScreenRect tall = view.documentPlacement(kDesktop, ScreenRect{0, 0, 1920, 1080}, 96, 96);
    EXPECT_EQ(tall.height, 1080 - 2 - 12);

    view.rememberDocumentPosition({300, -10});
    EXPECT_EQ(view.documentPlacement(kDesktop, kWork, 96, 96).x, 300);
    view.rememberDocumentPosition({1800, 100});  // more than 90% across
    EXPECT_EQ(view.documentPlacement(kDesktop, kWork, 96, 96).x, (1920 - 796) / 2);
    view.rememberDocumentPosition({300, -30});  // too far above the screen
    EXPECT_EQ(view.documentPlacement(kDesktop, kWork, 96, 96).y, 2);

    // A narrow screen keeps its full width.
    ScreenRect narrow =
        view.documentPlacement(ScreenRect{0, 0, 800, 600}, ScreenRect{0, 0, 800, 600}, 96, 96);
    EXPECT_EQ(narrow.width, 800);
}

TEST(AmbView, ModesAndPages) {
    CAmbView view;
    EXPECT_EQ(view.mode(), ViewMode::Panel);
    view.showDocument(doc_kind::TalkYears);
    EXPECT_EQ(view.mode(), ViewMode::Document);
    EXPECT_EQ(view.kind(), doc_kind::TalkYears);
    view.setPageCount(0);
    EXPECT_EQ(view.pageCount(), 1);
    view.returnToPanel();
    EXPECT_EQ(view.mode(), ViewMode::Panel);
}

}  // namespace
}  // namespace ambon
