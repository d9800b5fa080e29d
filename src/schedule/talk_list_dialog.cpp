// The talk list and its four modes.
#include "schedule/talk_list_dialog.h"

#include <algorithm>

#include "calendar/text_services.h"
#include "reference/talk_catalogue.h"
#include "reference/talk_edit_dialog.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

bool hasTitle(const TalkRecord& talk) {
    return !trimmed(talk.title).empty();
}

std::string text(int id) {
    return std::string(stringText(id));
}

}  // namespace

TalkListDialog::TalkListDialog(CAmbDoc& doc, Platform& platform, const BrotherRecord& brother,
                               int selectedTalk, int currentTalkNo, int mode)
    : doc_(doc),
      platform_(platform),
      brother_(brother),
      selectedTalk_(selectedTalk),
      currentTalkNo_(currentTalkNo),
      mode_(mode),
      chosen_(doc.talks().talkIndexByNumber(currentTalkNo)) {
    // Choosing among all talks starts at the current talk, or at the first.
    if (mode_ == kChooseAny && selectedTalk_ == 0)
        selectedTalk_ = currentTalkNo_ != 0 ? currentTalkNo_ : 1;
    if (currentTalkNo_ == 0) chosen_ = kNoTalk;
    editSetView_ = mode_ == kEditMode && selectedTalk_ == 0;
    remembered_ = brother_.talks;
    if (mode_ == kEditMode && selectedTalk_ != 0)
        caption_ = text(1027);
    else if (mode_ != kEditMode)
        caption_ = text(1040);
    fill();
    if (mode_ == kEditMode && selectedTalk_ == 0) updateTitle();
}

std::string TalkListDialog::heading() const {
    return brother_.firstName + " " + brother_.lastName;
}

int TalkListDialog::rowOfTalk(int talkNo) const {
    if (talkNo < 1) return -1;
    for (std::size_t r = 0; r < listTalks_.size(); ++r)
        if (static_cast<int>(listTalks_[r]) == talkNo - 1) return static_cast<int>(r);
    return -1;
}

int TalkListDialog::selectedSetRows() const {
    int count = 0;
    for (std::size_t talk : setTalks_)
        if (testBit(brother_.talks, static_cast<int>(talk))) ++count;
    return count;
}

void TalkListDialog::fill() {
    const Talks& talks = doc_.talks();
    listRows_.clear();
    listTalks_.clear();
    int freeRow = -1;
    for (std::size_t i = 0; i < kTalkCount; ++i) {
        if (selectedTalk_ == 0 && !testBit(brother_.talks, static_cast<int>(i))) continue;
        const TalkRecord& talk = talks.talk(i);
        if (!hasTitle(talk)) {
            // One free slot at a time is offered for a new talk: the lowest.
            if (!freeSlots_ || freeRow >= 0) continue;
            freeRow = static_cast<int>(listRows_.size());
            listRows_.push_back(text(1063));
        } else {
            listRows_.push_back(talk.numberText + "\t" + talk.title);
        }
        listTalks_.push_back(i);
    }
    const int fallback = listRows_.empty() ? -1 : 0;
    topRow_ = -1;
    if (selectedTalk_ != 0) {
        const int own = rowOfTalk(selectedTalk_);
        if (own >= 0) chosen_ = listTalks_[static_cast<std::size_t>(own)];
        if (freeSlots_ && freeRow >= 0) {
            listRow_ = freeRow;
            // The free slot about nine rows below the top.
            topRow_ = freeRow >= 237 ? 236 : std::max(0, freeRow - 9);
        } else {
            listRow_ = own >= 0 ? own : fallback;
        }
        freeSlots_ = false;
        freeOffered_ = freeRow >= 0;
    } else {
        const int own = rowOfTalk(currentTalkNo_);
        listRow_ = own >= 0 ? own : fallback;
    }

    setRows_.clear();
    setTalks_.clear();
    if (selectedTalk_ == 0) {
        for (std::size_t i = 0; i < kTalkCount; ++i) {
            const TalkRecord& talk = talks.talk(i);
            if (!hasTitle(talk)) continue;
            setRows_.push_back("  " + talk.numberText);
            setTalks_.push_back(i);
        }
    }
}

void TalkListDialog::updateTitle() {
    caption_ = heading() + " - " + std::to_string(selectedSetRows()) + " " + text(1000);
}

