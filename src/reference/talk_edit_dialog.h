// One talk of the catalogue: its number text, title and topics, and the weeks it was
// given in the home congregation. Edits go into the talk table in memory; the talk list
// writes "talk.dat" when it closes. "Vorige" and "Volgende" walk the talk list's rows.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "reference/talk_catalogue.h"
#include "store/amb_doc.h"

namespace ambon {

class TalkEditDialog : public ScreenModel {
public:
    enum Ctl : int {
        NumberText = 1027,
        Title = 244,
        TopicButton = 1029,
        ChooseTopics = 1028,
        TalkTopics = 1030,
        History = 1060,
        EditTopics = 1031,
        Previous = 1026,
        Next = 1025,
        Ok = 1,
        Cancel = 2,
    };
    static constexpr std::size_t kNumberLimit = 5;
    static constexpr std::size_t kTitleLimit = 91;

    struct View {
        std::string caption;
        ControlView numberText;  // text: the edit field
        ControlView title;
        ControlView topicButton;
        ListView chooseTopics;  // all topics, the talk's selected (while choosing)
        ListView talkTopics;    // the talk's topics (while showing)
        ControlView historyGroup;
        ListView history;
        ControlView editTopics;
        ControlView previous, next, ok, cancel;
    };

    // rows: the talk table indexes of the talk list's rows, in list order; position: the
    // row of the talk to open.
    TalkEditDialog(CAmbDoc& doc, Platform& platform, std::vector<std::size_t> rows,
                   std::size_t position);

    View view() const;
    void setNumberText(const std::string& text) { numberEdit_ = text; }
    void setTitle(const std::string& text) { titleEdit_ = text; }
    // Switches between showing the talk's topics and choosing them.
    void pressTopicButton();
    // The selected rows of the topic chooser.
    void setTopicSelection(const std::vector<int>& rows);
    void selectHistoryRow(int row);
    void pressEditTopics();
    void next();
    void previous();
    void ok();
    void cancel();

    // The talk list row the dialog ended on, and its talk table index.
    std::size_t position() const { return position_; }
    std::size_t talkIndex() const { return rows_[position_]; }
    bool choosing() const { return choosing_; }

private:
    void load();
    void refillTopics();
    void store();
    bool hasTopic(std::uint16_t topicNo) const;

    CAmbDoc& doc_;
    Platform& platform_;
    std::vector<std::size_t> rows_;
    std::size_t position_ = 0;

    TalkRecord working_;
    std::string numberEdit_;
    std::string titleEdit_;
    std::string caption_;
    bool choosing_ = false;
    // Topic table indexes of the topics with a name, in table order.
    std::vector<std::size_t> topicRows_;
    std::vector<TalkWeek> history_;
    int historyRow_ = -1;
};

}  // namespace ambon
