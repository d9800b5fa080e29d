// The week table and "history.dat".
#include "store/weeks.h"

#include <algorithm>

namespace ambon {

namespace {
constexpr std::size_t kSize = WeekRecord::kSize;
}

void Weeks::load() {
    skipped_ = 0;
    for (int i = 0; i < kWeekWindow; ++i) {
        slot(i) = WeekRecord{};
        slot(i).week = static_cast<std::uint16_t>(firstWeek_ + i + 1);
    }
    auto bytes = io_.dir().readAll(files::history());
    if (!bytes) return;
    int p = firstWeek_;
    for (std::size_t offset = 0; offset < bytes->size(); offset += kSize) {
        auto record = WeekRecord::decode(
            std::span(bytes->data() + offset, std::min(kSize, bytes->size() - offset)));
        int w = record.week;
        while (p + 1 < w && p < firstWeek_ + kWeekWindow - 1) ++p;
        if (p + 1 == w)
            slot(p - firstWeek_) = record;
        else
            ++skipped_;
    }
}

bool Weeks::save() const {
    Bytes bytes;
    for (int i = 0; i < kWeekWindow; ++i) {
        if ((slot(i).flags & WeekRecord::kInUse) == 0) continue;
        auto one = slot(i).encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return io_.writeWhole(files::history(), bytes);
}

WeekRecord& Weeks::getWeek(int weekIndex) {
    if (!inWindow(weekIndex)) {
        scratch_ = WeekRecord{};
        return scratch_;
    }
    return slot(weekIndex - firstWeek_);
}

const WeekRecord& Weeks::getWeek(int weekIndex) const {
    if (!inWindow(weekIndex)) return blank_;
    return slot(weekIndex - firstWeek_);
}

void Weeks::commitWeek(WeekRecord record, int weekIndex) {
    WeekRecord blank;
    blank.week = record.week;
    bool differs = !(record.encode() == blank.encode());
    record.flags = static_cast<std::uint16_t>(differs ? (record.flags | WeekRecord::kInUse)
                                                      : (record.flags & ~WeekRecord::kInUse));
    if (!inWindow(weekIndex)) return;
    slot(weekIndex - firstWeek_) = record;
}

int Weeks::weeksInUse() const {
    int n = 0;
    for (int i = 0; i < kWeekWindow; ++i)
        if (slot(i).flags & WeekRecord::kInUse) ++n;
    return n;
}

}  // namespace ambon
