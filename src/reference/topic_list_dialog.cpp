// The topic list screen.
#include "reference/topic_list_dialog.h"

#include "calendar/text_services.h"
#include "reference/talk_catalogue.h"

namespace ambon {

TopicListDialog::TopicListDialog(CAmbDoc& doc, Platform& platform)
    : doc_(doc), platform_(platform) {}

TopicListDialog::View TopicListDialog::view() const {
    View v;
    v.caption = "Onderwerpen";
    for (const auto& topic : doc_.topics().records()) v.list.rows.push_back(topic.name);
    if (selected_ >= 0) v.list.selected.push_back(selected_);
    const bool editing = state_ != State::Idle;
    v.add.text = "Voeg Onderwerp Toe";
    v.add.visible = !editing;
    v.edit.text = edit_;
    v.edit.visible = editing;
    v.ok.text = "OK";
    v.ok.visible = editing;
    v.close.text = "Sluiten";
    return v;
}

void TopicListDialog::selectRow(int row) {
    const auto& topics = doc_.topics().records();
    if (row < 0 || row >= static_cast<int>(topics.size())) return;
    selected_ = row;
    state_ = State::Editing;
    edit_ = topics[static_cast<std::size_t>(row)].name;
    setFocus(Edit);
}

void TopicListDialog::pressAdd() {
    state_ = State::Adding;
    selected_ = -1;
    edit_.clear();
    setFocus(Edit);
}

void TopicListDialog::ok() {
    if (state_ == State::Idle) return;
    std::string name = trimmed(utf8Left(edit_, kNameLimit));
    if (state_ == State::Adding) {
        if (!name.empty()) {
            TopicRecord record;
            record.name = name;
            addTopic(doc_, record);
        }
    } else if (selected_ >= 0 && selected_ < static_cast<int>(doc_.topics().count())) {
        const auto index = static_cast<std::size_t>(selected_);
        if (name.empty()) {
            deleted_.push_back(doc_.topics().records()[index].topicNo);
            deleteTopic(doc_, index);
        } else if (findTopicByName(doc_, name, false, index) == 0)
            doc_.topics().records()[index].name = name;
    }
    doc_.topics().sortTopics();
    doc_.topics().save();
    finishEdit();
}

void TopicListDialog::finishEdit() {
    state_ = State::Idle;
    selected_ = -1;
    edit_.clear();
    setFocus(List);
}

void TopicListDialog::close() {
    closeCancel();
}

}  // namespace ambon
