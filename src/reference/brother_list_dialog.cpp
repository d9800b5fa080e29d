// The list of brothers and the brother picker.
#include "reference/brother_list_dialog.h"

#include "calendar/text_services.h"
#include "reference/brother_dialog.h"
#include "reference/brother_ops.h"
#include "reference/local_duties.h"
#include "resources/string_table.h"
#include "schedule/schedule_queries.h"

namespace ambon {

namespace {

bool holdsOutgoingSlot(const WeekRecord& week, std::int16_t brotherId) {
    for (auto id : week.outSpeakerId)
        if (id == brotherId) return true;
    return false;
}

std::string countText(const std::string& text, int count) {
    return text + " ( " + std::to_string(count) + " )";
}

}  // namespace

BrotherListDialog::BrotherListDialog(CAmbDoc& doc, Platform& platform, Options options)
    : doc_(doc), platform_(platform), options_(options) {
    fill();
    selection_ = 0;
    if (options_.role != kNoRole && options_.preselectId != 0) {
        for (std::size_t r = 0; r < indexes_.size(); ++r)
            if (doc_.brothers().entry(indexes_[r]).brotherId == options_.preselectId)
                selection_ = static_cast<int>(r);
    }
    setFocus(List);
}

std::string BrotherListDialog::roleWord(int role) {
    switch (role) {
        case kElderCoordinator:
            return "Coordinator van het lichaam van ouderlingen";
        case kTalkCoordinator:
            return "Lezing Coordinator";
        case kSecretary:
            return "Secretaris";
        case kSpeaker:
            return "Spreker";
        case kOutgoingSpeaker:
            return "Uitzendspreker";
        case kChairman:
            return "Voorzitter";
        case kReader:
            return "Lezer";
        default:
            return {};
    }
}

int BrotherListDialog::nearestOutgoingWeek(std::int16_t brotherId) const {
    const int week = options_.week;
    const int firstHeld = doc_.firstWeek() + 1;
    if (week - firstHeld < kOutgoingMargin) return 0;
    for (int d = 0; d <= kOutgoingReach; ++d) {
        // The earlier week first, so it wins a tie.
        if (holdsOutgoingSlot(doc_.getWeek(week - d - 1), brotherId)) return week - d;
        if (d != 0 && holdsOutgoingSlot(doc_.getWeek(week + d - 1), brotherId)) return week + d;
    }
    return 0;
}

std::string BrotherListDialog::rowText(std::size_t index, bool& unavailable) const {
    const BrotherEntry& e = doc_.brothers().entry(index);
    // The surname form reads best in the full list; within a congregation the given
    // name comes first.
    std::string text = doc_.brothers().brotherName(index, options_.congFilter == 0);
    if (e.congId == 0) text = "* " + text;
    if (e.suspended) text = "(\u00a7) " + text;
    unavailable = options_.week != 0 && !isAvailable(doc_, e.brotherId, options_.week);
    if (unavailable) text = "* " + text;
    if (options_.role == kOutgoingSpeaker && options_.week != 0) {
        if (e.office == 1) text += " (DB)";
        if (int week = nearestOutgoingWeek(e.brotherId); week != 0)
            text += "\t # " + doc_.dateText(week, 9);
    }
    return text;
}

void BrotherListDialog::fill() {
    rows_.clear();
    indexes_.clear();
    withoutCongregation_ = 0;
    suspendedCount_ = 0;
    anyUnavailable_ = false;
    const Brothers& brothers = doc_.brothers();
    for (std::size_t i = 0; i < brothers.count(); ++i) {
        const BrotherEntry& e = brothers.entry(i);
        if (options_.congFilter != 0 && e.congId != options_.congFilter) continue;
        if (options_.excludeCong != 0 && e.congId == options_.excludeCong) continue;
        if (options_.role == kOutgoingSpeaker &&
            (e.suspended || !isOutgoingSpeaker(doc_, i) || !givesTalk(doc_, i, 0)))
            continue;
        bool unavailable = false;
        rows_.push_back(rowText(i, unavailable));
        indexes_.push_back(i);
        if (e.congId == 0) ++withoutCongregation_;
        if (e.suspended) ++suspendedCount_;
        if (unavailable) anyUnavailable_ = true;
    }
}

void BrotherListDialog::refill() {
    fill();
    if (selection_ < 0 || selection_ >= static_cast<int>(rows_.size()) - 1) selection_ = 0;
    topRow_ = -1;
}

int BrotherListDialog::selection() const {
    return selection_ >= 0 && selection_ < static_cast<int>(rows_.size()) ? selection_ : -1;
}

int BrotherListDialog::selectedIndex() const {
    int row = selection();
    return row >= 0 ? static_cast<int>(indexes_[static_cast<std::size_t>(row)]) : -1;
}

void BrotherListDialog::selectBrother(std::int16_t brotherId) {
    for (std::size_t r = 0; r < indexes_.size(); ++r) {
        if (doc_.brothers().entry(indexes_[r]).brotherId == brotherId) {
            selection_ = static_cast<int>(r);
            topRow_ = -1;
            return;
        }
    }
}

BrotherListDialog::View BrotherListDialog::view() const {
    View v;
    if (options_.role != kNoRole)
        v.caption = formatText(roleWord(options_.role), 1021);
    else if (options_.selectMode)
        v.caption = std::string(stringText(1046));
    else
        v.caption = "Broeders";

    v.list.rows = rows_;
    if (int row = selection(); row >= 0) v.list.selected = {row};
    v.list.topRow = topRow_;
    v.list.tabStops = {kWeekTab};

    if (options_.week != 0) {
        v.unavailable.text =
            fillText(std::string(stringText(1097)), doc_.dateText(options_.week, 2));
        v.unavailable.visible = anyUnavailable_;
    } else {
        v.unavailable.text = countText("* No Congregation", withoutCongregation_);
        v.unavailable.visible = withoutCongregation_ != 0;
    }
    if (suspendedCount_ != 0) v.suspended.text = countText("(\u00a7) Suspended", suspendedCount_);
    v.suspended.visible = suspendedCount_ != 0;

    if (picking()) {
        v.ok.text = "&" + std::string(stringText(1259));
        v.cancel.text = "&" + std::string(stringText(1260));
        v.add.text = "&Nieuwe Spreker";
    } else {
        v.ok.text = "Bewerk...";
        v.cancel.text = "Sluiten";
        v.add.text = "Broeder Toevoegen";
    }
    v.add.visible = options_.role == kNoRole && !options_.hideAdd;
    return v;
}

void BrotherListDialog::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selection_ = row;
    topRow_ = -1;
}

