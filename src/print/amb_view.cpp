// View modes and the main window's placement.
#include "print/amb_view.h"

#include <algorithm>

namespace ambon {

void CAmbView::showDocument(int kind) {
    mode_ = ViewMode::Document;
    kind_ = kind;
}

void CAmbView::returnToPanel() {
    mode_ = ViewMode::Panel;
}

ScreenRect CAmbView::panelPlacement(ScreenRect desktop, int panelWidth, int panelHeight) const {
    ScreenRect r{0, 0, panelWidth, panelHeight};
    bool usable = panelPosition_ && panelPosition_->x >= 1 && panelPosition_->y >= 1 &&
                  panelPosition_->x <= desktop.x + desktop.width &&
                  panelPosition_->y <= desktop.y + desktop.height;
    if (usable) {
        r.x = panelPosition_->x;
        r.y = panelPosition_->y;
    } else {
        r.x = desktop.x + (desktop.width - panelWidth) / 2;
        r.y = desktop.y + (desktop.height - panelHeight) / 2;
    }
    return r;
}

ScreenRect CAmbView::documentPlacement(ScreenRect desktop, ScreenRect workArea, int dpiX,
                                       int dpiY) const {
    ScreenRect r;
    r.width = desktop.width;
    // On a screen wider than 8.5 inches the page strip needs no more than 8.3 inches.
    if (desktop.width * 10 > 85 * dpiX) r.width = 83 * dpiX / 10;
    r.height = desktop.height - 2 - dpiY / 8;
    bool usable = documentPosition_ && documentPosition_->x * 10 <= desktop.width * 9 &&
                  documentPosition_->y * 10 <= desktop.height * 8 && documentPosition_->x >= 1 &&
                  documentPosition_->y >= -20;
    if (usable) {
        r.x = documentPosition_->x;
        r.y = documentPosition_->y;
    } else {
        r.x = desktop.x + (desktop.width - r.width) / 2;
        r.y = desktop.y + 2;
    }
    int bottom = workArea.y + workArea.height;
    if (r.y + r.height > bottom) r.height = std::max(0, bottom - r.y);
    return r;
}

}  // namespace ambon
