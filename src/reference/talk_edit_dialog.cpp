// The talk editor.
#include "reference/talk_edit_dialog.h"

#include "calendar/text_services.h"
#include "reference/topic_list_dialog.h"
#include "resources/string_table.h"

namespace ambon {

TalkEditDialog::TalkEditDialog(CAmbDoc& doc, Platform& platform, std::vector<std::size_t> rows,
                               std::size_t position)
    : doc_(doc), platform_(platform), rows_(std::move(rows)), position_(position) {
    // The talk list never opens the editor without a row; should it, the first talk is
    // shown rather than reading past the table.
    if (rows_.empty()) rows_.push_back(0);
    for (auto& index : rows_)
        if (index >= kTalkCount) index = 0;
    if (position_ >= rows_.size()) position_ = 0;
    load();
}

bool TalkEditDialog::hasTopic(std::uint16_t topicNo) const {
    if (topicNo == 0) return false;
    for (auto slot : working_.topicNos)
        if (slot == topicNo) return true;
    return false;
}

void TalkEditDialog::load() {
    working_ = doc_.talks().talk(rows_[position_]);
    numberEdit_ = working_.numberText;
    titleEdit_ = working_.title;
    caption_ = talkText(doc_, working_.talkNo, kTalkWithNumber);
    refillTopics();
    history_ = talkWeeks(doc_, working_.talkNo);
    historyRow_ = history_.empty() ? -1 : 0;
}

void TalkEditDialog::refillTopics() {
    topicRows_.clear();
    const auto& topics = doc_.topics().records();
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (!trimmed(topics[i].name).empty()) topicRows_.push_back(i);
}

TalkEditDialog::View TalkEditDialog::view() const {
    View v;
    v.caption = caption_;
    v.numberText.text = numberEdit_;
    v.title.text = titleEdit_;
    const std::string tail = " " + std::string(stringText(1028)) + " " + working_.numberText;
    v.topicButton.text = std::string(stringText(choosing_ ? 1020 : 1026)) + tail;

    const auto& topics = doc_.topics().records();
    for (std::size_t r = 0; r < topicRows_.size(); ++r) {
        const TopicRecord& topic = topics[topicRows_[r]];
        v.chooseTopics.rows.push_back(topic.name);
        if (hasTopic(topic.topicNo)) {
            v.chooseTopics.selected.push_back(static_cast<int>(r));
            v.talkTopics.rows.push_back(topic.name);
        }
    }
    v.chooseTopics.visible = choosing_;
    v.talkTopics.visible = !choosing_;
    v.editTopics.text = "Bewerk onderwerpen lijst";
    v.editTopics.visible = choosing_;

    v.historyGroup.text = " Geschiedenis ";
    v.historyGroup.visible = !choosing_;
    for (const auto& week : history_) v.history.rows.push_back(week.text);
    if (historyRow_ >= 0) v.history.selected.push_back(historyRow_);
    v.history.visible = !choosing_;

    v.previous.text = "Vorige";
    v.next.text = "Volgende";
    v.ok.text = "OK";
    v.cancel.text = "Annuleren";
    return v;
}

void TalkEditDialog::pressTopicButton() {
    choosing_ = !choosing_;
    if (!choosing_) {
        history_ = talkWeeks(doc_, working_.talkNo);
        historyRow_ = history_.empty() ? -1 : 0;
    }
}

void TalkEditDialog::setTopicSelection(const std::vector<int>& rows) {
    if (!choosing_) return;
    const auto& topics = doc_.topics().records();
    working_.topicNos.fill(0);
    std::size_t slot = 0;
    // Table order, whatever order the rows came in.
    for (std::size_t r = 0; r < topicRows_.size() && slot < working_.topicNos.size(); ++r) {
        bool selected = false;
        for (int row : rows) selected = selected || row == static_cast<int>(r);
        if (selected) working_.topicNos[slot++] = topics[topicRows_[r]].topicNo;
    }
}

void TalkEditDialog::selectHistoryRow(int row) {
    if (row < 0 || row >= static_cast<int>(history_.size())) return;
    historyRow_ = row;
    const int weekIndex = history_[static_cast<std::size_t>(row)].weekIndex;
    std::string caption = doc_.dateText(weekIndex + 1, 26);
    const WeekRecord& week = doc_.getWeek(weekIndex);
    std::size_t brother = doc_.brothers().findBrother(week.speakerId);
    if (week.speakerId != 0 && brother != kNoBrother) {
        caption += " - " + doc_.brothers().brotherName(brother, false);
        std::size_t cong =
            doc_.congregations().findCongregation(doc_.brothers().entry(brother).congId);
        if (cong != 0) caption += " - " + doc_.congregations().congregationName(cong - 1, false);
    }
    caption_ = caption;
}

void TalkEditDialog::pressEditTopics() {
    TopicListDialog topics(doc_, platform_);
    platform_.screens.run(topics);
    // A topic deleted there has left every talk in the table; the working copy must
    // forget it too, or storing it would hand the talk to the next topic that receives
    // the freed number.
    for (auto deleted : topics.deletedTopicNos())
        for (auto& slot : working_.topicNos)
            if (slot == deleted) slot = 0;
    refillTopics();
}

void TalkEditDialog::store() {
    working_.numberText = utf8Left(numberEdit_, kNumberLimit);
    working_.title = utf8Left(titleEdit_, kTitleLimit);
    TalkRecord& stored = doc_.talks().talk(rows_[position_]);
    if (stored.title != working_.title || stored.numberText != working_.numberText ||
        stored.topicNos != working_.topicNos)
        doc_.setDataChanged(true);
    stored = working_;
}

void TalkEditDialog::next() {
    store();
    position_ = (position_ + 1) % rows_.size();
    load();
}

void TalkEditDialog::previous() {
    store();
    position_ = position_ == 0 ? rows_.size() - 1 : position_ - 1;
    load();
}

void TalkEditDialog::ok() {
    store();
    closeOk();
}

void TalkEditDialog::cancel() {
    closeCancel();
}

}  // namespace ambon