TalkListDialog::View TalkListDialog::view() const {
    View v;
    v.caption = caption_;

    v.list.rows = listRows_;
    if (listRow_ >= 0) v.list.selected.push_back(listRow_);
    v.list.topRow = topRow_;
    v.list.tabStops = {kNumberTab};
    v.list.visible = !editSetView_;

    v.setList.rows = setRows_;
    for (std::size_t r = 0; r < setTalks_.size(); ++r)
        if (testBit(brother_.talks, static_cast<int>(setTalks_[r])))
            v.setList.selected.push_back(static_cast<int>(r));
    v.setList.visible = editSetView_;

    v.detail.text = detail_;
    v.detail.visible = editSetView_;
    v.frame.visible = editSetView_;

    int added = 0;
    int removed = 0;
    for (int bit = 0; bit < kTalkCount; ++bit) {
        const bool now = testBit(brother_.talks, bit);
        const bool before = testBit(remembered_, bit);
        if (now && !before) ++added;
        if (before && !now) ++removed;
    }
    v.added.text = text(1005) + " " + std::to_string(added);
    v.added.visible = added != 0;
    v.removed.text = text(1010) + " " + std::to_string(removed);
    v.removed.visible = removed != 0;

    if (selectedTalk_ != 0)
        v.switchButton.text = text(1062);
    else if (editSetView_)
        v.switchButton.text = text(1020);
    else if (mode_ == kChooseOwn)
        v.switchButton.text = text(1096);
    else
        v.switchButton.text = text(1048);
    v.switchButton.visible = mode_ != kChooseAny && !(selectedTalk_ != 0 && freeOffered_);

    const bool catalogue = mode_ == kEditMode && selectedTalk_ != 0;
    v.ok.text = catalogue ? text(1004) : "OK";
    v.cancel.text = catalogue ? "Sluiten" : text(1260);
    return v;
}

int TalkListDialog::chosenTalkNo() const {
    return chosen_ < kTalkCount ? doc_.talks().talk(chosen_).talkNo : 0;
}

void TalkListDialog::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(listTalks_.size())) return;
    listRow_ = row;
    topRow_ = -1;
    if (selectedTalk_ != 0) {
        const std::size_t talk = listTalks_[static_cast<std::size_t>(row)];
        selectedTalk_ = static_cast<int>(talk) + 1;
        chosen_ = talk;
    }
}

void TalkListDialog::doubleClickRow(int row) {
    if (selectedTalk_ != 0 || mode_ == kChooseAny || mode_ == kChooseOwn) {
        selectRow(row);
        ok();
    } else if (!editSetView_) {
        switchViews();
    }
}

void TalkListDialog::setSetSelection(const std::vector<int>& rows) {
    if (!editSetView_) return;
    // Talks the list does not show (no title) keep their place in the set.
    for (std::size_t r = 0; r < setTalks_.size(); ++r) {
        const bool selected =
            std::find(rows.begin(), rows.end(), static_cast<int>(r)) != rows.end();
        setBit(brother_.talks, static_cast<int>(setTalks_[r]), selected);
    }
    updateTitle();
}

void TalkListDialog::hoverRow(int row) {
    if (row < 0 || row >= static_cast<int>(setTalks_.size())) {
        hoverLeave();
        return;
    }
    const std::size_t talk = setTalks_[static_cast<std::size_t>(row)];
    detail_ = talkText(doc_, doc_.talks().talk(talk).talkNo, kTalkWithNumber);
}

void TalkListDialog::hoverLeave() {
    detail_.clear();
}

void TalkListDialog::pressSwitch() {
    if (mode_ == kChooseAny) return;
    if (selectedTalk_ != 0) {
        if (!freeSlots_) {
            freeSlots_ = true;
            fill();
        }
        return;
    }
    switchViews();
}

void TalkListDialog::switchViews() {
    editSetView_ = !editSetView_;
    // Cancel in the set view of mode 2 undoes what was changed since the view was
    // entered; edits confirmed there with OK before stay.
    if (editSetView_ && mode_ == kChooseOwn) remembered_ = brother_.talks;
    detail_.clear();
    fill();
    updateTitle();
    setFocus(editSetView_ ? SetList : List);
}

void TalkListDialog::backToList() {
    editSetView_ = false;
    detail_.clear();
    fill();
    updateTitle();
    setFocus(List);
}

void TalkListDialog::ok() {
    const bool hasRow = listRow_ >= 0 && listRow_ < static_cast<int>(listTalks_.size());
    if (hasRow) chosen_ = listTalks_[static_cast<std::size_t>(listRow_)];
    if (selectedTalk_ == 0) {
        // The set already follows list 1019's selection.
        if (mode_ == kChooseOwn && editSetView_) {
            backToList();
            return;
        }
        if (mode_ == kChooseOwn && !hasRow) {
            closeCancel();
            return;
        }
        closeOk();
        return;
    }
    if (mode_ != kEditMode) {
        closeOk();
        return;
    }
    if (!hasRow) return;
    TalkEditDialog editor(doc_, platform_, listTalks_, static_cast<std::size_t>(listRow_));
    platform_.screens.run(editor);
    // The list follows the editor's walk through it.
    selectedTalk_ = static_cast<int>(editor.talkIndex()) + 1;
    fill();
}

void TalkListDialog::cancel() {
    // The catalogue's edits live in memory until the list closes.
    if (selectedTalk_ != 0) doc_.talks().save();
    if (mode_ == kChooseOwn && editSetView_) {
        brother_.talks = remembered_;
        backToList();
        return;
    }
    closeCancel();
}

}  // namespace ambon
