// The home congregation's duty list: which of its brothers may go out as speaker, be
// chairman or read. Duties are bit numbers of a local brother's roles word.
#pragma once

#include <cstddef>

#include "store/amb_doc.h"

namespace ambon {

enum Duty : int { kDutyOutgoing = 1, kDutyChairman = 2, kDutyReader = 4 };

bool hasDuty(const LocalBrotherEntry& local, int duty);
void setDuty(LocalBrotherEntry& local, int duty, bool on);

// Not suspended, and in the duty list with the outgoing-speaker duty.
bool isOutgoingSpeaker(const CAmbDoc& doc, std::size_t brotherIndex);
// Entries of the duty list that hold the duty.
int countDuty(const CAmbDoc& doc, int duty);

}  // namespace ambon
