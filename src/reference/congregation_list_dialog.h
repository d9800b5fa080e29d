// The list of congregations: edits them (command 32844) or, in pick mode, lets another
// screen choose one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "reference/type_ahead_list.h"
#include "store/amb_doc.h"

namespace ambon {

class CongregationListDialog : public ScreenModel {
public:
    enum Ctl : int {
        List = 248,
        Ok = 1,
        Cancel = 2,
        Add = 3,
    };

    struct View {
        std::string caption;
        ListView list;
        ControlView ok, cancel, add;
    };

    // pickMode: OK returns the selected congregation; otherwise OK edits it. preselect is
    // the table index selected first.
    CongregationListDialog(CAmbDoc& doc, Platform& platform, bool pickMode = false,
                           int preselect = 0);

    View view() const;

    void selectRow(int row);
    // Double click acts as OK on the row.
    void doubleClickRow(int row);
    // A character typed on the list; letters search the names.
    void typeOnList(std::string_view character);
    void listFocusGained() { typeAhead_.focusGained(); }
    void ok();
    void pressAdd();
    void cancel() { closeCancel(); }

    bool pickMode() const { return pickMode_; }
    // The selected table index; -1 when the table is empty.
    int selection() const;
    // Used by the congregation screen, which moves and refreshes this list.
    void setSelection(int index) { selection_ = index; }
    // Reads the names again; a selection at or beyond the last entry goes back to the
    // first entry.
    void refill();

private:
    CAmbDoc& doc_;
    Platform& platform_;
    bool pickMode_;
    bool adding_ = false;
    int selection_;
    int topRow_ = -1;
    std::vector<std::string> rows_;
    TypeAheadList typeAhead_;
};

}  // namespace ambon
