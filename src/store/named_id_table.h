// A flat file of 32-byte records holding a name and a number from 30001 up: the
// circuits ("circuit.dat") and the hospitality providers ("hospital.dat").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/name_order.h"
#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

class NamedIdTable {
public:
    NamedIdTable(const StoreIo& io, const NameOrder& order, std::string (*fileName)())
        : io_(io), order_(order), fileName_(fileName) {}

    // Reads the file to its end; a missing file leaves the table empty.
    void load();
    // Rewrites the whole file in table order. An empty table writes an empty file, so a
    // deleted last entry stays deleted.
    bool save() const;
    void clear() { records_.clear(); }

    std::size_t count() const { return records_.size(); }
    const std::vector<NamedIdRecord>& records() const { return records_; }
    std::vector<NamedIdRecord>& records() { return records_; }
    // Table index + 1, or 0 (also for id 0).
    std::size_t find(std::uint16_t id) const;
    std::string name(std::size_t index) const;
    void sort();
    // The smallest id from 30001 up that no record uses; the search stops at 31000.
    std::uint16_t freeId() const;
    std::string fileName() const { return fileName_(); }

private:
    const StoreIo& io_;
    const NameOrder& order_;
    std::string (*fileName_)();
    std::vector<NamedIdRecord> records_;
};

}  // namespace ambon
