// The talk list: chooses one talk among all talks (mode 1) or among a brother's talks
// (mode 2), edits a brother's talk set (mode 0 without a selected talk), or leads to the
// talk editor and to free slots for new talks (mode 0 with a selected talk, the
// "Lezingen" command). Two lists share its place: list 165 with one row per talk, and
// the multi-column list 1019 that edits the set.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class TalkListDialog : public ScreenModel {
public:
    enum Ctl : int {
        List = 165,
        SetList = 1019,
        Detail = 244,
        Added = 1022,
        Removed = 1023,
        Frame = 150,
        Switch = 1021,
        Ok = 1,
        Cancel = 2,
    };
    enum Mode : int {
        kEditMode = 0,   // a brother's talk set, or with a selected talk the catalogue
        kChooseAny = 1,  // one talk among all talks
        kChooseOwn = 2,  // one talk among the brother's talks
    };
    // Tab stop of list 165, in dialog units.
    static constexpr int kNumberTab = 25;
    // Width of a column of list 1019, in dialog units.
    static constexpr int kSetColumnWidth = 30;

    struct View {
        std::string caption;
        ListView list;       // 165
        ListView setList;    // 1019, several rows selectable
        ControlView detail;  // 244: the talk under the pointer
        ControlView added, removed;
        ControlView frame;
        ControlView switchButton;
        ControlView ok, cancel;
    };

    // brother: a copy of the brother's record (its names and talk set are used; the set
    // is edited in place). selectedTalk: a talk number, 0 for none. currentTalkNo: the
    // talk the caller holds now (0 for none).
    TalkListDialog(CAmbDoc& doc, Platform& platform, const BrotherRecord& brother, int selectedTalk,
                   int currentTalkNo, int mode);

    View view() const;
    void selectRow(int row);
    void doubleClickRow(int row);
    // The selected rows of list 1019.
    void setSetSelection(const std::vector<int>& rows);
    // The pointer moved over row of list 1019, or left it.
    void hoverRow(int row);
    void hoverLeave();
    void pressSwitch();
    void ok();
    void cancel();

    const BrotherRecord& brother() const { return brother_; }
    // The talk table index of the chosen talk, kNoTalk when none.
    std::size_t itemChosen() const { return chosen_; }
    int chosenTalkNo() const;
    bool editSetView() const { return editSetView_; }
    // The talk table index of each row of list 165 and of list 1019.
    const std::vector<std::size_t>& listTalks() const { return listTalks_; }
    const std::vector<std::size_t>& setTalks() const { return setTalks_; }

private:
    void fill();
    void switchViews();
    void updateTitle();
    void backToList();
    int rowOfTalk(int talkNo) const;
    std::string heading() const;
    int selectedSetRows() const;

    CAmbDoc& doc_;
    Platform& platform_;
    BrotherRecord brother_;
    int selectedTalk_;
    int currentTalkNo_;
    int mode_;
    std::size_t chosen_;

    TalkSet remembered_{};
    bool editSetView_ = false;
    bool freeSlots_ = false;
    bool freeOffered_ = false;
    std::string caption_;
    std::string detail_;

    std::vector<std::string> listRows_;
    std::vector<std::size_t> listTalks_;
    int listRow_ = -1;
    int topRow_ = -1;
    std::vector<std::string> setRows_;
    std::vector<std::size_t> setTalks_;
};

}  // namespace ambon
