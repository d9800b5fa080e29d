// The week table: a window of 1000 consecutive weeks of "history.dat". Slot i holds
// week number firstWeek + i + 1, that is week index firstWeek + i.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

constexpr int kWeekWindow = 1000;

class Weeks {
public:
    explicit Weeks(const StoreIo& io) : io_(io), table_(std::make_unique<Table>()) {}

    // Gives the window its zeroed storage (may throw std::bad_alloc).
    void allocate() { table_ = std::make_unique<Table>(); }

    void setFirstWeek(int firstWeek) { firstWeek_ = firstWeek; }
    int firstWeek() const { return firstWeek_; }

    // Fills the window from "history.dat": records before or after the window, or out of
    // ascending order, are skipped; of two records for one week the later one wins.
    void load();
    // Rewrites "history.dat" with every week of the window that is in use, in order.
    bool save() const;
    // Number of records of the file that the last load skipped.
    int skippedOnLoad() const { return skipped_; }

    bool inWindow(int weekIndex) const {
        return weekIndex >= firstWeek_ && weekIndex < firstWeek_ + kWeekWindow;
    }
    // The record of week index i (week number i + 1); outside the window a blank scratch
    // record whose changes are lost.
    WeekRecord& getWeek(int weekIndex);
    const WeekRecord& getWeek(int weekIndex) const;
    // Marks the week in use when it differs from a blank week and stores it in the window.
    void commitWeek(WeekRecord record, int weekIndex);
    // Slot i of the window.
    WeekRecord& slot(int i) { return (*table_)[static_cast<std::size_t>(i)]; }
    const WeekRecord& slot(int i) const { return (*table_)[static_cast<std::size_t>(i)]; }
    int weeksInUse() const;

private:
    using Table = std::array<WeekRecord, kWeekWindow>;

    const StoreIo& io_;
    std::unique_ptr<Table> table_;
    WeekRecord scratch_{};
    const WeekRecord blank_{};
    int firstWeek_ = 0;
    int skipped_ = 0;
};

}  // namespace ambon
