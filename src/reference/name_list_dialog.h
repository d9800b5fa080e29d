// A list of names with numbers from 30001 up: the circuits, or the hospitality
// providers. Edits them in place (select a name, change or clear it, OK), or lets another
// screen pick one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class NameListDialog : public ScreenModel {
public:
    enum class Mode { Circuits, Hosts };
    enum Ctl : int {
        List = 1024,
        Add = 1026,
        Edit = 244,
        Ok = 1,
        Cancel = 2,
    };

    struct View {
        std::string caption;
        ListView list;
        ControlView add, edit, ok, cancel;
        int editLimit = 0;
    };

    // pickIndex 0: edit mode. Otherwise pick mode, with entry pickIndex - 1 selected
    // (nothing selected for -1).
    NameListDialog(CAmbDoc& doc, Platform& platform, Mode mode, int pickIndex = 0);

    View view() const;

    void selectRow(int row);
    // Double click in pick mode acts as OK on the row.
    void doubleClickRow(int row);
    void pressAdd();
    void setEditText(const std::string& text);
    // Also Enter in the edit field.
    void ok();
    void cancel() { closeCancel(); }

    bool pickMode() const { return pickMode_; }
    // In pick mode, after OK: the chosen entry's id, 0 when none was selected.
    std::uint16_t pickedId() const { return pickedId_; }

private:
    enum class State { Idle, Adding, Editing };

    NamedIdTable& table() const;
    void refill();
    void finishEdit(std::uint16_t keepId);

    CAmbDoc& doc_;
    Platform& platform_;
    Mode mode_;
    bool pickMode_;
    State state_ = State::Idle;
    int selection_ = -1;
    std::string editText_;
    std::vector<std::string> rows_;
    std::uint16_t pickedId_ = 0;
};

}  // namespace ambon
