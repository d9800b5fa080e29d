// The duty list of one duty (outgoing speakers, chairmen or readers): viewing its holders,
// editing who holds it, and choosing one brother from it or, in assignment mode, from the
// brothers who have an assignment coming up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class HelperRoleDialog : public ScreenModel {
public:
    enum Ctl : int {
        EditList = 187,
        ViewList = 188,
        Toggle = 1021,
        Legend = 1129,
        Ok = 1,
        Cancel = 2,
    };

    struct View {
        std::string caption;
        // Both lists sit at the same place; exactly one of them is visible.
        ListView editList, viewList;
        ControlView toggle, legend, ok, cancel;
    };

    // The platform is taken like every screen's; this one asks nothing of it.
    // duty: 1, 2 or 4 (the bit numbers of the duties word). weekNumber: the week the
    // choice is for, 0 for none. preselect: the brother table index + 1 of the brother
    // selected first, 0 for none.
    HelperRoleDialog(CAmbDoc& doc, Platform& platform, int duty, int weekNumber = 0,
                     int preselect = 0, bool assignmentMode = false);

    View view() const;

    // List 187 (edit state): the rows now selected. Applied to the duty list at once.
    void setEditSelection(const std::vector<int>& rows);
    // List 188 (view state).
    void selectViewRow(int row);
    // Double click on list 188 acts as OK.
    void doubleClickViewRow(int row);
    // "Bewerk lijst" / "Bekijk lijst".
    void pressToggle();
    void ok();
    // Duties already changed stay changed in memory; nothing is written.
    void cancel() { closeCancel(); }

    bool editing() const { return editing_; }
    // After OK: the chosen brother's table index + 1, 0 when none was selected.
    int chosen() const { return chosen_; }

private:
    struct Row {
        std::size_t local;  // position in the duty list
        std::string text;
    };

    // The given-name form, trimmed, with " (Suspended)" for a suspended brother.
    std::string nameText(const LocalBrotherEntry& local) const;
    void fillEditRows();
    void fillViewRows();
    void applyEditSelection();
    std::size_t brotherIndexOfViewRow(int row) const;

    CAmbDoc& doc_;
    int duty_;
    int weekNumber_;
    bool preselect_;
    bool assignmentMode_;
    bool editing_ = false;

    std::vector<Row> editRows_;
    std::vector<int> editSelection_;
    std::vector<Row> viewRows_;
    // The brother selected in list 188 (table index), kNoBrother when none; kept by
    // brother so that a refill after editing keeps him selected while he is listed.
    std::size_t viewSelection_;
    bool anyUnavailable_ = false;
    // The duties as the screen found them, to tell whether anything changed.
    std::vector<std::int16_t> rolesAtOpening_;
    int chosen_ = 0;
};

}  // namespace ambon
