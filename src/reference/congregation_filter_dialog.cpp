// Choosing a congregation with a circuit filter.
#include "reference/congregation_filter_dialog.h"

#include <algorithm>

namespace ambon {

namespace {
// Weeks looked at for an exchange, from the week before the current one on.
constexpr int kExchangeWeeks = 156;
// The selection stays within this many rows of the top.
constexpr int kRowsAboveSelection = 10;
}  // namespace

CongregationFilterDialog::CongregationFilterDialog(CAmbDoc& doc, Platform& platform, int mode)
    : doc_(doc), platform_(platform), mode_(mode) {
    refill();
    setFocus(List);
}

bool CongregationFilterDialog::exchanges(std::int16_t congId) const {
    const int first = doc_.todayWeek() - 1;
    for (int w = first; w < first + kExchangeWeeks; ++w) {
        const WeekRecord& week = doc_.getWeek(w);
        if (week.speakerCongId == congId) return true;
        for (auto out : week.outCongId)
            if (out == congId) return true;
    }
    return false;
}

void CongregationFilterDialog::refill() {
    rows_.clear();
    rowIndex_.clear();
    if (mode_ == AllCongregations) {
        rows_.emplace_back("Alle Gemeenten");
        rowIndex_.push_back(-1);
    }
    const Congregations& congs = doc_.congregations();
    const auto home = static_cast<std::int16_t>(doc_.homeCongId());
    int homeRow = -1;
    for (std::size_t i = 0; i < congs.count(); ++i) {
        const CongregationEntry& e = congs.entry(i);
        if (circuitFilter_ != 0 && static_cast<std::uint16_t>(e.circuitId) != circuitFilter_)
            continue;
        if (mode_ == Exchanging && (e.congId == home || !exchanges(e.congId))) continue;
        if (e.congId == home) homeRow = static_cast<int>(rows_.size());
        rows_.push_back(e.name);
        rowIndex_.push_back(static_cast<int>(i));
    }
    selection_ = rows_.empty() ? -1 : 0;
    if (mode_ == OwnPreselected && homeRow >= 0) selection_ = homeRow;
    topRow_ = std::max(0, selection_ - kRowsAboveSelection);
}

CongregationFilterDialog::View CongregationFilterDialog::view() const {
    View v;
    v.caption = "Selecteer Gemeente";
    v.list.rows = rows_;
    if (selection_ >= 0) v.list.selected = {selection_};
    v.list.topRow = rows_.empty() ? -1 : topRow_;
    v.circuits.rows.emplace_back("Alle Kringen");
    for (const auto& c : doc_.circuits().records()) v.circuits.rows.push_back(c.name);
    v.circuits.selected = {circuitEntry_};
    v.circuits.visible = doc_.circuits().count() >= 2 && mode_ != Exchanging;
    v.ok.text = "OK";
    v.cancel.text = "Annuleren";
    return v;
}

void CongregationFilterDialog::chooseCircuit(int entry) {
    const NamedIdTable& circuits = doc_.circuits();
    if (entry < 0 || entry > static_cast<int>(circuits.count())) return;
    circuitEntry_ = entry;
    circuitFilter_ = entry == 0 ? 0 : circuits.records()[static_cast<std::size_t>(entry - 1)].id;
    refill();
}

void CongregationFilterDialog::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selection_ = row;
    topRow_ = -1;
}

void CongregationFilterDialog::doubleClickRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selectRow(row);
    ok();
}

void CongregationFilterDialog::ok() {
    // An empty list offers nothing to choose.
    if (selection_ < 0) return;
    const int index = rowIndex_[static_cast<std::size_t>(selection_)];
    congId_ = index < 0 ? 0 : doc_.congregations().entry(static_cast<std::size_t>(index)).congId;
    closeOk();
}

}  // namespace ambon
