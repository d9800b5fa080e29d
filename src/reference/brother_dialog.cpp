// One brother.
#include "reference/brother_dialog.h"

#include <algorithm>

#include "calendar/bits.h"
#include "calendar/text_services.h"
#include "reference/brother_list_dialog.h"
#include "reference/brother_ops.h"
#include "reference/congregation_list_dialog.h"
#include "schedule/availability_dialog.h"
#include "schedule/talk_list_dialog.h"

namespace ambon {

namespace {

ControlView field(const std::string& text) {
    ControlView c;
    c.text = text;
    return c;
}

ControlView button(std::string text, bool visible = true, bool enabled = true) {
    ControlView c;
    c.text = std::move(text);
    c.visible = visible;
    c.enabled = enabled;
    return c;
}

ControlView box(std::string text, bool checked) {
    ControlView c;
    c.text = std::move(text);
    c.checked = checked;
    return c;
}

bool anyText(const BrotherExtraRecord& extra) {
    return !trimmed(extra.mobile).empty() || !trimmed(extra.skype).empty() ||
           !trimmed(extra.email).empty() || !trimmed(extra.remark).empty();
}

}  // namespace

BrotherDialog::BrotherDialog(CAmbDoc& doc, Platform& platform, BrotherListDialog& list,
                             bool addMode, std::int16_t fixedCongId)
    : doc_(doc), platform_(platform), list_(list), addMode_(addMode), fixedCongId_(fixedCongId) {
    load();
    setFocus(FirstName);
}

const std::vector<int>& BrotherDialog::fieldOrder() {
    static const std::vector<int> order = {
        FirstName, LastName, Address1, Address2, Phone, Mobile,       Skype,
        Email,     Remark,   Elder,    Servant,  Talks, Availability, Congregation,
        Delete,    Previous, Next,     Cancel,   Ok};
    return order;
}

int BrotherDialog::current() const {
    return addMode_ ? -1 : list_.selectedIndex();
}

void BrotherDialog::load() {
    record_ = BrotherRecord{};
    slot_ = 0;
    BrotherExtraRecord extra;
    const int index = current();
    if (index >= 0) {
        const auto i = static_cast<std::size_t>(index);
        const Brothers& brothers = doc_.brothers();
        slot_ = brothers.readBrother(i, record_);
        if (slot_ == 0) {
            // The file no longer holds him where the table says: show what memory
            // knows. Storing is then refused rather than written over another brother.
            const BrotherEntry& e = brothers.entry(i);
            record_.firstName = e.firstName;
            record_.lastName = e.lastName;
            record_.talks = e.talks;
            record_.brotherId = e.brotherId;
            record_.congId = e.congId;
            record_.extraNo = e.extraNo;
            record_.flags = static_cast<std::uint8_t>(
                e.office | (e.suspended ? BrotherRecord::kSuspendedBit : 0));
        }
        // An extra record that belongs to somebody else is not his: he gets a new one
        // when he needs it, and the other brother's stays as it is.
        if (record_.extraNo != 0 && !brothers.readExtra(record_.extraNo, record_.brotherId, extra))
            record_.extraNo = 0;
    }
    firstName_ = record_.firstName;
    lastName_ = record_.lastName;
    address1_ = record_.address1;
    address2_ = record_.address2;
    phone_ = record_.phone;
    mobile_ = extra.mobile;
    skype_ = extra.skype;
    email_ = extra.email;
    remark_ = extra.remark;
    elder_ = (record_.office() & 2) != 0;
    servant_ = !elder_ && (record_.office() & 1) != 0;
    suspended_ = record_.suspended();
    congId_ = fixedCongId_ != 0 ? fixedCongId_ : record_.congId;
    firstNameCaret_ = lastNameCaret_ = -1;
}

BrotherDialog::View BrotherDialog::view() const {
    View v;
    v.caption = "Bewerk Broeder Informatie";
    v.firstNameLabel = "Voornaam";
    v.lastNameLabel = "Achternaam";
    v.addressGroup = " Adres ";
    v.phoneLabel = "Telefoon";
    v.mobileLabel = "Mobiel";
    v.skypeLabel = "Skype";
    v.emailLabel = "E-mail";
    v.remarkLabel = "Opmerking";

    v.firstName = field(firstName_);
    v.lastName = field(lastName_);
    v.firstNameCaret = firstNameCaret_;
    v.lastNameCaret = lastNameCaret_;
    v.address1 = field(address1_);
    v.address2 = field(address2_);
    v.phone = field(phone_);
    v.mobile = field(mobile_);
    v.skype = field(skype_);
    v.email = field(email_);
    v.remark = field(remark_);

    std::string availability;
    if (suspended_)
        availability = "Suspended";
    else if (record_.brotherId != 0 &&
             !doc_.unavailability().unavailableWeeks(record_.brotherId, 0).empty())
        availability = "Click voor onbeschikbare datums";
    else
        availability = "Altijd beschikbaar";
    // A brother not yet stored has no number to record weeks under.
    v.availability = button(availability, true, !addMode_);
    v.talks =
        button("Bekijk / Selecteer Lezingen ( " + std::to_string(countBits(record_.talks)) + " )");
    v.elder = box("Ouderling", elder_);
    v.servant = box("Dienaar", servant_);

    v.del = button("Verwijder", !addMode_);
    v.previous = button("Vorige", !addMode_);
    v.next = button("Volgende", !addMode_);
    v.cancel = button("Annuleer");
    v.ok = button("&OK");
    const Congregations& congs = doc_.congregations();
    const std::size_t found = congs.findCongregation(congId_);
    v.congregation =
        button(found != 0 ? congs.congregationName(found - 1, true) : std::string("Gemeente - "),
               fixedCongId_ == 0);
    return v;
}

bool BrotherDialog::autoCapOn() const {
    if (doc_.settings().autoCap == 0) return false;
    // Languages whose names do not begin with a Latin capital, or that write them
    // as they are.
    const std::string& language = doc_.languageCode();
    if (!language.empty() && (language[0] == 'G' || language[0] == 'U' || language[0] == 'f'))
        return false;
    return language != "rus" && language != "turkish" && language != "greek";
}

void BrotherDialog::applyNameRules(bool firstName) {
    std::string& name = firstName ? firstName_ : lastName_;
    int& caret = firstName ? firstNameCaret_ : lastNameCaret_;
    caret = -1;
    if (!autoCapOn()) return;
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        caret = 1;
    }
    if (utf8Length(name) > kAutoCapName) {
        name = utf8Left(name, kAutoCapName);
        caret = static_cast<int>(kAutoCapName);
    }
}

