// Operations on brothers that keep the other tables consistent: finding a duplicate
// name, deleting a brother, moving him to another congregation, and following him in
// the weeks he speaks.
#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"
#include "reference/congregation_ops.h"
#include "store/amb_doc.h"

namespace ambon {

// Compares text case-insensitively with every brother's given-name form (skipping
// exceptIndex unless offerOverwrite is set). No match: 0. A match with kSilentNameLookup:
// index + 1. Any other match shows "Dubbele naam." (with the overwrite question when
// offered) and gives index + 1 for Yes, -1 otherwise.
int findBrotherByName(const CAmbDoc& doc, Messages& messages, const std::string& text,
                      bool offerOverwrite, int exceptIndex);

// Removes the brother's roles in congregations (only congId's when it is not 0) and his
// duty-list entries; with congId 0 also his extra record and every week he holds a role
// in ("history.dat" is written).
void clearBrotherRefs(CAmbDoc& doc, std::size_t index, std::int16_t congId);

// Deletes a brother: his references, his slot, his entry, and his unavailable weeks
// (his id goes to the next brother added, who must not inherit them).
void deleteBrother(CAmbDoc& doc, std::size_t index);

// Moves a brother into congId; with ask, a brother who has a congregation is asked
// about first. Returns false when the user said No.
bool moveBrother(CAmbDoc& doc, Messages& messages, std::size_t index, std::int16_t congId,
                 bool ask);

// The weeks in which the brother is the visiting speaker get his new congregation
// ("history.dat" is written).
void retagLocalTalks(CAmbDoc& doc, std::int16_t brotherId, std::int16_t congId);

}  // namespace ambon
