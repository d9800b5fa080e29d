// Circuits and hospitality providers.
#include "reference/named_lists.h"

#include <string_view>

#include "calendar/text_services.h"

namespace ambon {

namespace {

// How one of the two tables compares names.
std::string_view plainKey(std::string_view name) {
    return name;
}

std::string_view hostKey(std::string_view name) {
    // The marker counts only at the start of the trimmed name.
    std::size_t first = name.find_first_not_of(' ');
    if (first != std::string_view::npos && name[first] == '~') return name.substr(first + 1);
    return name;
}

using KeyFn = std::string_view (*)(std::string_view);

int findByName(const CAmbDoc& doc, Messages& messages, const NamedIdTable& table, KeyFn key,
               const std::string& text, bool flag, int exceptIndex) {
    const auto& records = table.records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!flag && static_cast<int>(i) == exceptIndex) continue;
        if (!doc.nameOrder().equal(key(text), key(records[i].name))) continue;
        if (exceptIndex != kSilentNameLookup)
            messages.ok(records[i].name + " Dubbele naam.\n\n", MsgIcon::Warning);
        return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string cleanName(const std::string& name) {
    return utf8Left(trimmed(name), kNamedRecordLimit);
}

bool addNamed(CAmbDoc& doc, Messages& messages, NamedIdTable& table, KeyFn key,
              NamedIdRecord record) {
    record.name = cleanName(record.name);
    if (record.name.empty()) return false;
    // The number is beyond every index, so no entry is skipped.
    if (findByName(doc, messages, table, key, record.name, true, 5000) != 0) return false;
    record.id = table.freeId();
    table.records().push_back(record);
    table.sort();
    table.save();
    return true;
}

bool renameNamed(CAmbDoc& doc, Messages& messages, NamedIdTable& table, KeyFn key,
                 std::size_t index, const std::string& name) {
    if (index >= table.count()) return false;
    std::string clean = cleanName(name);
    if (clean.empty()) return false;
    if (findByName(doc, messages, table, key, clean, false, static_cast<int>(index)) != 0)
        return false;
    table.records()[index].name = clean;
    table.sort();
    table.save();
    return true;
}

void removeNamed(NamedIdTable& table, std::size_t index) {
    auto& records = table.records();
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
    table.sort();
    table.save();
}

}  // namespace

int findCircuitByName(const CAmbDoc& doc, Messages& messages, const std::string& text, bool flag,
                      int exceptIndex) {
    return findByName(doc, messages, doc.circuits(), plainKey, text, flag, exceptIndex);
}

bool addCircuit(CAmbDoc& doc, Messages& messages, CircuitRecord record) {
    return addNamed(doc, messages, doc.circuits(), plainKey, std::move(record));
}

bool renameCircuit(CAmbDoc& doc, Messages& messages, std::size_t index, const std::string& name) {
    return renameNamed(doc, messages, doc.circuits(), plainKey, index, name);
}

void deleteCircuit(CAmbDoc& doc, std::size_t index) {
    NamedIdTable& circuits = doc.circuits();
    if (index >= circuits.count()) return;
    const auto id = static_cast<std::int16_t>(circuits.records()[index].id);
    Congregations& congs = doc.congregations();
    for (std::size_t i = 0; i < congs.count(); ++i) {
        if (congs.entry(i).circuitId != id) continue;
        CongregationRecord record;
        std::uint16_t slot = congs.readCongregation(i, record);
        if (slot != 0) {
            record.circuitId = 0;
            congs.writeCongregationSlot(slot, record);
        }
        congs.entry(i).circuitId = 0;
    }
    removeNamed(circuits, index);
}

std::string hostDisplayName(std::string_view name) {
    return std::string(hostKey(name));
}

int findHostByName(const CAmbDoc& doc, Messages& messages, const std::string& text, bool flag,
                   int exceptIndex) {
    return findByName(doc, messages, doc.hosts(), hostKey, text, flag, exceptIndex);
}

bool addHost(CAmbDoc& doc, Messages& messages, HostRecord record) {
    return addNamed(doc, messages, doc.hosts(), hostKey, std::move(record));
}

bool renameHost(CAmbDoc& doc, Messages& messages, std::size_t index, const std::string& name) {
    return renameNamed(doc, messages, doc.hosts(), hostKey, index, name);
}

void deleteHost(CAmbDoc& doc, std::size_t index) {
    if (index < doc.hosts().count()) removeNamed(doc.hosts(), index);
}

}  // namespace ambon
