// Brother operations with their cascades.
#include "reference/brother_ops.h"

#include "calendar/text_services.h"
#include "store/congregations.h"

namespace ambon {

int findBrotherByName(const CAmbDoc& doc, Messages& messages, const std::string& text,
                      bool offerOverwrite, int exceptIndex) {
    const Brothers& brothers = doc.brothers();
    for (std::size_t i = 0; i < brothers.count(); ++i) {
        if (!offerOverwrite && static_cast<int>(i) == exceptIndex) continue;
        std::string name = brothers.brotherName(i, false);
        if (!doc.nameOrder().equal(name, text)) continue;
        if (exceptIndex == kSilentNameLookup) return static_cast<int>(i) + 1;
        std::string message = name + " Dubbele naam.\n\n";
        if (offerOverwrite) {
            message += "Overschrijven met nieuwe gegevens?";
            return messages.yesNo(message, false) ? static_cast<int>(i) + 1 : -1;
        }
        messages.ok(message, MsgIcon::Warning);
        return -1;
    }
    return 0;
}

void clearBrotherRefs(CAmbDoc& doc, std::size_t index, std::int16_t congId) {
    if (index >= doc.brothers().count()) return;
    const BrotherEntry brother = doc.brothers().entry(index);
    const std::int16_t id = brother.brotherId;

    Congregations& congs = doc.congregations();
    for (std::size_t c = 0; c < congs.count(); ++c) {
        CongregationEntry& e = congs.entry(c);
        if (congId != 0 && e.congId != congId) continue;
        std::int16_t CongregationEntry::*roles[] = {&CongregationEntry::elderCoordinatorId,
                                                    &CongregationEntry::talkCoordinatorId,
                                                    &CongregationEntry::secretaryId};
        std::int16_t CongregationRecord::*fields[] = {&CongregationRecord::elderCoordinatorId,
                                                      &CongregationRecord::talkCoordinatorId,
                                                      &CongregationRecord::secretaryId};
        for (int r = 0; r < 3; ++r) {
            if (e.*roles[r] != id) continue;
            CongregationRecord record;
            std::uint16_t slot = congs.readCongregation(c, record);
            if (slot != 0) {
                record.*fields[r] = 0;
                congs.writeCongregationSlot(slot, record);
            }
            e.*roles[r] = 0;
        }
    }

    auto& locals = doc.localBrothers();
    std::erase_if(locals, [id](const LocalBrotherEntry& l) { return l.brotherId == id; });

    if (congId != 0) return;
    if (brother.extraNo != 0) doc.brothers().freeExtra(brother.extraNo, id);
    for (int i = 1; i < kWeekWindow; ++i) {
        WeekRecord& w = doc.weeks().slot(i);
        if (w.chairmanId == id) w.chairmanId = 0;
        if (w.speakerId == id) w.speakerId = 0;
        if (w.readerId == id) w.readerId = 0;
        for (auto& s : w.outSpeakerId)
            if (s == id) s = 0;
    }
    doc.saveWeeks();
}

void deleteBrother(CAmbDoc& doc, std::size_t index) {
    if (index >= doc.brothers().count()) return;
    const BrotherEntry brother = doc.brothers().entry(index);
    clearBrotherRefs(doc, index, 0);
    doc.brothers().writeBrotherSlot(brother.slot, BrotherRecord{});
    doc.brothers().removeEntry(index);
    // The duty list refers to brothers by table index; the later ones moved up.
    for (auto& local : doc.localBrothers())
        if (local.index > index) --local.index;
    doc.unavailability().removeBrother(brother.brotherId);
    doc.unavailability().save();
}

bool moveBrother(CAmbDoc& doc, Messages& messages, std::size_t index, std::int16_t congId,
                 bool ask) {
    if (index >= doc.brothers().count()) return false;
    const BrotherEntry brother = doc.brothers().entry(index);
    if (ask && brother.congId != 0) {
        std::size_t found = doc.congregations().findCongregation(brother.congId);
        std::string congName = found ? doc.congregations().entry(found - 1).name : std::string();
        std::string question =
            fillText("%1 is toegewezen aan de %2 gemeente.\n\nDo \nyou want to move him?",
                     doc.brothers().brotherName(index, false), &congName);
        if (!messages.yesNo(question)) return false;
    }
    if (brother.congId != 0) clearBrotherRefs(doc, index, brother.congId);
    BrotherRecord record;
    std::uint16_t slot = doc.brothers().readBrother(index, record);
    doc.brothers().setEntryCongId(index, congId);
    if (slot != 0) {
        record.congId = congId;
        doc.brothers().writeBrotherSlot(slot, record);
    }
    retagLocalTalks(doc, brother.brotherId, congId);
    return true;
}

void retagLocalTalks(CAmbDoc& doc, std::int16_t brotherId, std::int16_t congId) {
    for (int i = 1; i < kWeekWindow; ++i) {
        WeekRecord& w = doc.weeks().slot(i);
        if (w.speakerId == brotherId) w.speakerCongId = congId;
    }
    doc.saveWeeks();
}

}  // namespace ambon
