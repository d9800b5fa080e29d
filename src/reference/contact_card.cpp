// The contact card of a speaker and his congregation's talk coordinator.
#include "reference/contact_card.h"

#include <vector>

#include "calendar/text_services.h"

namespace ambon {

namespace {

// Shorter texts are leftovers, not numbers or addresses anyone could use.
constexpr std::size_t kShortestPhone = 6;
constexpr std::size_t kShortestEmail = 7;
constexpr std::size_t kEmailFieldAbove = 5;

ControlView shown(const std::string& text, bool visible) {
    ControlView c;
    c.text = text;
    c.visible = visible;
    return c;
}

}  // namespace

ContactCard::ContactCard(CAmbDoc& doc, Platform& platform, std::int16_t brotherId,
                         std::int16_t congId)
    : platform_(platform) {
    const Brothers& brothers = doc.brothers();
    std::int16_t cong = congId;
    if (brotherId != 0) {
        const std::size_t speaker = brothers.findBrother(brotherId);
        if (speaker != kNoBrother) {
            if (cong == 0) cong = brothers.entry(speaker).congId;
            speaker_ = collect(doc, speaker, "Spreker");
        }
    }
    if (cong != 0) {
        const std::size_t found = doc.congregations().findCongregation(cong);
        if (found != 0) {
            const CongregationEntry& c = doc.congregations().entry(found - 1);
            caption_ = c.name;
            const std::size_t coordinator =
                c.talkCoordinatorId != 0 ? brothers.findBrother(c.talkCoordinatorId) : kNoBrother;
            if (coordinator != kNoBrother)
                coordinator_ = collect(doc, coordinator, "Lezing Coordinator");
        }
    }
}

ContactCard::Contact ContactCard::collect(const CAmbDoc& doc, std::size_t brotherIndex,
                                          const std::string& role) {
    const Brothers& brothers = doc.brothers();
    Contact c;
    c.shown = true;
    c.group = " " + role + " - " + brothers.brotherName(brotherIndex, false) + " ";
    BrotherRecord record;
    brothers.readBrother(brotherIndex, record);
    BrotherExtraRecord extra;
    if (record.extraNo != 0) brothers.readExtra(record.extraNo, record.brotherId, extra);

    std::vector<std::string> texts;
    auto take = [&texts](const std::string& text, std::size_t shortest) {
        std::string t = trimmed(text);
        if (utf8Length(t) >= shortest) texts.push_back(t);
    };
    take(record.phone, kShortestPhone);
    take(extra.mobile, kShortestPhone);
    take(extra.skype, kShortestPhone);
    // The three number lines hold numbers only: the e-mail address has its own field and
    // is not repeated on a number line when a brother has fewer than three numbers.
    for (std::size_t i = 0; i < c.phones.size() && i < texts.size(); ++i) c.phones[i] = texts[i];
    const std::string email = trimmed(extra.email);
    if (utf8Length(email) >= kShortestEmail && utf8Length(email) > kEmailFieldAbove)
        c.email = email;
    return c;
}

ContactCard::View ContactCard::view() const {
    View v;
    v.caption = caption_;
    v.text = "Gebruik de muis om het telefoonnummer te selecteren of het  \nadres te kopieren.";
    auto person = [](const Contact& c) {
        Person p;
        p.group = shown(c.group, c.shown);
        for (std::size_t i = 0; i < p.phones.size(); ++i) p.phones[i] = shown(c.phones[i], c.shown);
        p.email = shown(c.email, c.shown);
        return p;
    };
    v.coordinator = person(coordinator_);
    v.speaker = person(speaker_);
    v.copy = shown(copyAddress_.empty() ? std::string() : formatText(copyAddress_, 1137),
                   !copyAddress_.empty());
    v.ok = shown("OK", true);
    return v;
}

void ContactCard::focusField(int control) {
    switch (control) {
        case CoordinatorEmail:
        case SpeakerEmail: {
            const std::string& email =
                control == CoordinatorEmail ? coordinator_.email : speaker_.email;
            copyAddress_ = looksLikeEmail(email) ? email : std::string();
            break;
        }
        case CoordinatorPhone1:
        case CoordinatorPhone2:
        case CoordinatorPhone3:
        case SpeakerPhone1:
        case SpeakerPhone2:
        case SpeakerPhone3:
            copyAddress_.clear();
            break;
        default:
            // The buttons themselves leave the offer as it is.
            break;
    }
}

void ContactCard::pressCopy() {
    if (copyAddress_.empty()) return;
    platform_.clipboard.setText(copyAddress_);
    copied_ = true;
}

void ContactCard::close() {
    // An address the card put there does not outlive the card.
    if (copied_) platform_.clipboard.clear();
    closeOk();
}

}  // namespace ambon
