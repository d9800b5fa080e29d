// The 00..99 number list of the preferences screen.
#include "shell/number_list.h"

#include <cstdio>

namespace ambon {

namespace {
int clampRow(int row) {
    return row < 0 ? 0 : row > 99 ? 99 : row;
}
}  // namespace

void NumberList::open(int value) {
    top_ = clampRow(value);
    selected_ = -1;
    typed_.clear();
}

void NumberList::typeDigit(char digit) {
    if (digit < '0' || digit > '9') return;
    if (typed_.size() >= 2) typed_.clear();
    typed_ += digit;
    selected_ = std::stoi(typed_);
}

void NumberList::arrow(int delta) {
    typed_.clear();
    if (selected_ < 0) {
        selected_ = top_;
        return;
    }
    selected_ = ((selected_ + delta) % 100 + 100) % 100;
}

void NumberList::select(int row) {
    typed_.clear();
    selected_ = clampRow(row);
}

void NumberList::scrolledTo(int topRow) {
    top_ = clampRow(topRow);
}

void NumberList::focusLost() {
    if (selected_ >= 0) top_ = selected_;
}

ListView NumberList::view() const {
    ListView v;
    v.rows.reserve(100);
    char text[4];
    for (int i = 0; i < 100; ++i) {
        std::snprintf(text, sizeof text, "%02d", i);
        v.rows.emplace_back(text);
    }
    if (selected_ >= 0) v.selected.push_back(selected_);
    v.topRow = top_;
    return v;
}

}  // namespace ambon
