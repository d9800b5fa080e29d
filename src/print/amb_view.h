// The view of the main window: it shows either the command panel or one printable
// document as a strip of pages 8 inches wide and 11 inches high. It also knows where
// the main window goes in each mode.
#pragma once

#include <optional>

namespace ambon {

enum class ViewMode { Panel = 1, Document = 2 };

// Kinds of printable documents.
namespace doc_kind {
constexpr int Schedule = 1;
constexpr int SpeakerTalks = 2;
constexpr int TalkSpeakers = 3;
constexpr int TalkYears = 4;
constexpr int OutgoingNote = 5;
constexpr int GuestLetter = 6;
constexpr int ExchangeList = 7;
constexpr int LocalAssignments = 8;
constexpr int GuestPhoneList = 9;
constexpr int OutgoingPhoneList = 10;
constexpr int ReaderList = 11;
constexpr int LocalWorksheet = 12;
constexpr int LocalSpeakers = 13;
constexpr int TalkCoordinators = 14;
}  // namespace doc_kind

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

class CAmbView {
public:
    ViewMode mode() const { return mode_; }
    int kind() const { return kind_; }
    // Pages of the shown document (set by its drawing; 1 at start).
    int pageCount() const { return pageCount_; }
    void setPageCount(int pages) { pageCount_ = pages < 1 ? 1 : pages; }

    // Shows a printable document instead of the command panel.
    void showDocument(int kind);
    // Back to the command panel ("Keer Terug", Escape).
    void returnToPanel();

    // While a document is printed or previewed the main window must not close.
    bool printing() const { return printing_; }
    void setPrinting(bool on) { printing_ = on; }

    // The schedule's parameters: first week index and number of weeks.
    int scheduleFirstWeek = 0;
    int scheduleWeekCount = 0;

    // Window placement. Positions are remembered per mode while the program runs.
    void rememberPanelPosition(ScreenPoint p) { panelPosition_ = p; }
    void rememberDocumentPosition(ScreenPoint p) { documentPosition_ = p; }
    // Panel mode: sized to the panel, at its last place or centred on the desktop.
    ScreenRect panelPlacement(ScreenRect desktop, int panelWidth, int panelHeight) const;
    // Document mode: the desktop's height less 2 pixels at the top and Y/8 at the bottom,
    // at most 8.3 inches wide on screens wider than 8.5 inches, never below the work area.
    ScreenRect documentPlacement(ScreenRect desktop, ScreenRect workArea, int dpiX, int dpiY) const;

private:
    ViewMode mode_ = ViewMode::Panel;
    int kind_ = 0;
    int pageCount_ = 1;
    bool printing_ = false;
    std::optional<ScreenPoint> panelPosition_;
    std::optional<ScreenPoint> documentPosition_;
};

}  // namespace ambon
