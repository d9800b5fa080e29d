// The weeks in which brothers cannot serve ("blackout.dat"): pairs of brother and week
// number, in table order, with a dirty flag that makes the next save write them back.
#pragma once

#include <cstdint>
#include <vector>

#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

class Unavailability {
public:
    explicit Unavailability(const StoreIo& io) : io_(io) {}

    // Loads the entries of todayWeek and later; older ones are dropped.
    void load(int todayWeek);
    // Rewrites the file when the table holds entries and has changed.
    bool save();
    void clear() {
        entries_.clear();
        dirty_ = false;
    }

    std::size_t count() const { return entries_.size(); }
    const std::vector<UnavailableRecord>& entries() const { return entries_; }
    bool dirty() const { return dirty_; }
    int droppedOnLoad() const { return dropped_; }

    // True when the table is empty or no entry holds the pair.
    bool isAvailable(std::int16_t brotherId, int weekNumber) const;
    // Stores the pair in the first free or expired entry (week < todayWeek - 1), else
    // appends it.
    void addUnavailable(std::int16_t brotherId, int weekNumber, int todayWeek);
    // Clears every entry holding the pair (the table does not shrink).
    void removeUnavailable(std::int16_t brotherId, int weekNumber);
    // The weeks of the brother in table order, at most max (55 when max is 0).
    std::vector<int> unavailableWeeks(std::int16_t brotherId, int max = 0) const;
    // Clears every entry of the brother.
    void removeBrother(std::int16_t brotherId);

private:
    const StoreIo& io_;
    std::vector<UnavailableRecord> entries_;
    bool dirty_ = false;
    int dropped_ = 0;
};

}  // namespace ambon
