// The list of congregations.
#include "reference/congregation_list_dialog.h"

#include "reference/congregation_dialog.h"

namespace ambon {

CongregationListDialog::CongregationListDialog(CAmbDoc& doc, Platform& platform, bool pickMode,
                                               int preselect)
    : doc_(doc), platform_(platform), pickMode_(pickMode), selection_(preselect) {
    refill();
    // A caller that picks preselects the congregation it holds; sending the last one back
    // to the first would let OK choose a congregation the user never meant.
    if (pickMode_ && preselect >= 0 && preselect < static_cast<int>(rows_.size()))
        selection_ = preselect;
}

void CongregationListDialog::refill() {
    const Congregations& congs = doc_.congregations();
    rows_.clear();
    for (const auto& e : congs.entries()) rows_.push_back(e.name);
    // The last entry itself falls back too: the list has always behaved this way.
    if (selection_ < 0 || selection_ >= static_cast<int>(rows_.size()) - 1) selection_ = 0;
    topRow_ = -1;
    setFocus(rows_.empty() ? Add : List);
}

int CongregationListDialog::selection() const {
    return selection_ < static_cast<int>(rows_.size()) ? selection_ : -1;
}

CongregationListDialog::View CongregationListDialog::view() const {
    View v;
    v.caption = "Selecteer Gemeente ";
    v.list.rows = rows_;
    if (int sel = selection(); sel >= 0) v.list.selected = {sel};
    v.list.topRow = topRow_;
    v.ok.text = pickMode_ ? "OK" : "Bewerk";
    v.cancel.text = "Sluiten";
    v.add.text = "Voeg Gemeente Toe";
    return v;
}

void CongregationListDialog::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selection_ = row;
    topRow_ = -1;
}

void CongregationListDialog::doubleClickRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selectRow(row);
    ok();
}

void CongregationListDialog::typeOnList(std::string_view character) {
    int row = typeAhead_.type(character, rows_);
    if (row < 0) return;
    selection_ = row;
    topRow_ = row;
}

void CongregationListDialog::pressAdd() {
    adding_ = true;
    ok();
}

void CongregationListDialog::ok() {
    const bool empty = rows_.empty();
    if (pickMode_ && !adding_ && !empty) {
        closeOk();
        return;
    }
    CongregationDialog dialog(doc_, platform_, *this, adding_ || empty);
    adding_ = false;
    platform_.screens.run(dialog);
    if (dialog.changed()) refill();
    setFocus(rows_.empty() ? Add : List);
}

}  // namespace ambon
