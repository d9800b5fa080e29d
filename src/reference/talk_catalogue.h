// The talk catalogue as the rest of the program uses it: the display text of a talk,
// the weeks a talk was given locally, and adding, removing and finding topics.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/amb_doc.h"

namespace ambon {

// Flags of talkText.
enum TalkTextFlags : int {
    kTalkWithNumber = 1,  // title + " ( " + number text + " ) "
    kTalkWithPrefix = 2,  // "Lezing - " + title
};

// The text of talk talkNo. Talks 1..255 give their title with the parts the flags ask
// for; talk 0 and talk 256 give "Lezing" with kTalkWithPrefix and nothing otherwise.
std::string talkText(const CAmbDoc& doc, int talkNo, int flags);

// A week in which a talk was the local talk.
struct TalkWeek {
    std::string text;  // the week's date, style 26
    int weekIndex = 0;
};
// The weeks from week number sheetWeek + 1 back to the second record of the week table
// whose local talk is talkNo, newest first.
std::vector<TalkWeek> talkWeeks(const CAmbDoc& doc, int talkNo);

// Index + 1 of the topic whose name equals text (trimmed, case-insensitive), 0 when none.
// The topic at exceptIndex is skipped unless flag is set. A match shows the duplicate
// message (OK only), except with exceptIndex 32211, which asks silently.
int findTopicByName(const CAmbDoc& doc, const std::string& text, bool flag,
                    std::size_t exceptIndex);
// Adds a topic under the smallest free topic number and sorts the table; a name that
// is already taken is refused with the duplicate message. Writes no file.
bool addTopic(CAmbDoc& doc, TopicRecord record);
// Removes the topic at index and takes its number out of every talk, without asking.
// Writes no file.
void deleteTopic(CAmbDoc& doc, std::size_t index);

}  // namespace ambon
