// Talks and topics.
#include "store/talks.h"

#include <algorithm>

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

constexpr std::size_t kTalkSize = TalkRecord::kSize;
constexpr std::size_t kTopicSize = TopicRecord::kSize;

// Built-in topic of each talk number 1..162.
constexpr std::array<std::array<int, 27>, 10> kTopicTalks = {{
    {4, 26, 54, 80, 88, 99, 100, 101, 114, 124, 133, 137, 139, 145, 150},
    {7, 10, 12, 14, 15, 48, 68, 69, 72, 76, 77, 78, 103, 112, 144, 148, 157},
    {17, 63, 65, 66, 81},
    {1, 9, 16, 18, 22, 31, 39, 46, 67, 70, 71, 74, 87, 142, 147, 149, 151, 158, 159},
    {5, 13, 27, 28, 29, 30, 104, 110, 113, 118, 146},
    {19, 21, 23, 24, 35,  37,  42,  44,  47,  49,  60,  61,  62,
     75, 85, 90, 91, 109, 111, 120, 122, 130, 132, 140, 154, 162},
    {2, 6, 20, 34, 38, 40, 41, 84, 93, 102, 106, 108, 121, 152, 153, 156},
    {3,  8,  36, 43,  45,  52,  55,  56,  58,  82,  83,  86,  89, 92,
     94, 95, 96, 125, 126, 127, 128, 129, 134, 135, 136, 155, 161},
    {32, 50, 57, 73, 105, 117, 141, 143},
    {11, 25, 33, 51, 53, 59, 64, 79, 97, 98, 107, 115, 116, 119, 123, 131, 138, 160},
}};

}  // namespace

int defaultTopicOfTalk(int talkNo) {
    if (talkNo < 1 || talkNo > 162) return 0;
    for (std::size_t topic = 0; topic < kTopicTalks.size(); ++topic)
        for (int t : kTopicTalks[topic])
            if (t == talkNo) return static_cast<int>(topic) + 1;
    return 0;
}

void Talks::buildDefaults() {
    for (int t = 1; t <= kTalkCount; ++t) {
        TalkRecord& r = talks_[static_cast<std::size_t>(t - 1)];
        r = TalkRecord{};
        r.talkNo = static_cast<std::uint16_t>(t);
        r.title = std::string(stringText(400 + t));
        if (t <= 230) {
            r.numberText = std::to_string(t);
            r.topicNos[0] = static_cast<std::uint16_t>(defaultTopicOfTalk(t));
        } else {
            r.numberText = "S-" + std::to_string(t - 200);
        }
    }
}

void Talks::load() {
    talks_.fill(TalkRecord{});
    auto bytes = io_.dir().readAll(files::talks());
    loadedFromFile_ = bytes.has_value();
    if (!bytes) {
        buildDefaults();
        return;
    }
    std::size_t n = std::min<std::size_t>((bytes->size() + kTalkSize - 1) / kTalkSize, kTalkCount);
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t offset = i * kTalkSize;
        talks_[i] = TalkRecord::decode(
            std::span(bytes->data() + offset, std::min(kTalkSize, bytes->size() - offset)));
    }
    // The number of a talk is its place in the catalogue; a record lost from a truncated
    // file still answers to its number.
    for (std::size_t i = 0; i < talks_.size(); ++i)
        if (talks_[i].talkNo == 0) talks_[i].talkNo = static_cast<std::uint16_t>(i + 1);
    // Talks 161..230 were once special talks; bring them up to date.
    for (int t = 161; t <= 230; ++t) {
        TalkRecord& r = talks_[static_cast<std::size_t>(t - 1)];
        if (!r.numberText.empty() && r.numberText[0] == 'S') r.numberText = std::to_string(t);
        if (trimmed(r.title).empty()) {
            std::string builtIn = trimmed(stringText(400 + t));
            if (!builtIn.empty()) r.title = builtIn;
        }
    }
}

bool Talks::save() const {
    Bytes bytes;
    bytes.reserve(talks_.size() * kTalkSize);
    for (const auto& r : talks_) {
        auto one = r.encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return io_.writeWhole(files::talks(), bytes);
}

std::size_t Talks::talkIndexByNumber(int talkNo) const {
    for (std::size_t i = 0; i < talks_.size(); ++i)
        if (talks_[i].talkNo == talkNo) return i;
    return kNoTalk;
}

void Topics::load() {
    topics_.clear();
    auto bytes = io_.dir().readAll(files::topics());
    if (bytes) {
        topics_.reserve((bytes->size() + kTopicSize - 1) / kTopicSize);
        for (std::size_t offset = 0; offset < bytes->size(); offset += kTopicSize)
            topics_.push_back(TopicRecord::decode(
                std::span(bytes->data() + offset, std::min(kTopicSize, bytes->size() - offset))));
    } else {
        for (int i = 0; i < 10; ++i) {
            TopicRecord r;
            r.name = std::string(stringText(701 + i));
            r.topicNo = static_cast<std::uint16_t>(i + 1);
            topics_.push_back(r);
        }
    }
    if (!topics_.empty()) sortTopics();
}

bool Topics::save() const {
    Bytes bytes;
    bytes.reserve(topics_.size() * kTopicSize);
    for (const auto& r : topics_) {
        auto one = r.encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return io_.writeWhole(files::topics(), bytes);
}

void Topics::sortTopics() {
    sortByName(topics_, order_, [](const TopicRecord& r) -> const std::string& { return r.name; });
}

std::size_t Topics::findTopicNo(std::uint16_t topicNo) const {
    for (std::size_t i = 0; i < topics_.size(); ++i)
        if (topics_[i].topicNo == topicNo) return i + 1;
    return 0;
}

std::uint16_t Topics::freeTopicNo() const {
    std::uint16_t no = 1;
    while (no < 100 && findTopicNo(no) != 0) ++no;
    return no;
}

}  // namespace ambon
