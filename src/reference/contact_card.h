// The contact card: the phone numbers and e-mail of a speaker and of his congregation's
// talk coordinator, read-only, with a button that copies an e-mail address.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class ContactCard : public ScreenModel {
public:
    enum Ctl : int {
        CoordinatorGroup = 1110,
        SpeakerGroup = 1111,
        CoordinatorPhone1 = 103,
        CoordinatorPhone2 = 104,
        CoordinatorPhone3 = 105,
        SpeakerPhone1 = 106,
        SpeakerPhone2 = 107,
        SpeakerPhone3 = 108,
        CoordinatorEmail = 119,
        SpeakerEmail = 120,
        Copy = 286,
        Ok = 1,
    };

    struct Person {
        ControlView group;
        std::array<ControlView, 3> phones;
        ControlView email;
    };
    struct View {
        std::string caption;
        std::string text;
        Person coordinator;
        Person speaker;
        ControlView copy;
        ControlView ok;
    };

    // brotherId: the speaker, 0 for none. congId: the congregation whose coordinator is
    // shown, 0 for the speaker's own.
    ContactCard(CAmbDoc& doc, Platform& platform, std::int16_t brotherId, std::int16_t congId = 0);

    View view() const;
    // A field got the keyboard focus: an e-mail address offers the copy button.
    void focusField(int control);
    void pressCopy();
    // Closing, by OK, Escape or the close box.
    void close();

private:
    struct Contact {
        bool shown = false;
        std::string group;
        std::array<std::string, 3> phones;
        std::string email;
    };
    static Contact collect(const CAmbDoc& doc, std::size_t brotherIndex, const std::string& role);

    Platform& platform_;
    std::string caption_;
    Contact coordinator_;
    Contact speaker_;
    std::string copyAddress_;  // the address the copy button offers, empty when hidden
    bool copied_ = false;
};

}  // namespace ambon
