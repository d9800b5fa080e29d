// Plain view state that screen models hand to their widgets: what a control shows and
// whether it is visible, enabled or checked; what a list holds and which rows are
// selected. Widgets render these and nothing else.
#pragma once

#include <string>
#include <vector>

namespace ambon {

struct ControlView {
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool checked = false;

    bool operator==(const ControlView&) const = default;
};

struct ListView {
    std::vector<std::string> rows;
    // Selected rows; a single-selection list has at most one.
    std::vector<int> selected;
    // The row to scroll to the top, -1 to leave the scroll position alone.
    int topRow = -1;
    // Tab stops in dialog units (a quarter of the average character width); rows hold "\t".
    std::vector<int> tabStops;
    bool visible = true;
    bool enabled = true;

    int current() const { return selected.empty() ? -1 : selected.front(); }
    bool isSelected(int row) const {
        for (int r : selected)
            if (r == row) return true;
        return false;
    }
    bool operator==(const ListView&) const = default;
};

// How a modal screen ended, or that it is still open.
enum class ScreenResult { Open, Ok, Cancel };

// The part every screen model shares: its outcome and the control that has the focus.
class ScreenModel {
public:
    virtual ~ScreenModel() = default;

    ScreenResult result() const { return result_; }
    bool closed() const { return result_ != ScreenResult::Open; }
    bool accepted() const { return result_ == ScreenResult::Ok; }
    // The control id that should have the keyboard focus, 0 for no change.
    int focus() const { return focus_; }
    void clearFocusRequest() { focus_ = 0; }

protected:
    void closeOk() { result_ = ScreenResult::Ok; }
    void closeCancel() { result_ = ScreenResult::Cancel; }
    void reopen() { result_ = ScreenResult::Open; }
    void setFocus(int controlId) { focus_ = controlId; }

private:
    ScreenResult result_ = ScreenResult::Open;
    int focus_ = 0;
};

}  // namespace ambon
