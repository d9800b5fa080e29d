// The brother table and its two files.
#include "store/brothers.h"

#include <algorithm>

#include "calendar/text_services.h"
#include "store/cp1252.h"
#include "store/field_codec.h"

namespace ambon {

namespace {

constexpr std::size_t kBlock = BrotherRecord::kSize;
constexpr std::size_t kExtra = BrotherExtraRecord::kSize;

// Support address named in the refusal to write a brother into the header block.
constexpr const char* kSupportAddress = "ambon-support@example.org";

}  // namespace

void Brothers::clear() {
    entries_.clear();
    speakerBlocks_ = 0;
    extraCount_ = 0;
}

void Brothers::load() {
    clear();
    const DataDir& dir = io_.dir();
    const std::string name = files::speakers();
    auto bytes = dir.readAll(name);
    if (!bytes) {
        // A first start: the file gets its header block. It then holds one block, so the
        // first brother goes into block 1 and the second into block 2. A file that exists
        // but cannot be read is left alone rather than replaced by an empty one.
        if (!dir.readOnly() && !dir.exists(name)) {
            RecordBytes<kBlock> header{};
            if (dir.writeWhole(name, header)) speakerBlocks_ = 1;
        }
    } else {
        const std::size_t size = bytes->size();
        const std::size_t blocks = std::min<std::size_t>((size + kBlock - 1) / kBlock, 0xFFFF);
        // A last block cut short reads as if zero-filled.
        RecordBytes<kBlock> tail{};
        if (size % kBlock != 0 && blocks == (size + kBlock - 1) / kBlock)
            std::copy(bytes->begin() + static_cast<std::ptrdiff_t>((blocks - 1) * kBlock),
                      bytes->end(), tail.begin());
        auto block = [&](std::size_t k) -> std::span<const std::uint8_t> {
            std::size_t offset = k * kBlock;
            if (offset + kBlock <= size) return std::span(bytes->data() + offset, kBlock);
            return tail;
        };
        // The order is found from the stored names before any entry is made, so the
        // entries are made once, in their place, and never moved. A brother's key is that
        // of brotherName in the form the order uses.
        const bool lastFirst = !firstNameOrder_;
        std::vector<std::uint16_t> slots;
        slots.reserve(blocks);
        NameKeys keys(order_, blocks);
        for (std::size_t k = 1; k < blocks; ++k) {
            auto b = block(k);
            if (BrotherListFields::storedId(b) == 0) continue;
            slots.push_back(static_cast<std::uint16_t>(k));
            std::string_view first = BrotherListFields::storedFirstName(b);
            std::string_view last = BrotherListFields::storedLastName(b);
            if (lastFirst)
                keys.addStored(last, ", ", first);
            else
                keys.addStored(first, " ", last);
        }
        // Then the entries are made in name order. That reads the blocks all over the
        // file: each is asked for a few entries ahead, so that it has come from memory
        // when its turn comes.
        const std::vector<std::size_t> positions = keys.sortedPositions();
        constexpr std::size_t kAhead = 8;
        auto slotAt = [&](std::size_t i) { return slots[positions.empty() ? i : positions[i]]; };
        entries_.reserve(slots.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (i + kAhead < slots.size()) {
                // The names (bytes 0..39), the talks (136..167) and the numbers (200..207).
                const std::uint8_t* ahead = block(slotAt(i + kAhead)).data();
                for (std::size_t at : {0, 39, 136, 167, 207}) __builtin_prefetch(ahead + at);
            }
            fillEntry(entries_.emplace_back(), slotAt(i), block(slotAt(i)));
        }
        speakerBlocks_ = static_cast<std::uint16_t>(blocks);
    }

    const std::string extraName = files::extra();
    if (dir.exists(extraName)) {
        extraCount_ = static_cast<std::uint16_t>(
            std::min<std::uint64_t>(dir.fileSize(extraName) / kExtra, 0xFFFF));
    } else {
        extraCount_ = 0;
        if (!dir.readOnly()) {
            RecordBytes<kExtra> zero{};
            dir.writeWhole(extraName, zero);
        }
    }
}

void Brothers::convertOldExtraFile() const {
    const DataDir& dir = io_.dir();
    if (dir.readOnly() || dir.exists(files::extra())) return;
    std::size_t n = dir.fileSize(files::oldExtra()) / LegacyExtraRecord::kSize;
    if (n == 0) return;
    auto old = dir.readAll(files::oldExtra());
    if (!old) return;
    n = std::min(n, old->size() / LegacyExtraRecord::kSize);
    Bytes converted;
    converted.reserve(n * kExtra);
    for (std::size_t i = 0; i < n; ++i) {
        auto legacy = LegacyExtraRecord::decode(
            std::span(old->data() + i * LegacyExtraRecord::kSize, LegacyExtraRecord::kSize));
        BrotherExtraRecord extra;
        extra.brotherId = legacy.brotherId;
        extra.mobile = legacy.mobile;
        extra.skype = legacy.skype;
        extra.email = legacy.email;
        auto bytes = extra.encode();
        converted.insert(converted.end(), bytes.begin(), bytes.end());
    }
    io_.writeWhole(files::extra(), converted);
}

std::uint16_t Brothers::readBrother(std::size_t index, BrotherRecord& out) const {
    out = BrotherRecord{};
    if (index >= entries_.size()) return 0;
    const BrotherEntry& e = entries_[index];
    auto bytes = io_.dir().readAt(files::speakers(), std::uint64_t{e.slot} * kBlock, kBlock);
    if (!bytes) return 0;
    auto record = BrotherRecord::decode(*bytes);
    if (record.brotherId != e.brotherId || e.slot == 0) return 0;
    out = record;
    return e.slot;
}

bool Brothers::writeBrotherSlot(std::uint16_t slot, const BrotherRecord& record) const {
    if (slot == 0) {
        io_.messages().ok(std::string("Oh no!\n\nYou can't do that!\n\nPlease email ") +
                              kSupportAddress + " and explain what you were doing.",
                          MsgIcon::Error);
        return false;
    }
    auto bytes = record.encode();
    return io_.writeAt(files::speakers(), std::uint64_t{slot} * kBlock, bytes);
}

bool Brothers::hasExtraText(const BrotherExtraRecord& extra) {
    return !trimmed(extra.mobile).empty() || !trimmed(extra.skype).empty() ||
           !trimmed(extra.email).empty() || !trimmed(extra.remark).empty();
}

void Brothers::addBrother(BrotherRecord record, BrotherExtraRecord extra) {
    std::uint16_t slot = 0;
    auto bytes = entries_.empty() ? std::nullopt : io_.dir().readAll(files::speakers());
    if (!bytes) {
        slot = static_cast<std::uint16_t>(entries_.size() + 1);
    } else {
        slot = speakerBlocks_;
        for (std::uint16_t k = 1; k < speakerBlocks_; ++k) {
            std::size_t offset = std::size_t{k} * kBlock;
            // A block beyond the end of the file reads as zeros, that is as free.
            if (offset >= bytes->size() ||
                BrotherRecord::decode(
                    std::span(bytes->data() + offset, std::min(kBlock, bytes->size() - offset)))
                        .brotherId == 0) {
                slot = k;
                break;
            }
        }
    }
    record.brotherId = static_cast<std::int16_t>(slot);
    if (hasExtraText(extra)) {
        extra.brotherId = record.brotherId;
        record.extraNo = allocateExtra(extra);
    } else {
        record.extraNo = 0;
    }
    writeBrotherSlot(slot, record);
    // The file now reaches at least to this slot. Counting up by one would fall behind
    // when the slot came from the table's count (an empty "speakers.dat"), and the next
    // brother would then be written over this one.
    if (slot >= speakerBlocks_) speakerBlocks_ = static_cast<std::uint16_t>(slot + 1);
    entries_.emplace_back();
    refreshBrotherEntry(entries_.size() - 1, slot, record);
}

void Brothers::updateBrother(std::size_t index, BrotherRecord record, BrotherExtraRecord extra) {
    BrotherRecord stored;
    std::uint16_t slot = readBrother(index, stored);
    if (slot == 0) {
        addBrother(std::move(record), std::move(extra));
        return;
    }
    // Bytes the program does not interpret come from the file as it is now.
    record.raw = stored.raw;
    record.brotherId = stored.brotherId;
    record.extraNo = stored.extraNo;
    if (hasExtraText(extra)) {
        extra.brotherId = record.brotherId;
        if (record.extraNo != 0)
            writeExtra(record.extraNo, extra);
        else
            record.extraNo = allocateExtra(extra);
    } else {
        record.extraNo = 0;
    }
    writeBrotherSlot(slot, record);
    refreshBrotherEntry(index, slot, record);
}

void Brothers::refreshBrotherEntry(std::size_t index, std::uint16_t slot,
                                   const BrotherRecord& record) {
    fillEntry(entries_[index], slot,
              {record.firstName, record.lastName, record.talks, record.flags, record.congId,
               record.brotherId, record.extraNo});
}

void Brothers::fillEntry(BrotherEntry& e, std::uint16_t slot, BrotherListFields fields) {
    e.firstName = std::move(fields.firstName);
    e.lastName = std::move(fields.lastName);
    e.talks = fields.talks;
    e.brotherId = fields.brotherId;
    e.congId = fields.congId;
    e.extraNo = fields.extraNo;
    e.slot = slot;
    e.office = static_cast<std::uint8_t>(fields.flags & BrotherRecord::kOfficeMask);
    e.suspended = (fields.flags & BrotherRecord::kSuspendedBit) != 0;
}

void Brothers::fillEntry(BrotherEntry& e, std::uint16_t slot, std::span<const std::uint8_t> block) {
    cp1252ToUtf8(BrotherListFields::storedFirstName(block), e.firstName);
    cp1252ToUtf8(BrotherListFields::storedLastName(block), e.lastName);
    BrotherListFields::storedTalks(block, e.talks);
    e.brotherId = BrotherListFields::storedId(block);
    e.congId = BrotherListFields::storedCongId(block);
    e.extraNo = BrotherListFields::storedExtraNo(block);
    e.slot = slot;
    const std::uint8_t flags = BrotherListFields::storedFlags(block);
    e.office = static_cast<std::uint8_t>(flags & BrotherRecord::kOfficeMask);
    e.suspended = (flags & BrotherRecord::kSuspendedBit) != 0;
}

void Brothers::removeEntry(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<long>(index));
}

