// The talk catalogue ("talk.dat", always 256 records, talk t in record t - 1) and the
// topics ("topic.dat").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/name_order.h"
#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

constexpr int kTalkCount = 256;
constexpr std::size_t kNoTalk = 0xFFFF;

// The built-in topic (1..10) of talks 1..162; 0 for every other talk.
int defaultTopicOfTalk(int talkNo);

class Talks {
public:
    explicit Talks(const StoreIo& io) : io_(io) {}

    // Reads "talk.dat" and brings talks 161..230 up to date; builds the built-in
    // catalogue when the file does not exist (nothing is written then).
    void load();
    bool save() const;
    bool loadedFromFile() const { return loadedFromFile_; }

    const std::array<TalkRecord, kTalkCount>& records() const { return talks_; }
    const TalkRecord& talk(std::size_t index) const { return talks_[index]; }
    TalkRecord& talk(std::size_t index) { return talks_[index]; }
    // Record index of the talk with that number, kNoTalk when none.
    std::size_t talkIndexByNumber(int talkNo) const;

private:
    void buildDefaults();

    const StoreIo& io_;
    std::array<TalkRecord, kTalkCount> talks_{};
    bool loadedFromFile_ = false;
};

class Topics {
public:
    Topics(const StoreIo& io, const NameOrder& order) : io_(io), order_(order) {}

    // Reads "topic.dat", or builds the ten built-in topics when it does not exist.
    void load();
    // Rewrites the file; an empty table writes an empty file.
    bool save() const;
    void sortTopics();
    void clear() { topics_.clear(); }

    std::size_t count() const { return topics_.size(); }
    const std::vector<TopicRecord>& records() const { return topics_; }
    std::vector<TopicRecord>& records() { return topics_; }
    // Table index + 1 of the topic with that number, 0 when none.
    std::size_t findTopicNo(std::uint16_t topicNo) const;
    // The smallest number from 1 up that no topic uses; the search stops at 100.
    std::uint16_t freeTopicNo() const;

private:
    const StoreIo& io_;
    const NameOrder& order_;
    std::vector<TopicRecord> topics_;
};

}  // namespace ambon
