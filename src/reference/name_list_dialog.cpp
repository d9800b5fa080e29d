// The circuit list and the hospitality provider list.
#include "reference/name_list_dialog.h"

#include "calendar/text_services.h"
#include "reference/named_lists.h"
#include "resources/string_table.h"

namespace ambon {

NameListDialog::NameListDialog(CAmbDoc& doc, Platform& platform, Mode mode, int pickIndex)
    : doc_(doc), platform_(platform), mode_(mode), pickMode_(pickIndex != 0) {
    refill();
    if (pickIndex > 0 && pickIndex <= static_cast<int>(rows_.size())) selection_ = pickIndex - 1;
    setFocus(List);
}

NamedIdTable& NameListDialog::table() const {
    return mode_ == Mode::Circuits ? doc_.circuits() : doc_.hosts();
}

void NameListDialog::refill() {
    rows_.clear();
    // The provider list shows the names as stored, with the "~" marker.
    for (const auto& r : table().records()) rows_.push_back(r.name);
    if (selection_ >= static_cast<int>(rows_.size())) selection_ = -1;
}

NameListDialog::View NameListDialog::view() const {
    View v;
    const bool circuits = mode_ == Mode::Circuits;
    v.caption = circuits ? "Kringen" : "Gastgezin";
    v.list.rows = rows_;
    if (selection_ >= 0) v.list.selected = {selection_};
    const bool editing = state_ != State::Idle;
    v.add.text = circuits ? "Voeg Kring Toe" : std::string(stringText(1193));
    v.add.visible = !editing;
    v.edit.text = editText_;
    v.edit.visible = editing;
    v.editLimit = static_cast<int>(kNamedRecordLimit);
    v.ok.text = "OK";
    v.ok.visible = editing || pickMode_;
    v.cancel.text = pickMode_ ? std::string(stringText(1260)) : "Sluiten";
    return v;
}

void NameListDialog::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selection_ = row;
    if (pickMode_) return;
    editText_ = rows_[static_cast<std::size_t>(row)];
    state_ = State::Editing;
    setFocus(Edit);
}

void NameListDialog::doubleClickRow(int row) {
    if (!pickMode_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
    selection_ = row;
    state_ = State::Idle;
    ok();
}

void NameListDialog::pressAdd() {
    editText_.clear();
    state_ = State::Adding;
    setFocus(Edit);
}

void NameListDialog::setEditText(const std::string& text) {
    editText_ = utf8Left(text, kNamedRecordLimit);
}

void NameListDialog::ok() {
    if (state_ == State::Idle) {
        if (!pickMode_) return;
        const auto& records = table().records();
        pickedId_ = 0;
        if (selection_ >= 0 && selection_ <= 999 && selection_ < static_cast<int>(records.size()))
            pickedId_ = records[static_cast<std::size_t>(selection_)].id;
        closeOk();
        return;
    }

    const std::string name = trimmed(editText_);
    const bool circuits = mode_ == Mode::Circuits;
    std::uint16_t keepId = 0;
    if (state_ == State::Adding) {
        if (!name.empty()) {
            NamedIdRecord record;
            record.name = name;
            const std::uint16_t newId = table().freeId();
            if (circuits ? addCircuit(doc_, platform_.messages, record)
                         : addHost(doc_, platform_.messages, record))
                keepId = newId;
        }
    } else if (selection_ >= 0 && selection_ < static_cast<int>(table().count())) {
        const auto index = static_cast<std::size_t>(selection_);
        keepId = table().records()[index].id;
        if (name.empty()) {
            if (circuits)
                deleteCircuit(doc_, index);
            else
                deleteHost(doc_, index);
            keepId = 0;
        } else if (circuits) {
            renameCircuit(doc_, platform_.messages, index, name);
        } else {
            renameHost(doc_, platform_.messages, index, name);
        }
    }
    finishEdit(keepId);
}

void NameListDialog::finishEdit(std::uint16_t keepId) {
    editText_.clear();
    state_ = State::Idle;
    selection_ = -1;
    refill();
    // A pick list keeps the entry just added or renamed selected, ready for OK; the edit
    // list selects nothing, as selecting starts the next edit.
    if (pickMode_ && keepId != 0) {
        std::size_t found = table().find(keepId);
        if (found != 0) selection_ = static_cast<int>(found) - 1;
    }
    setFocus(List);
}

}  // namespace ambon
