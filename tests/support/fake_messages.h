// A scripted stand-in for message boxes: records every box shown and answers from a
// queue (or with a default answer when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace ambon::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MsgButtons buttons;
    MsgIcon icon;
    MsgResult defaultButton;
};

class FakeMessages : public Messages {
public:
    MsgResult show(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon, MsgResult defaultButton) override {
        shown.push_back({text, caption, buttons, icon, defaultButton});
        if (!answers.empty()) {
            MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        // Without a scripted answer the box is "closed with Enter".
        return defaultButton;
    }

    void answer(MsgResult r) { answers.push_back(r); }
    const std::string& lastText() const {
        static const std::string none;
        return shown.empty() ? none : shown.back().text;
    }

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
};

}  // namespace ambon::test
