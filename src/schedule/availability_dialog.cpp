// The availability screen of one brother.
#include "schedule/availability_dialog.h"

#include "resources/string_table.h"

namespace ambon {

AvailabilityDialog::AvailabilityDialog(CAmbDoc& doc, std::int16_t brotherId, bool viewOnly,
                                       std::optional<bool> suspend)
    : doc_(doc),
      brotherId_(brotherId),
      viewOnly_(viewOnly),
      suspend_(suspend),
      firstWeek_(doc.todayWeek()),
      initial_(kRows, false),
      selected_(kRows, false) {
    if (brotherId_ != 0) {
        for (int week : doc_.unavailability().unavailableWeeks(brotherId_, 0)) {
            int row = week - firstWeek_;
            if (row >= 0 && row < kRows) initial_[static_cast<std::size_t>(row)] = true;
        }
    }
    selected_ = initial_;
    for (int r = 0; r < kRows; ++r) {
        if (initial_[static_cast<std::size_t>(r)]) {
            topRow_ = r;
            break;
        }
    }
}

AvailabilityDialog::View AvailabilityDialog::view() const {
    View v;
    std::size_t index = doc_.brothers().findBrother(brotherId_);
    v.caption = brotherId_ != 0 ? doc_.brothers().brotherName(index, false) : std::string();
    v.prompt.text = "Selecteer Weken Waarin Onbeschikbaar";
    v.prompt.visible = !viewOnly_;
    for (int r = 0; r < kRows; ++r) {
        v.weeks.rows.push_back(doc_.dateText(weekOfRow(r), 26));
        if (selected_[static_cast<std::size_t>(r)]) v.weeks.selected.push_back(r);
    }
    v.weeks.topRow = topRow_;
    v.frame = "Onbeschikbaar";
    v.count.text = std::to_string(v.weeks.selected.size());
    v.weeksLabel = "Weken";
    v.suspend.text = "Opschorten";
    v.suspend.visible = suspend_.has_value();
    v.suspend.checked = suspend_.value_or(false);
    v.ok.text = "OK";
    v.ok.visible = !viewOnly_;
    v.cancel.text = viewOnly_ ? std::string(stringText(1131)) : "Annuleren";
    return v;
}

void AvailabilityDialog::setSelection(const std::vector<int>& rows) {
    std::fill(selected_.begin(), selected_.end(), false);
    for (int r : rows)
        if (r >= 0 && r < kRows) selected_[static_cast<std::size_t>(r)] = true;
    // Keep the list where the user is.
    topRow_ = -1;
}

void AvailabilityDialog::setSuspend(bool on) {
    if (suspend_) suspend_ = on;
}

void AvailabilityDialog::ok() {
    if (viewOnly_) {
        closeCancel();
        return;
    }
    Unavailability& table = doc_.unavailability();
    for (int r = 0; r < kRows; ++r) {
        bool now = selected_[static_cast<std::size_t>(r)];
        bool before = initial_[static_cast<std::size_t>(r)];
        if (now && !before) table.addUnavailable(brotherId_, weekOfRow(r), doc_.todayWeek());
        if (before && !now) table.removeUnavailable(brotherId_, weekOfRow(r));
    }
    // What the coordinator confirmed is on disk at once, whichever screen opened this one.
    table.save();
    closeOk();
}

void AvailabilityDialog::cancel() {
    closeCancel();
}

}  // namespace ambon
