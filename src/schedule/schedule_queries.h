// Read-only questions about the plan: double bookings, when a speaker, talk or
// congregation last appeared, and who gives which talk. The pages use them for their
// marks and the pickers for their filters; their windows and tie-breaks are part of
// what the user sees.
#pragma once

#include <cstdint>

#include "store/amb_doc.h"

namespace ambon {

// Roles in a week.
enum Role : int {
    kNoRole = 0,
    kLocalSpeaker = 1,
    kOutgoingSpeaker = 2,
    kChairman = 3,
    kReader = 4
};

// The first other role the brother holds in week index k, skipping ownRole (0 skips
// none): outgoing speaker, local speaker, chairman, reader.
int otherRole(const CAmbDoc& doc, std::int16_t brotherId, int weekIndex, int ownRole);
// Weeks todayWeek .. todayWeek + 54 (as indexes) in which the brother holds any role.
int conflictCount(const CAmbDoc& doc, std::int16_t brotherId);

// Searches backwards from week index s down to firstWeek + 1 (the table's first held week
// is never examined); each returns the week number found, or 0.
// From s, or from sheetWeek + 20 when s is 0.
int lastLocalTalk(const CAmbDoc& doc, std::int16_t brotherId, int s);
int lastOutgoingTalk(const CAmbDoc& doc, std::int16_t brotherId, int s);
// From s + 52, or from sheetWeek + 52 when s is 0.
int lastTalkWeek(const CAmbDoc& doc, int talkNo, int s);
// From sheetWeek + 25.
int lastCongVisit(const CAmbDoc& doc, std::int16_t congId);
// The talk is the local talk of a week numbered above sheetWeek - 26.
bool talkRecentlyPlanned(const CAmbDoc& doc, int talkNo);
// The talk is the local talk of a week numbered todayWeek - w - 1 .. sheetWeek + 53.
bool talkPlannedWithin(const CAmbDoc& doc, int talkNo, int w);

// The brother at table index gives the talk (any talk when talkNo is 0).
bool givesTalk(const CAmbDoc& doc, std::size_t brotherIndex, int talkNo);
// Brothers of the congregation at table index who give the talk.
int speakersForTalk(const CAmbDoc& doc, std::size_t congIndex, int talkNo);
// The talk at talk index belongs to the topic at topic index.
bool talkInTopic(const CAmbDoc& doc, std::size_t talkIndex, std::size_t topicIndex);
// The circuit of the brother's congregation, 0 when he has none or it is unknown.
std::int16_t brotherCircuit(const CAmbDoc& doc, std::size_t brotherIndex);

// Whether the brother can serve in week number n.
bool isAvailable(const CAmbDoc& doc, std::int16_t brotherId, int weekNumber);

}  // namespace ambon
