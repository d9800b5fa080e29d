// The brother table: one entry per brother in "speakers.dat" (256-byte slots; the id of
// a brother is his slot), kept in name order, with his further contact details in
// "xtend.dat" (128-byte records).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/name_order.h"
#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

// What the program keeps of a brother in memory; the rest is read from his slot.
struct BrotherEntry {
    std::string firstName;
    std::string lastName;
    TalkSet talks{};
    std::int16_t brotherId = 0;
    std::int16_t congId = 0;
    std::uint16_t slot = 0;
    std::uint16_t extraNo = 0;
    std::uint8_t office = 0;  // 0 none, 1 ministerial servant, 2 elder
    bool suspended = false;
};

constexpr std::size_t kNoBrother = 0xFFFF;

class Brothers {
public:
    Brothers(const StoreIo& io, const NameOrder& order) : io_(io), order_(order) {}

    // Fills the table from "speakers.dat" (created with its header block when missing)
    // and counts the records of "xtend.dat" (created as one zero record when missing).
    // Nothing is created in a read-only data directory.
    void load();
    void clear();

    std::size_t count() const { return entries_.size(); }
    const std::vector<BrotherEntry>& entries() const { return entries_; }
    const BrotherEntry& entry(std::size_t index) const { return entries_[index]; }
    std::uint16_t speakerBlocks() const { return speakerBlocks_; }
    std::uint16_t extraCount() const { return extraCount_; }

    // The record in the entry's slot; slot 0 (and a zero record) when the slot no longer
    // holds that brother or the file cannot be read.
    std::uint16_t readBrother(std::size_t index, BrotherRecord& out) const;
    // Writes a record into its slot; slot 0 is refused with a message.
    bool writeBrotherSlot(std::uint16_t slot, const BrotherRecord& record) const;
    // Stores a new brother in the first free slot (the caller sorts afterwards).
    void addBrother(BrotherRecord record, BrotherExtraRecord extra);
    // Stores changed data of an existing brother (stored as new when his slot is stale).
    void updateBrother(std::size_t index, BrotherRecord record, BrotherExtraRecord extra);
    void refreshBrotherEntry(std::size_t index, std::uint16_t slot, const BrotherRecord& record);
    // Removes the entry at index from memory only (later entries move up).
    void removeEntry(std::size_t index);
    void setEntryCongId(std::size_t index, std::int16_t congId) { entries_[index].congId = congId; }

    std::size_t findBrother(std::int16_t brotherId) const;
    std::int16_t brotherIdAt(std::size_t index) const;
    // "%s, %s" (last, first) with lastFirst, else "%s %s"; empty beyond the table.
    std::string brotherName(std::size_t index, bool lastFirst) const;
    std::string brotherPhone(std::int16_t brotherId) const;
    // Sorts by the last-name-first form, or the first-name-first form when the language
    // asks for first-name order.
    void sortBrothers();
    void setFirstNameOrder(bool on) { firstNameOrder_ = on; }
    bool firstNameOrder() const { return firstNameOrder_; }

    std::uint16_t allocateExtra(const BrotherExtraRecord& extra);
    bool readExtra(std::uint16_t number, std::int16_t brotherId, BrotherExtraRecord& out) const;
    std::uint16_t writeExtra(std::uint16_t number, const BrotherExtraRecord& extra) const;
    void freeExtra(std::uint16_t number, std::int16_t brotherId) const;

    // Converts the older "extend.dat" into "xtend.dat" when "xtend.dat" does not exist.
    void convertOldExtraFile() const;

private:
    static bool hasExtraText(const BrotherExtraRecord& extra);
    static void fillEntry(BrotherEntry& e, std::uint16_t slot, BrotherListFields fields);
    // From a whole block of the file, decoded in place.
    static void fillEntry(BrotherEntry& e, std::uint16_t slot, std::span<const std::uint8_t> block);

    const StoreIo& io_;
    const NameOrder& order_;
    std::vector<BrotherEntry> entries_;
    std::uint16_t speakerBlocks_ = 0;
    std::uint16_t extraCount_ = 0;
    bool firstNameOrder_ = false;
};

}  // namespace ambon