void BrotherDialog::shortenFirstName() {
    if (firstName_.empty()) return;
    if (utf8Length(firstName_) + utf8Length(lastName_) > kNamesTogether) {
        firstName_ = utf8Left(firstName_, 1) + ".";
        firstNameCaret_ = -1;
    }
}

void BrotherDialog::setText(int control, const std::string& text) {
    switch (control) {
        case FirstName:
            firstName_ = utf8Left(text, kNameEdit);
            applyNameRules(true);
            break;
        case LastName:
            lastName_ = utf8Left(text, kNameEdit);
            applyNameRules(false);
            shortenFirstName();
            break;
        case Address1:
            address1_ = utf8Left(text, kAddressEdit);
            break;
        case Address2:
            address2_ = utf8Left(text, kAddressEdit);
            break;
        case Phone:
            phone_ = utf8Left(text, kPhoneEdit);
            break;
        case Mobile:
            mobile_ = utf8Left(text, kPhoneEdit);
            break;
        case Skype:
            skype_ = utf8Left(text, kPhoneEdit);
            break;
        case Email:
            email_ = utf8Left(text, kEmailEdit);
            break;
        case Remark:
            remark_ = utf8Left(text, kRemarkEdit);
            break;
        default:
            break;
    }
}

void BrotherDialog::firstNameFocusLost() {
    shortenFirstName();
}

void BrotherDialog::setChecked(int control, bool on) {
    if (control == Elder) {
        elder_ = on;
        if (on) servant_ = false;
    } else if (control == Servant) {
        servant_ = on;
        if (on) elder_ = false;
    }
}

std::string BrotherDialog::givenName() const {
    // As the names will read back from "speakers.dat".
    BrotherRecord r;
    r.firstName = utf8Left(firstName_, kNameStored);
    r.lastName = utf8Left(lastName_, kNameStored);
    r = BrotherRecord::decode(r.encode());
    return r.firstName + " " + r.lastName;
}

bool BrotherDialog::valid() {
    if (lastName_.empty() || lastName_[0] == ' ') return false;
    if (!addMode_ &&
        findBrotherByName(doc_, platform_.messages, givenName(), false, current()) != 0)
        return false;
    return true;
}

void BrotherDialog::store() {
    BrotherRecord record = record_;
    record.firstName = utf8Left(firstName_, kNameStored);
    record.lastName = utf8Left(lastName_, kNameStored);
    record.address1 = utf8Left(address1_, kAddressStored);
    record.address2 = utf8Left(address2_, kAddressStored);
    record.phone = utf8Left(phone_, kPhoneStored);
    const int office = elder_ ? 2 : servant_ ? 1 : 0;
    int flags = (record.flags & ~BrotherRecord::kOfficeMask) | office;
    flags = suspended_ ? (flags | BrotherRecord::kSuspendedBit)
                       : (flags & ~BrotherRecord::kSuspendedBit);
    record.flags = static_cast<std::uint8_t>(flags);
    record.congId = congId_;

    BrotherExtraRecord extra;
    extra.mobile = utf8Left(mobile_, kPhoneStored);
    extra.skype = utf8Left(skype_, kPhoneStored);
    extra.email = utf8Left(email_, kEmailStored);
    extra.remark = utf8Left(remark_, kRemarkStored);

    // Memory keeps what the files hold: texts cut to their fields, characters the code
    // page cannot hold as "?".
    record = BrotherRecord::decode(record.encode());
    extra = BrotherExtraRecord::decode(extra.encode());

    if (addMode_)
        storeNew(record, extra);
    else
        storeExisting(record, extra);
}

