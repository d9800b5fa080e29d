// Operations on congregations that screens share: finding one by name (with the
// duplicate message and the overwrite question) and counting its brothers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"
#include "store/amb_doc.h"

namespace ambon {

// exceptIndex that makes a lookup by name report a match silently.
constexpr int kSilentNameLookup = 32211;

// Compares text (trimmed, case-insensitively) with every congregation's name, skipping
// the entry at exceptIndex unless offerOverwrite is set. No match: 0. A match with
// kSilentNameLookup: index + 1. Any other match shows "Dubbele naam." after the name
// (with the overwrite question when offered) and gives index + 1 for Yes, -1 otherwise.
int findCongregationByName(const CAmbDoc& doc, Messages& messages, const std::string& text,
                           bool offerOverwrite, int exceptIndex);

// Number of brothers whose congregation is congId.
int brothersOfCongregation(const CAmbDoc& doc, std::int16_t congId);

}  // namespace ambon
