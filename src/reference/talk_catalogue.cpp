// Talk texts, talk weeks and topic maintenance.
#include "reference/talk_catalogue.h"

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

// Asks without a message when passed as exceptIndex.
constexpr std::size_t kSilentLookup = 32211;

}  // namespace

std::string talkText(const CAmbDoc& doc, int talkNo, int flags) {
    std::string text;
    if (talkNo < 1 || talkNo > 255) {
        if (flags & kTalkWithPrefix) text = std::string(stringText(1041));
        return text;
    }
    const TalkRecord& talk = doc.talks().talk(static_cast<std::size_t>(talkNo - 1));
    if (flags & kTalkWithPrefix) text = std::string(stringText(1041)) + " - ";
    text += talk.title;
    if (flags & kTalkWithNumber) text += " ( " + talk.numberText + " ) ";
    return text;
}

std::vector<TalkWeek> talkWeeks(const CAmbDoc& doc, int talkNo) {
    std::vector<TalkWeek> weeks;
    // An unplanned week has talk 0; it belongs to no talk.
    if (talkNo == 0) return weeks;
    for (int k = doc.sheetWeek(); k >= doc.firstWeek() + 1; --k)
        if (doc.getWeek(k).talkNo == talkNo) weeks.push_back({doc.dateText(k + 1, 26), k});
    return weeks;
}

int findTopicByName(const CAmbDoc& doc, const std::string& text, bool flag,
                    std::size_t exceptIndex) {
    const auto& topics = doc.topics().records();
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (!flag && i == exceptIndex) continue;
        if (!doc.nameOrder().equal(topics[i].name, text)) continue;
        if (exceptIndex != kSilentLookup)
            doc.messages().ok(topics[i].name + " " + "Dubbele naam.", MsgIcon::Warning);
        return static_cast<int>(i) + 1;
    }
    return 0;
}

bool addTopic(CAmbDoc& doc, TopicRecord record) {
    if (findTopicByName(doc, record.name, true, 5000) != 0) return false;
    record.topicNo = doc.topics().freeTopicNo();
    doc.topics().records().push_back(std::move(record));
    doc.topics().sortTopics();
    return true;
}

void deleteTopic(CAmbDoc& doc, std::size_t index) {
    auto& topics = doc.topics().records();
    if (index >= topics.size()) return;
    const std::uint16_t topicNo = topics[index].topicNo;
    if (topicNo != 0) {
        for (std::size_t t = 0; t < kTalkCount; ++t)
            for (auto& slot : doc.talks().talk(t).topicNos)
                if (slot == topicNo) slot = 0;
    }
    topics.erase(topics.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace ambon
