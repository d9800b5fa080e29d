// The congregation table: one entry per congregation in "cong.dat" (256-byte slots; the
// id of a congregation is its slot), kept in name order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/name_order.h"
#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

struct CongregationEntry {
    std::string name;
    std::int16_t congId = 0;
    std::int16_t circuitId = 0;
    std::int16_t elderCoordinatorId = 0;
    std::int16_t talkCoordinatorId = 0;
    std::int16_t secretaryId = 0;
    std::uint16_t slot = 0;
    std::string meetingTimeOdd;
    std::string meetingTimeEven;
    std::uint8_t meetingDayOdd = 0;  // as stored: 0 = Sunday, 1..6 = Monday..Saturday
    std::uint8_t meetingDayEven = 0;
};

class Congregations {
public:
    Congregations(const StoreIo& io, const NameOrder& order) : io_(io), order_(order) {}

    // Fills the table from "cong.dat" (created with its header block when missing, unless
    // the data directory is read-only).
    void load();
    void clear();

    std::size_t count() const { return entries_.size(); }
    const std::vector<CongregationEntry>& entries() const { return entries_; }
    const CongregationEntry& entry(std::size_t index) const { return entries_[index]; }
    CongregationEntry& entry(std::size_t index) { return entries_[index]; }
    std::uint16_t congBlocks() const { return congBlocks_; }

    // The record in the entry's slot; slot 0 when the slot no longer holds it.
    std::uint16_t readCongregation(std::size_t index, CongregationRecord& out) const;
    bool writeCongregationSlot(std::uint16_t slot, const CongregationRecord& record) const;
    // Stores a new congregation in the first free slot; returns its table index (the
    // caller sorts afterwards).
    std::size_t addCongregation(CongregationRecord record);
    // Writes the record into the entry's slot; silent when the file cannot be opened.
    void updateCongregation(std::size_t index, const CongregationRecord& record) const;
    void refreshCongregationEntry(std::size_t index, std::uint16_t slot,
                                  const CongregationRecord& record);
    void removeEntry(std::size_t index);

    // Table index + 1, or 0 when absent or congId is 0.
    std::size_t findCongregation(std::int16_t congId) const;
    // The name; with the prefix "Gemeente - " before it.
    std::string congregationName(std::size_t index, bool withPrefix) const;
    void sortCongregations();

private:
    static void fillEntry(CongregationEntry& e, std::uint16_t slot, CongregationListFields fields);

    const StoreIo& io_;
    const NameOrder& order_;
    std::vector<CongregationEntry> entries_;
    std::uint16_t congBlocks_ = 0;
};

// Weekday coding: on disk 0 = Sunday, 1..6 = Monday..Saturday; on screen and in the
// document an index 0..6 = Monday..Sunday.
int weekdayIndexOfStored(int stored);
std::uint8_t storedWeekdayOfIndex(int index);

}  // namespace ambon
