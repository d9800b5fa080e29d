// Unavailable weeks of brothers.
#include "store/unavailability.h"

#include <algorithm>

namespace ambon {

namespace {
constexpr std::size_t kSize = UnavailableRecord::kSize;
}

void Unavailability::load(int todayWeek) {
    entries_.clear();
    dirty_ = false;
    dropped_ = 0;
    auto bytes = io_.dir().readAll(files::blackout());
    if (!bytes) return;
    entries_.reserve(bytes->size() / kSize + 1);
    for (std::size_t offset = 0; offset < bytes->size(); offset += kSize) {
        auto r = UnavailableRecord::decode(
            std::span(bytes->data() + offset, std::min(kSize, bytes->size() - offset)));
        if (r.brotherId != 0 && r.week >= todayWeek)
            entries_.push_back(r);
        else
            ++dropped_;
    }
}

bool Unavailability::save() {
    if (entries_.empty() || !dirty_) return true;
    Bytes bytes;
    for (const auto& r : entries_) {
        if (r.brotherId == 0) continue;
        auto one = r.encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    if (!io_.writeWhole(files::blackout(), bytes)) return false;
    dirty_ = false;
    return true;
}

bool Unavailability::isAvailable(std::int16_t brotherId, int weekNumber) const {
    for (const auto& r : entries_)
        if (r.brotherId == brotherId && r.week == weekNumber) return false;
    return true;
}

void Unavailability::addUnavailable(std::int16_t brotherId, int weekNumber, int todayWeek) {
    auto week = static_cast<std::uint16_t>(weekNumber);
    // Weeks are compared unsigned, as the week field is.
    auto expiredBelow = static_cast<std::uint16_t>(todayWeek - 1);
    dirty_ = true;
    for (auto& r : entries_) {
        if (r.brotherId == 0 || r.week < expiredBelow) {
            r = UnavailableRecord{};
            r.brotherId = brotherId;
            r.week = week;
        }
        if (r.brotherId == brotherId && r.week == week) return;
    }
    UnavailableRecord r;
    r.brotherId = brotherId;
    r.week = week;
    entries_.push_back(r);
}

void Unavailability::removeUnavailable(std::int16_t brotherId, int weekNumber) {
    dirty_ = true;
    for (auto& r : entries_)
        if (r.brotherId == brotherId && r.week == weekNumber) r = UnavailableRecord{};
}

std::vector<int> Unavailability::unavailableWeeks(std::int16_t brotherId, int max) const {
    std::size_t limit = max == 0 ? 55 : static_cast<std::size_t>(max);
    std::vector<int> weeks;
    for (const auto& r : entries_) {
        if (weeks.size() >= limit) break;
        if (r.brotherId == brotherId) weeks.push_back(r.week);
    }
    return weeks;
}

void Unavailability::removeBrother(std::int16_t brotherId) {
    for (auto& r : entries_) {
        if (r.brotherId == brotherId) {
            r = UnavailableRecord{};
            dirty_ = true;
        }
    }
}

}  // namespace ambon