std::size_t Brothers::findBrother(std::int16_t brotherId) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].brotherId == brotherId) return i;
    return kNoBrother;
}

std::int16_t Brothers::brotherIdAt(std::size_t index) const {
    return index < entries_.size() ? entries_[index].brotherId : 0;
}

std::string Brothers::brotherName(std::size_t index, bool lastFirst) const {
    if (index >= entries_.size()) return {};
    const BrotherEntry& e = entries_[index];
    return lastFirst ? e.lastName + ", " + e.firstName : e.firstName + " " + e.lastName;
}

std::string Brothers::brotherPhone(std::int16_t brotherId) const {
    std::size_t index = findBrother(brotherId);
    if (index == kNoBrother) return {};
    BrotherRecord record;
    if (readBrother(index, record) == 0) return {};
    return record.phone;
}

void Brothers::sortBrothers() {
    bool lastFirst = !firstNameOrder_;
    std::string name;  // reused for every entry
    sortByName(entries_, order_, [lastFirst, &name](const BrotherEntry& e) -> const std::string& {
        name.assign(lastFirst ? e.lastName : e.firstName);
        name.append(lastFirst ? ", " : " ").append(lastFirst ? e.firstName : e.lastName);
        return name;
    });
}

std::uint16_t Brothers::allocateExtra(const BrotherExtraRecord& extra) {
    if (extra.brotherId == 0) return 0;
    std::uint16_t number = 0;
    auto bytes = io_.dir().readAll(files::extra());
    if (bytes) {
        std::size_t whole = std::min<std::size_t>(extraCount_, bytes->size() / kExtra);
        for (std::size_t n = 1; n <= whole; ++n) {
            if (getI16(*bytes, (n - 1) * kExtra) == 0) {
                number = static_cast<std::uint16_t>(n);
                break;
            }
        }
    }
    if (number == 0) number = ++extraCount_;
    writeExtra(number, extra);
    return number;
}

bool Brothers::readExtra(std::uint16_t number, std::int16_t brotherId,
                         BrotherExtraRecord& out) const {
    out = BrotherExtraRecord{};
    if (number == 0) return false;
    auto bytes = io_.dir().readAt(files::extra(), std::uint64_t{number - 1u} * kExtra, kExtra);
    if (!bytes) return false;
    auto record = BrotherExtraRecord::decode(*bytes);
    if (record.brotherId != brotherId) return false;
    out = record;
    return true;
}

std::uint16_t Brothers::writeExtra(std::uint16_t number, const BrotherExtraRecord& extra) const {
    if (number == 0 || extra.brotherId == 0 || number > extraCount_) return 0;
    auto bytes = extra.encode();
    if (!io_.dir().writeAt(files::extra(), std::uint64_t{number - 1u} * kExtra, bytes)) return 0;
    return number;
}

void Brothers::freeExtra(std::uint16_t number, std::int16_t brotherId) const {
    if (number == 0 || number > extraCount_) return;
    BrotherExtraRecord record;
    if (!readExtra(number, brotherId, record)) return;
    RecordBytes<kExtra> zero{};
    io_.dir().writeAt(files::extra(), std::uint64_t{number - 1u} * kExtra, zero);
}

}  // namespace ambon
