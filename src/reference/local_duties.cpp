// Duties of the home congregation's brothers.
#include "reference/local_duties.h"

namespace ambon {

bool hasDuty(const LocalBrotherEntry& local, int duty) {
    return (local.roles & (1 << duty)) != 0;
}

void setDuty(LocalBrotherEntry& local, int duty, bool on) {
    auto bit = static_cast<std::int16_t>(1 << duty);
    local.roles = static_cast<std::int16_t>(on ? (local.roles | bit) : (local.roles & ~bit));
}

bool isOutgoingSpeaker(const CAmbDoc& doc, std::size_t brotherIndex) {
    if (brotherIndex >= doc.brothers().count()) return false;
    const BrotherEntry& brother = doc.brothers().entry(brotherIndex);
    if (brother.suspended) return false;
    for (const LocalBrotherEntry& local : doc.localBrothers())
        if (local.brotherId == brother.brotherId && hasDuty(local, kDutyOutgoing)) return true;
    return false;
}

int countDuty(const CAmbDoc& doc, int duty) {
    int count = 0;
    for (const LocalBrotherEntry& local : doc.localBrothers())
        if (hasDuty(local, duty)) ++count;
    return count;
}

}  // namespace ambon