void BrotherListDialog::doubleClickRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selectRow(row);
    ok();
}

void BrotherListDialog::typeOnList(std::string_view character) {
    int row = typeAhead_.type(character, rows_);
    if (row < 0) return;
    selection_ = row;
    topRow_ = row;
}

void BrotherListDialog::ok() {
    const bool empty = rows_.empty();
    if (picking() && !adding_) {
        // A picker with nothing to pick stays open.
        if (empty) return;
        chosen_ = selectedIndex();
        closeOk();
        return;
    }
    // The brother screen keeps a new brother in the congregation this list is about.
    const std::int16_t fixedCong =
        options_.excludeCong != 0 ? options_.excludeCong : options_.congFilter;
    BrotherDialog dialog(doc_, platform_, *this, adding_ || empty, fixedCong);
    adding_ = false;
    platform_.screens.run(dialog);
    refill();
    doc_.unavailability().save();
    setFocus(List);
    if (options_.selectMode && dialog.storedNew()) {
        // The new brother is not the one being picked: with excludeCong he went straight
        // into the outer list's congregation, and that list shows him itself.
        chosen_ = -1;
        closeCancel();
    }
}

void BrotherListDialog::pressAdd() {
    if (options_.role != kNoRole || options_.hideAdd) return;
    if (options_.congFilter == 0) {
        adding_ = true;
        ok();
        return;
    }
    Options nested;
    nested.selectMode = true;
    nested.excludeCong = options_.congFilter;
    BrotherListDialog others(doc_, platform_, nested);
    std::int16_t movedId = 0;
    if (platform_.screens.run(others)) {
        const int index = others.chosenIndex();
        if (index >= 0 && static_cast<std::size_t>(index) < doc_.brothers().count()) {
            const auto i = static_cast<std::size_t>(index);
            if (moveBrother(doc_, platform_.messages, i, options_.congFilter, true)) {
                movedId = doc_.brothers().entry(i).brotherId;
                doc_.setDataChanged();
            }
        }
    }
    refill();
    if (movedId != 0) selectBrother(movedId);
    setFocus(List);
}

}  // namespace ambon
