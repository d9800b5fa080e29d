// The congregation table and "cong.dat".
#include "store/congregations.h"

#include <algorithm>

#include "resources/string_table.h"

namespace ambon {

namespace {
constexpr std::size_t kBlock = CongregationRecord::kSize;
}

int weekdayIndexOfStored(int stored) {
    return stored == 0 ? 6 : stored - 1;
}

std::uint8_t storedWeekdayOfIndex(int index) {
    return static_cast<std::uint8_t>(index >= 6 || index < 0 ? 0 : index + 1);
}

void Congregations::clear() {
    entries_.clear();
    congBlocks_ = 0;
}

void Congregations::load() {
    clear();
    const DataDir& dir = io_.dir();
    const std::string name = files::congs();
    auto bytes = dir.readAll(name);
    if (!bytes) {
        // The new file holds its header block, so the first congregation gets block 1. A
        // file that exists but cannot be read is left alone.
        if (!dir.readOnly() && !dir.exists(name)) {
            RecordBytes<kBlock> header{};
            if (dir.writeWhole(name, header)) congBlocks_ = 1;
        }
        return;
    }
    const std::size_t size = bytes->size();
    const std::size_t blocks = std::min<std::size_t>((size + kBlock - 1) / kBlock, 0xFFFF);
    // A last block cut short reads as if zero-filled.
    RecordBytes<kBlock> tail{};
    if (size % kBlock != 0 && blocks == (size + kBlock - 1) / kBlock)
        std::copy(bytes->begin() + static_cast<std::ptrdiff_t>((blocks - 1) * kBlock), bytes->end(),
                  tail.begin());
    auto block = [&](std::size_t k) -> std::span<const std::uint8_t> {
        std::size_t offset = k * kBlock;
        if (offset + kBlock <= size) return std::span(bytes->data() + offset, kBlock);
        return tail;
    };
    // The order comes from the stored names first, so each entry is made once, in its
    // place.
    std::vector<std::uint16_t> slots;
    slots.reserve(blocks);
    NameKeys keys(order_, blocks);
    for (std::size_t k = 1; k < blocks; ++k) {
        auto b = block(k);
        if (CongregationListFields::storedId(b) == 0) continue;
        slots.push_back(static_cast<std::uint16_t>(k));
        keys.addStored(CongregationListFields::storedName(b));
    }
    const std::vector<std::size_t> positions = keys.sortedPositions();
    entries_.reserve(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        std::uint16_t slot = slots[positions.empty() ? i : positions[i]];
        fillEntry(entries_.emplace_back(), slot, CongregationListFields::decode(block(slot)));
    }
    congBlocks_ = static_cast<std::uint16_t>(blocks);
}

std::uint16_t Congregations::readCongregation(std::size_t index, CongregationRecord& out) const {
    out = CongregationRecord{};
    if (index >= entries_.size()) return 0;
    const CongregationEntry& e = entries_[index];
    if (e.slot == 0) return 0;
    auto bytes = io_.dir().readAt(files::congs(), std::uint64_t{e.slot} * kBlock, kBlock);
    if (!bytes) return 0;
    auto record = CongregationRecord::decode(*bytes);
    if (record.congId != e.congId) return 0;
    out = record;
    return e.slot;
}

bool Congregations::writeCongregationSlot(std::uint16_t slot,
                                          const CongregationRecord& record) const {
    // Block 0 is the header and never holds a congregation.
    if (slot == 0) return false;
    auto bytes = record.encode();
    return io_.writeAt(files::congs(), std::uint64_t{slot} * kBlock, bytes);
}

std::size_t Congregations::addCongregation(CongregationRecord record) {
    std::uint16_t slot = 0;
    auto bytes = entries_.empty() ? std::nullopt : io_.dir().readAll(files::congs());
    if (!bytes) {
        slot = static_cast<std::uint16_t>(entries_.size() + 1);
    } else {
        slot = congBlocks_;
        for (std::uint16_t k = 1; k < congBlocks_; ++k) {
            std::size_t offset = std::size_t{k} * kBlock;
            if (offset >= bytes->size() ||
                CongregationRecord::decode(
                    std::span(bytes->data() + offset, std::min(kBlock, bytes->size() - offset)))
                        .congId == 0) {
                slot = k;
                break;
            }
        }
    }
    record.congId = static_cast<std::int16_t>(slot);
    writeCongregationSlot(slot, record);
    // As for brothers: the block count follows the slot written, so an empty "cong.dat"
    // does not hand the same slot out twice.
    if (slot >= congBlocks_) congBlocks_ = static_cast<std::uint16_t>(slot + 1);
    entries_.emplace_back();
    refreshCongregationEntry(entries_.size() - 1, slot, record);
    return entries_.size() - 1;
}

void Congregations::updateCongregation(std::size_t index, const CongregationRecord& record) const {
    if (index >= entries_.size() || entries_[index].slot == 0) return;
    auto bytes = record.encode();
    io_.dir().writeAt(files::congs(), std::uint64_t{entries_[index].slot} * kBlock, bytes);
}

void Congregations::refreshCongregationEntry(std::size_t index, std::uint16_t slot,
                                             const CongregationRecord& record) {
    fillEntry(entries_[index], slot,
              {record.name, record.congId, record.circuitId, record.elderCoordinatorId,
               record.secretaryId, record.talkCoordinatorId, record.meetingTimeOdd,
               record.meetingTimeEven, record.meetingDayOdd, record.meetingDayEven});
}

void Congregations::fillEntry(CongregationEntry& e, std::uint16_t slot,
                              CongregationListFields fields) {
    e.name = std::move(fields.name);
    e.congId = fields.congId;
    e.circuitId = fields.circuitId;
    e.elderCoordinatorId = fields.elderCoordinatorId;
    e.talkCoordinatorId = fields.talkCoordinatorId;
    e.secretaryId = fields.secretaryId;
    e.meetingTimeOdd = std::move(fields.meetingTimeOdd);
    e.meetingTimeEven = std::move(fields.meetingTimeEven);
    e.meetingDayOdd = fields.meetingDayOdd;
    e.meetingDayEven = fields.meetingDayEven;
    e.slot = slot;
}

void Congregations::removeEntry(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<long>(index));
}

std::size_t Congregations::findCongregation(std::int16_t congId) const {
    if (congId == 0) return 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].congId == congId) return i + 1;
    return 0;
}

std::string Congregations::congregationName(std::size_t index, bool withPrefix) const {
    if (index >= entries_.size()) return {};
    if (!withPrefix) return entries_[index].name;
    return std::string(stringText(1057)) + " - " + entries_[index].name;
}

void Congregations::sortCongregations() {
    sortByName(entries_, order_,
               [](const CongregationEntry& e) -> const std::string& { return e.name; });
}

}  // namespace ambon
