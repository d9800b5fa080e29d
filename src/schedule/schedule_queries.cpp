// Schedule queries over the week table and the reference tables.
#include "schedule/schedule_queries.h"

namespace ambon {

namespace {

template <class Match>
int searchBack(const CAmbDoc& doc, int from, Match match) {
    const int last = doc.firstWeek() + 1;
    for (int k = from; k >= last; --k)
        if (match(doc.getWeek(k))) return k + 1;
    return 0;
}

bool isOutgoing(const WeekRecord& w, std::int16_t brotherId) {
    for (auto id : w.outSpeakerId)
        if (id == brotherId) return true;
    return false;
}

}  // namespace

int otherRole(const CAmbDoc& doc, std::int16_t brotherId, int weekIndex, int ownRole) {
    if (brotherId == 0) return kNoRole;
    const WeekRecord& w = doc.getWeek(weekIndex);
    if (ownRole != kOutgoingSpeaker && isOutgoing(w, brotherId)) return kOutgoingSpeaker;
    if (ownRole != kLocalSpeaker && w.speakerId == brotherId) return kLocalSpeaker;
    if (ownRole != kChairman && w.chairmanId == brotherId) return kChairman;
    if (ownRole != kReader && w.readerId == brotherId) return kReader;
    return kNoRole;
}

int conflictCount(const CAmbDoc& doc, std::int16_t brotherId) {
    int count = 0;
    for (int k = doc.todayWeek(); k <= doc.todayWeek() + 54; ++k)
        if (otherRole(doc, brotherId, k, kNoRole) != kNoRole) ++count;
    return count;
}

int lastLocalTalk(const CAmbDoc& doc, std::int16_t brotherId, int s) {
    if (brotherId == 0) return 0;
    int from = s == 0 ? doc.sheetWeek() + 20 : s;
    return searchBack(doc, from, [&](const WeekRecord& w) { return w.speakerId == brotherId; });
}

int lastOutgoingTalk(const CAmbDoc& doc, std::int16_t brotherId, int s) {
    if (brotherId == 0) return 0;
    int from = s == 0 ? doc.sheetWeek() + 20 : s;
    return searchBack(doc, from, [&](const WeekRecord& w) { return isOutgoing(w, brotherId); });
}

int lastTalkWeek(const CAmbDoc& doc, int talkNo, int s) {
    if (talkNo == 0) return 0;
    int from = s == 0 ? doc.sheetWeek() + 52 : s + 52;
    return searchBack(doc, from, [&](const WeekRecord& w) { return w.talkNo == talkNo; });
}

int lastCongVisit(const CAmbDoc& doc, std::int16_t congId) {
    if (congId == 0) return 0;
    return searchBack(doc, doc.sheetWeek() + 25,
                      [&](const WeekRecord& w) { return w.speakerCongId == congId; });
}

bool talkRecentlyPlanned(const CAmbDoc& doc, int talkNo) {
    return lastTalkWeek(doc, talkNo, doc.sheetWeek() + 26) > doc.sheetWeek() - 26;
}

bool talkPlannedWithin(const CAmbDoc& doc, int talkNo, int w) {
    if (talkNo == 0) return false;
    for (int k = doc.todayWeek() - w - 1; k <= doc.sheetWeek() + 52; ++k)
        if (doc.getWeek(k).talkNo == talkNo) return true;
    return false;
}

bool givesTalk(const CAmbDoc& doc, std::size_t brotherIndex, int talkNo) {
    if (brotherIndex >= doc.brothers().count()) return false;
    const TalkSet& set = doc.brothers().entry(brotherIndex).talks;
    if (talkNo != 0) return testBit(set, talkNo - 1);
    for (auto byte : set)
        if (byte != 0) return true;
    return false;
}

int speakersForTalk(const CAmbDoc& doc, std::size_t congIndex, int talkNo) {
    if (congIndex >= doc.congregations().count()) return 0;
    const std::int16_t congId = doc.congregations().entry(congIndex).congId;
    int count = 0;
    for (std::size_t b = 0; b < doc.brothers().count(); ++b)
        if (doc.brothers().entry(b).congId == congId && givesTalk(doc, b, talkNo)) ++count;
    return count;
}

bool talkInTopic(const CAmbDoc& doc, std::size_t talkIndex, std::size_t topicIndex) {
    if (talkIndex >= kTalkCount || topicIndex >= doc.topics().count()) return false;
    const auto topicNo = doc.topics().records()[topicIndex].topicNo;
    for (auto t : doc.talks().talk(talkIndex).topicNos)
        if (t == topicNo) return true;
    return false;
}

std::int16_t brotherCircuit(const CAmbDoc& doc, std::size_t brotherIndex) {
    if (brotherIndex >= doc.brothers().count()) return 0;
    std::size_t found =
        doc.congregations().findCongregation(doc.brothers().entry(brotherIndex).congId);
    return found == 0 ? 0 : doc.congregations().entry(found - 1).circuitId;
}

bool isAvailable(const CAmbDoc& doc, std::int16_t brotherId, int weekNumber) {
    return doc.unavailability().isAvailable(brotherId, weekNumber);
}

}  // namespace ambon