void BrotherDialog::storeNew(BrotherRecord& record, const BrotherExtraRecord& extra) {
    Brothers& brothers = doc_.brothers();
    const int match = findBrotherByName(doc_, platform_.messages,
                                        record.firstName + " " + record.lastName, true, -1);
    if (match == 0) {
        brothers.addBrother(record, extra);
    } else if (match > 0) {
        const auto i = static_cast<std::size_t>(match - 1);
        const BrotherEntry before = brothers.entry(i);
        brothers.updateBrother(i, record, extra);
        // The weeks he speaks in follow him, as when he is moved in the editor.
        if (record.congId != before.congId) retagLocalTalks(doc_, before.brotherId, record.congId);
    }
    if (match >= 0) {
        storedNew_ = true;
        changed_ = true;
        doc_.setDataChanged();
    }
    brothers.sortBrothers();
    list_.refill();
    list_.setSelection(0);
}

void BrotherDialog::storeExisting(BrotherRecord& record, BrotherExtraRecord& extra) {
    Brothers& brothers = doc_.brothers();
    const int index = current();
    if (index < 0) return;
    if (slot_ == 0) {
        // Refused with its message: the table and the file disagree about him.
        brothers.writeBrotherSlot(0, record);
        return;
    }
    const bool nameChanged =
        record.firstName != record_.firstName || record.lastName != record_.lastName;
    const bool moved = record.congId != record_.congId;

    extra.brotherId = record.brotherId;
    const bool hasText = anyText(extra);
    if (record.extraNo != 0) {
        if (!hasText) {
            brothers.freeExtra(record.extraNo, record.brotherId);
            record.extraNo = 0;
        } else if (brothers.writeExtra(record.extraNo, extra) == 0) {
            record.extraNo = 0;
        }
    }
    if (record.extraNo == 0 && hasText) record.extraNo = brothers.allocateExtra(extra);

    brothers.writeBrotherSlot(slot_, record);
    brothers.refreshBrotherEntry(static_cast<std::size_t>(index), slot_, record);
    record_ = record;
    changed_ = true;
    doc_.setDataChanged();

    if (nameChanged) {
        brothers.sortBrothers();
        list_.refill();
        // The list keeps showing him, wherever the new name put him.
        list_.selectBrother(record.brotherId);
    }
    if (moved) retagLocalTalks(doc_, record.brotherId, record.congId);
}

void BrotherDialog::ok(int focusedControl) {
    const auto& order = fieldOrder();
    auto at = std::find(order.begin(), order.end(), focusedControl);
    if (focusedControl != Ok && at != order.end()) {
        // Enter in a field: on to the next control that can take the focus.
        const View v = view();
        auto usable = [&](int id) {
            switch (id) {
                case Availability:
                    return v.availability.enabled;
                case Congregation:
                    return v.congregation.visible;
                case Delete:
                case Previous:
                case Next:
                    return !addMode_;
                default:
                    return true;
            }
        };
        for (auto it = at + 1; it != order.end(); ++it) {
            if (usable(*it)) {
                setFocus(*it);
                return;
            }
        }
        return;
    }
    if (!valid()) return;
    store();
    closeOk();
}

void BrotherDialog::move(int step) {
    if (addMode_) return;
    const int count = list_.rowCount();
    if (count == 0 || !valid()) return;
    store();
    int row = list_.selection();
    row = ((row + step) % count + count) % count;
    list_.setSelection(row);
    load();
    setFocus(FirstName);
}

void BrotherDialog::pressDelete() {
    const int index = current();
    if (index < 0) return;
    const auto i = static_cast<std::size_t>(index);
    const std::string name = doc_.brothers().brotherName(i, false);
    if (!platform_.messages.yesNo(fillText("Wil je %1 echt verwijderen?", name), false)) return;
    deleteBrother(doc_, i);
    list_.refill();
    doc_.setDataChanged();
    changed_ = true;
    closeOk();
}

void BrotherDialog::pressCongregation() {
    if (fixedCongId_ != 0) return;
    const std::size_t found = doc_.congregations().findCongregation(congId_);
    CongregationListDialog picker(doc_, platform_, true,
                                  found != 0 ? static_cast<int>(found) - 1 : 0);
    if (!platform_.screens.run(picker)) return;
    const int chosen = picker.selection();
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < doc_.congregations().count())
        congId_ = doc_.congregations().entry(static_cast<std::size_t>(chosen)).congId;
}

void BrotherDialog::pressTalks() {
    BrotherRecord copy = record_;
    copy.firstName = firstName_;
    copy.lastName = lastName_;
    TalkListDialog talks(doc_, platform_, copy, 0, 0, TalkListDialog::kEditMode);
    // Only the set comes back: the names still count as typed, not as stored.
    if (platform_.screens.run(talks)) record_.talks = talks.brother().talks;
}

void BrotherDialog::pressAvailability() {
    if (addMode_) return;
    AvailabilityDialog availability(doc_, record_.brotherId, false, suspended_);
    if (platform_.screens.run(availability))
        suspended_ = availability.suspendValue().value_or(suspended_);
}

}  // namespace ambon
