// Message boxes as the core asks for them: the texts are the program's own, the
// platform decides how the box looks.
#pragma once

#include <string>

namespace ambon {

enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;

    // Shows a modal box and returns the button pressed. defaultButton names the
    // button that Enter presses (Yes or No for YesNo, Ok or Cancel for OkCancel).
    virtual MsgResult show(const std::string& text, const std::string& caption, MsgButtons buttons,
                           MsgIcon icon, MsgResult defaultButton) = 0;

    // The common shapes, so callers stay short.
    void ok(const std::string& text, MsgIcon icon = MsgIcon::None,
            const std::string& caption = std::string()) {
        show(text, caption, MsgButtons::Ok, icon, MsgResult::Ok);
    }
    bool yesNo(const std::string& text, bool defaultYes = true, MsgIcon icon = MsgIcon::Question,
               const std::string& caption = std::string()) {
        return show(text, caption, MsgButtons::YesNo, icon,
                    defaultYes ? MsgResult::Yes : MsgResult::No) == MsgResult::Yes;
    }
    bool okCancel(const std::string& text, MsgIcon icon = MsgIcon::Question,
                  const std::string& caption = std::string()) {
        return show(text, caption, MsgButtons::OkCancel, icon, MsgResult::Ok) == MsgResult::Ok;
    }
};

}  // namespace ambon
