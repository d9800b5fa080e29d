// The topic list: add a topic, rename one, or delete one by clearing its name. Every
// confirmed change is written to "topic.dat" at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class TopicListDialog : public ScreenModel {
public:
    enum Ctl : int {
        List = 167,
        Add = 1026,
        Edit = 166,
        Ok = 1,
        Close = 2,
    };
    static constexpr std::size_t kNameLimit = 45;

    struct View {
        std::string caption;
        ListView list;
        ControlView add;
        ControlView edit;  // text: the name being edited
        ControlView ok, close;
    };

    TopicListDialog(CAmbDoc& doc, Platform& platform);

    View view() const;
    // Selecting a topic starts renaming it.
    void selectRow(int row);
    void pressAdd();
    void setEditText(const std::string& text) { edit_ = text; }
    // Confirms the edit field (also Enter in it).
    void ok();
    void close();

    // Numbers of the topics deleted while the screen was open, in order.
    const std::vector<std::uint16_t>& deletedTopicNos() const { return deleted_; }

private:
    enum class State { Idle, Adding, Editing };

    void finishEdit();

    CAmbDoc& doc_;
    Platform& platform_;
    State state_ = State::Idle;
    int selected_ = -1;
    std::string edit_;
    std::vector<std::uint16_t> deleted_;
};

}  // namespace ambon
