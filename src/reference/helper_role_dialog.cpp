// The duty list screen.
#include "reference/helper_role_dialog.h"

#include <algorithm>

#include "calendar/text_services.h"
#include "reference/local_duties.h"
#include "resources/string_table.h"
#include "schedule/schedule_queries.h"

namespace ambon {

namespace {

std::string dutyCaption(int duty) {
    switch (duty) {
        case kDutyOutgoing:
            return "Uitzendsprekers";
        case kDutyChairman:
            return "Voorzitter";
        case kDutyReader:
            return "Lezers";
        default:
            return {};
    }
}

std::vector<std::int16_t> rolesOf(const CAmbDoc& doc) {
    std::vector<std::int16_t> roles;
    for (const auto& local : doc.localBrothers()) roles.push_back(local.roles);
    return roles;
}

}  // namespace

HelperRoleDialog::HelperRoleDialog(CAmbDoc& doc, Platform& /*platform*/, int duty, int weekNumber,
                                   int preselect, bool assignmentMode)
    : doc_(doc),
      duty_(duty),
      weekNumber_(weekNumber),
      preselect_(preselect > 0),
      assignmentMode_(assignmentMode),
      viewSelection_(kNoBrother),
      rolesAtOpening_(rolesOf(doc)) {
    if (preselect > 0 && static_cast<std::size_t>(preselect) <= doc_.brothers().count())
        viewSelection_ = static_cast<std::size_t>(preselect - 1);
    fillViewRows();
    setFocus(ViewList);
}

std::string HelperRoleDialog::nameText(const LocalBrotherEntry& local) const {
    std::string name = trimmed(doc_.brothers().brotherName(local.index, false));
    if (name.empty()) return name;
    if (doc_.brothers().entry(local.index).suspended) name += " (Suspended)";
    return name;
}

void HelperRoleDialog::fillEditRows() {
    editRows_.clear();
    editSelection_.clear();
    const auto& locals = doc_.localBrothers();
    for (std::size_t i = 0; i < locals.size(); ++i) {
        if (locals[i].index >= doc_.brothers().count()) continue;
        std::string text = nameText(locals[i]);
        if (text.empty()) continue;
        if (hasDuty(locals[i], duty_)) editSelection_.push_back(static_cast<int>(editRows_.size()));
        editRows_.push_back({i, std::move(text)});
    }
}

void HelperRoleDialog::fillViewRows() {
    viewRows_.clear();
    anyUnavailable_ = false;
    const auto& locals = doc_.localBrothers();
    for (std::size_t i = 0; i < locals.size(); ++i) {
        const LocalBrotherEntry& local = locals[i];
        if (local.index >= doc_.brothers().count()) continue;
        std::string text = nameText(local);
        if (text.empty()) continue;
        if (assignmentMode_) {
            if (conflictCount(doc_, local.brotherId) == 0) continue;
        } else if (!hasDuty(local, duty_)) {
            continue;
        }
        bool marked = doc_.brothers().entry(local.index).suspended;
        if (weekNumber_ != 0 && !isAvailable(doc_, local.brotherId, weekNumber_)) {
            marked = true;
            anyUnavailable_ = true;
        }
        viewRows_.push_back({i, marked ? "* " + text : text});
    }
}

std::size_t HelperRoleDialog::brotherIndexOfViewRow(int row) const {
    if (row < 0 || row >= static_cast<int>(viewRows_.size())) return kNoBrother;
    return doc_.localBrothers()[viewRows_[static_cast<std::size_t>(row)].local].index;
}

HelperRoleDialog::View HelperRoleDialog::view() const {
    View v;
    v.caption = assignmentMode_ ? std::string(stringText(1259)) : dutyCaption(duty_);

    for (const auto& r : editRows_) v.editList.rows.push_back(r.text);
    v.editList.selected = editSelection_;
    v.editList.visible = editing_;

    for (std::size_t r = 0; r < viewRows_.size(); ++r) {
        v.viewList.rows.push_back(viewRows_[r].text);
        if (viewSelection_ != kNoBrother &&
            brotherIndexOfViewRow(static_cast<int>(r)) == viewSelection_)
            v.viewList.selected = {static_cast<int>(r)};
    }
    v.viewList.visible = !editing_;

    v.toggle.text = editing_ ? "Bekijk lijst" : "Bewerk lijst";
    v.toggle.visible = !assignmentMode_;

    v.legend.visible = !editing_ && anyUnavailable_;
    if (weekNumber_ != 0)
        v.legend.text = fillText("* Niet beschikbaar - %1", doc_.dateText(weekNumber_, 2));

    const bool choosing = preselect_ && !assignmentMode_;
    v.ok.text = choosing ? std::string(stringText(1259)) : "&OK";
    v.ok.visible = !(preselect_ && editing_);
    v.cancel.text = "Annuleren";
    return v;
}

void HelperRoleDialog::setEditSelection(const std::vector<int>& rows) {
    if (!editing_) return;
    editSelection_.clear();
    for (int r : rows)
        if (r >= 0 && r < static_cast<int>(editRows_.size())) editSelection_.push_back(r);
    std::sort(editSelection_.begin(), editSelection_.end());
    editSelection_.erase(std::unique(editSelection_.begin(), editSelection_.end()),
                         editSelection_.end());
    applyEditSelection();
}

void HelperRoleDialog::applyEditSelection() {
    auto& locals = doc_.localBrothers();
    for (std::size_t r = 0; r < editRows_.size(); ++r) {
        const bool on =
            std::binary_search(editSelection_.begin(), editSelection_.end(), static_cast<int>(r));
        if (editRows_[r].local < locals.size()) setDuty(locals[editRows_[r].local], duty_, on);
    }
    // Memory now differs from what the views showed.
    if (rolesOf(doc_) != rolesAtOpening_) doc_.setDataChanged();
}

void HelperRoleDialog::selectViewRow(int row) {
    if (editing_) return;
    std::size_t index = brotherIndexOfViewRow(row);
    if (index != kNoBrother) viewSelection_ = index;
}

void HelperRoleDialog::doubleClickViewRow(int row) {
    if (editing_ || brotherIndexOfViewRow(row) == kNoBrother) return;
    selectViewRow(row);
    ok();
}

void HelperRoleDialog::pressToggle() {
    if (assignmentMode_) return;
    if (editing_) {
        applyEditSelection();
        editing_ = false;
        fillViewRows();
        setFocus(ViewList);
    } else {
        editing_ = true;
        fillEditRows();
        setFocus(EditList);
    }
}

void HelperRoleDialog::ok() {
    if (editing_) {
        applyEditSelection();
        fillViewRows();
    }
    doc_.saveLocalRoles();
    chosen_ = 0;
    for (std::size_t r = 0; r < viewRows_.size(); ++r) {
        std::size_t index = brotherIndexOfViewRow(static_cast<int>(r));
        if (viewSelection_ != kNoBrother && index == viewSelection_)
            chosen_ = static_cast<int>(index) + 1;
    }
    if (assignmentMode_ && chosen_ == 0)
        closeCancel();
    else
        closeOk();
}

}  // namespace ambon
