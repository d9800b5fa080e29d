// Special events ("special.dat"): assemblies, circuit overseer visits and other events,
// one per week, in ascending order of week index. Storing or removing an event also
// sets or clears the event marks of its week.
#pragma once

#include <vector>

#include "store/records.h"
#include "store/store_io.h"
#include "store/weeks.h"

namespace ambon {

class Specials {
public:
    explicit Specials(const StoreIo& io) : io_(io) {}

    void load();
    // Rewrites the file with every event (an empty table writes an empty file).
    bool save() const;
    void clear() { events_.clear(); }

    std::size_t count() const { return events_.size(); }
    const std::vector<SpecialEventRecord>& events() const { return events_; }
    const SpecialEventRecord& event(std::size_t position) const { return events_[position]; }

    // Position + 1 of the event of that week, 0 when none.
    std::size_t findSpecial(int weekIndex) const;
    // Replaces the week's event or inserts it in order; the week's flags become the
    // event's flags with the in-use bit.
    void storeSpecial(const SpecialEventRecord& event, Weeks& weeks);
    // Removes the event at position (0-based); its week keeps only the in-use bit.
    void removeSpecial(std::size_t position, Weeks& weeks);

private:
    const StoreIo& io_;
    std::vector<SpecialEventRecord> events_;
};

}  // namespace ambon
