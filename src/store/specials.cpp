// Special events and their marks in the week table.
#include "store/specials.h"

#include <algorithm>

namespace ambon {

namespace {
constexpr std::size_t kSize = SpecialEventRecord::kSize;
}

void Specials::load() {
    events_.clear();
    auto bytes = io_.dir().readAll(files::specials());
    if (!bytes) return;
    events_.reserve((bytes->size() + kSize - 1) / kSize);
    for (std::size_t offset = 0; offset < bytes->size(); offset += kSize)
        events_.push_back(SpecialEventRecord::decode(
            std::span(bytes->data() + offset, std::min(kSize, bytes->size() - offset))));
}

bool Specials::save() const {
    Bytes bytes;
    bytes.reserve(events_.size() * kSize);
    for (const auto& e : events_) {
        auto one = e.encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return io_.writeWhole(files::specials(), bytes);
}

std::size_t Specials::findSpecial(int weekIndex) const {
    for (std::size_t i = 0; i < events_.size(); ++i)
        if (events_[i].weekIndex == weekIndex) return i + 1;
    return 0;
}

void Specials::storeSpecial(const SpecialEventRecord& event, Weeks& weeks) {
    std::size_t found = findSpecial(event.weekIndex);
    if (found != 0) {
        events_[found - 1] = event;
    } else {
        events_.push_back(event);
        std::stable_sort(events_.begin(), events_.end(),
                         [](const SpecialEventRecord& a, const SpecialEventRecord& b) {
                             return a.weekIndex < b.weekIndex;
                         });
    }
    WeekRecord& week = weeks.getWeek(event.weekIndex);
    week.flags = static_cast<std::uint16_t>(event.eventFlags | WeekRecord::kInUse);
}

void Specials::removeSpecial(std::size_t position, Weeks& weeks) {
    if (position >= events_.size()) return;
    WeekRecord& week = weeks.getWeek(events_[position].weekIndex);
    week.flags &= WeekRecord::kInUse;
    events_.erase(events_.begin() + static_cast<long>(position));
}

}  // namespace ambon
