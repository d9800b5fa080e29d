// One congregation.
#include "reference/congregation_dialog.h"

#include <array>

#include "calendar/text_services.h"
#include "reference/brother_list_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/congregation_ops.h"
#include "reference/name_list_dialog.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

ControlView button(std::string text, bool visible = true, bool enabled = true) {
    ControlView c;
    c.text = std::move(text);
    c.visible = visible;
    c.enabled = enabled;
    return c;
}

ControlView field(const std::string& text, bool visible = true) {
    ControlView c;
    c.text = text;
    c.visible = visible;
    return c;
}

std::string dayText(int index) {
    return std::string(stringText(1252 + (index >= 0 && index <= 6 ? index : 6)));
}

}  // namespace

CongregationDialog::CongregationDialog(CAmbDoc& doc, Platform& platform,
                                       CongregationListDialog& list, bool addMode)
    : doc_(doc), platform_(platform), list_(&list), addMode_(addMode) {
    load();
    setFocus(Name);
}

CongregationDialog::CongregationDialog(CAmbDoc& doc, Platform& platform, int fixedCongId)
    : doc_(doc), platform_(platform), fixedCongId_(fixedCongId) {
    load();
}

int CongregationDialog::current() const {
    if (addMode_) return -1;
    if (list_ != nullptr) {
        int sel = list_->selection();
        return sel >= 0 && sel < static_cast<int>(doc_.congregations().count()) ? sel : -1;
    }
    std::size_t found =
        doc_.congregations().findCongregation(static_cast<std::int16_t>(fixedCongId_));
    return found != 0 ? static_cast<int>(found) - 1 : -1;
}

void CongregationDialog::load() {
    record_ = CongregationRecord{};
    const int index = current();
    if (index >= 0) {
        const Congregations& congs = doc_.congregations();
        if (congs.readCongregation(static_cast<std::size_t>(index), record_) == 0) {
            // The file no longer holds it: start from what memory knows, so that a store
            // does not wipe the congregation's circuit and roles.
            const CongregationEntry& e = congs.entry(static_cast<std::size_t>(index));
            record_.name = e.name;
            record_.congId = e.congId;
            record_.circuitId = e.circuitId;
            record_.elderCoordinatorId = e.elderCoordinatorId;
            record_.talkCoordinatorId = e.talkCoordinatorId;
            record_.secretaryId = e.secretaryId;
            record_.meetingTimeOdd = e.meetingTimeOdd;
            record_.meetingTimeEven = e.meetingTimeEven;
            record_.meetingDayOdd = e.meetingDayOdd;
            record_.meetingDayEven = e.meetingDayEven;
        }
    }
    name_ = record_.name;
    address1_ = record_.hallAddress1;
    address2_ = record_.hallAddress2;
    phone1_ = record_.phone1;
    phone2_ = record_.phone2;
    timeEven_ = record_.meetingTimeEven;
    timeOdd_ = record_.meetingTimeOdd;
    dayEven_ = weekdayIndexOfStored(record_.meetingDayEven);
    dayOdd_ = weekdayIndexOfStored(record_.meetingDayOdd);
    // A time given for one kind of year only holds for both.
    if (timeEven_.empty() && !timeOdd_.empty()) timeEven_ = timeOdd_;
    if (timeOdd_.empty() && !timeEven_.empty()) timeOdd_ = timeEven_;
    applyShown_ = false;
}

std::string CongregationDialog::roleText(const char* role, std::int16_t brotherId) const {
    std::string text = role;
    if (brotherId != 0) {
        // A holder who is no longer in the table shows as an empty name.
        text += " - " + doc_.brothers().brotherName(doc_.brothers().findBrother(brotherId), false);
    }
    return text;
}

CongregationDialog::View CongregationDialog::view() const {
    View v;
    v.nameLabel = "Gemeente Naam";
    v.meetingGroup = " Vergadering Schema ";
    v.evenLabel = "Even jaren :";
    v.oddLabel = "Oneven jaren:";
    v.timeLabel = "Tijd:";
    v.addressGroup = " Adres Koninkrijkszaal ";
    v.phoneGroup = " Telefoon ";

    v.name = field(name_);
    v.nameReadOnly = list_ == nullptr;
    v.timeEven = field(timeEven_);
    v.timeOdd = field(timeOdd_);
    v.address1 = field(address1_);
    v.address2 = field(address2_);
    v.phone1 = field(phone1_);
    v.phone2 = field(phone2_);
    v.dayEven = button(dayText(dayEven_));
    v.dayOdd = button(dayText(dayOdd_));

    const bool editing = !addMode_;
    const bool free = list_ != nullptr;
    int brothers = 0;
    if (editing && record_.congId != 0) brothers = brothersOfCongregation(doc_, record_.congId);

    std::string brothersText = "Broeders";
    if (editing) brothersText += " ( " + std::to_string(brothers) + " )";
    v.brothers = button(brothersText, editing && !(free && list_->pickMode()));
    const bool roles = editing && brothers > 0;
    v.elderCoordinator = button(
        roleText("Coordinator van het lichaam van ouderlingen", record_.elderCoordinatorId), roles);
    v.talkCoordinator = button(roleText("Lezing Coordinator", record_.talkCoordinatorId), roles);
    v.secretary = button(roleText("Secretaris", record_.secretaryId), roles);

    std::string circuit = "Kring";
    const NamedIdTable& circuits = doc_.circuits();
    if (std::size_t found = circuits.find(static_cast<std::uint16_t>(record_.circuitId)))
        circuit += " - " + circuits.name(found - 1);
    v.circuit = button(circuit, editing);
    v.map = button("Kaart", editing, false);

    v.del = button("Verwijder", editing && free);
    v.previous = button("vorige", editing && free);
    v.next = button("Volgende", editing && free);
    v.cancel = button("Annuleren");
    v.ok = button("OK");
    v.apply = button("Toepassen", applyShown_);
    return v;
}

void CongregationDialog::setText(int control, const std::string& text) {
    switch (control) {
        case Name:
            if (list_ == nullptr) return;  // fixed congregation: the name is read-only
            name_ = utf8Left(text, kNameEdit);
            applyShown_ = utf8Length(name_) >= 3;
            break;
        case Address1:
            address1_ = utf8Left(text, kAddressEdit);
            break;
        case Address2:
            address2_ = utf8Left(text, kAddressEdit);
            break;
        case Phone1:
            phone1_ = utf8Left(text, kPhoneEdit);
            break;
        case Phone2:
            phone2_ = utf8Left(text, kPhoneEdit);
            break;
        case TimeEven:
            timeEven_ = utf8Left(text, kTimeEdit);
            break;
        case TimeOdd:
            timeOdd_ = utf8Left(text, kTimeEdit);
            break;
        default:
            break;
    }
}

void CongregationDialog::pressDay(int control) {
    if (control == DayEven) dayEven_ = (dayEven_ + 1) % 7;
    if (control == DayOdd) dayOdd_ = (dayOdd_ + 1) % 7;
}

void CongregationDialog::pressCircuit() {
    if (addMode_) return;
    std::size_t found = doc_.circuits().find(static_cast<std::uint16_t>(record_.circuitId));
    NameListDialog picker(doc_, platform_, NameListDialog::Mode::Circuits,
                          found != 0 ? static_cast<int>(found) : -1);
    if (platform_.screens.run(picker))
        record_.circuitId = static_cast<std::int16_t>(picker.pickedId());
}

void CongregationDialog::pressBrothers() {
    if (addMode_ || record_.congId == 0) return;
    if (name_.empty() || name_[0] == ' ') {
        platform_.messages.ok("Vul de naam van de gemeente in");
        setFocus(Name);
        return;
    }
    // A name another congregation carries has shown its own message.
    if (!valid()) {
        setFocus(Name);
        return;
    }
    // Deleting a brother in the list clears his roles in the file; the next store must
    // not write them back, nor give them to a new brother who takes over his number.
    auto roles = [this] {
        std::size_t found = doc_.congregations().findCongregation(record_.congId);
        CongregationEntry e;
        if (found != 0) e = doc_.congregations().entry(found - 1);
        return std::array{e.elderCoordinatorId, e.talkCoordinatorId, e.secretaryId};
    };
    const auto before = roles();
    BrotherListDialog::Options filter;
    filter.congFilter = record_.congId;
    BrotherListDialog brothers(doc_, platform_, filter);
    platform_.screens.run(brothers);
    const auto after = roles();
    std::int16_t* working[] = {&record_.elderCoordinatorId, &record_.talkCoordinatorId,
                               &record_.secretaryId};
    for (std::size_t r = 0; r < after.size(); ++r)
        if (after[r] != before[r]) *working[r] = after[r];
    changed_ = true;
    doc_.rebuildLocalBrothers();
}

void CongregationDialog::pressRole(int control) {
    if (addMode_ || record_.congId == 0) return;
    std::int16_t* holder = nullptr;
    int role = BrotherListDialog::kNoRole;
    switch (control) {
        case ElderCoordinator:
            holder = &record_.elderCoordinatorId;
            role = BrotherListDialog::kElderCoordinator;
            break;
        case TalkCoordinator:
            holder = &record_.talkCoordinatorId;
            role = BrotherListDialog::kTalkCoordinator;
            break;
        case Secretary:
            holder = &record_.secretaryId;
            role = BrotherListDialog::kSecretary;
            break;
        default:
            return;
    }
    BrotherListDialog::Options pick;
    pick.congFilter = record_.congId;
    pick.role = role;
    pick.preselectId = *holder;
    BrotherListDialog brothers(doc_, platform_, pick);
    if (!platform_.screens.run(brothers)) return;
    const int index = brothers.chosenIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < doc_.brothers().count())
        *holder = doc_.brothers().entry(static_cast<std::size_t>(index)).brotherId;
}

bool CongregationDialog::valid() {
    if (name_.empty() || name_[0] == ' ') return false;
    if (!addMode_ && findCongregationByName(doc_, platform_.messages, utf8Left(name_, kNameStored),
                                            false, current()) != 0)
        return false;
    return true;
}

void CongregationDialog::store() {
    record_.name = utf8Left(name_, kNameStored);
    record_.hallAddress1 = utf8Left(address1_, kAddressStored);
    record_.hallAddress2 = utf8Left(address2_, kAddressStored);
    record_.phone1 = utf8Left(phone1_, kPhoneStored);
    record_.phone2 = utf8Left(phone2_, kPhoneStored);
    record_.meetingTimeEven = utf8Left(timeEven_, kTimeStored);
    record_.meetingTimeOdd = utf8Left(timeOdd_, kTimeStored);
    record_.meetingDayEven = storedWeekdayOfIndex(dayEven_);
    record_.meetingDayOdd = storedWeekdayOfIndex(dayOdd_);

    Congregations& congs = doc_.congregations();
    if (!addMode_) {
        const int index = current();
        if (index < 0) return;
        const auto i = static_cast<std::size_t>(index);
        const std::uint16_t slot = congs.entry(i).slot;
        record_.congId = congs.entry(i).congId;
        // A failed write is reported; memory takes the change all the same.
        congs.writeCongregationSlot(slot, record_);
        doc_.refreshCongregationEntry(i, slot, record_);
        doc_.setDataChanged();
        changed_ = true;
        return;
    }

    std::int16_t storedId = 0;
    int match = findCongregationByName(doc_, platform_.messages, record_.name, true, current());
    if (match == 0) {
        std::size_t i = congs.addCongregation(record_);
        record_.congId = congs.entry(i).congId;
        // Through the document, so that a new congregation taking the own congregation's
        // freed number also gives the own meeting days.
        doc_.refreshCongregationEntry(i, congs.entry(i).slot, record_);
        storedId = record_.congId;
    } else if (match > 0) {
        // The existing congregation keeps its number and slot and takes the new data.
        const auto i = static_cast<std::size_t>(match - 1);
        const std::uint16_t slot = congs.entry(i).slot;
        record_.congId = congs.entry(i).congId;
        congs.writeCongregationSlot(slot, record_);
        doc_.refreshCongregationEntry(i, slot, record_);
        storedId = record_.congId;
    }
    if (storedId != 0) {
        doc_.setDataChanged();
        changed_ = true;
    }
    congs.sortCongregations();
    if (list_ != nullptr) {
        list_->refill();
        std::size_t found = congs.findCongregation(storedId);
        list_->setSelection(found != 0 ? static_cast<int>(found) - 1 : 0);
    }
}

void CongregationDialog::ok() {
    if (valid()) store();
    closeOk();
}

void CongregationDialog::apply() {
    if (!valid()) return;
    store();
    addMode_ = false;
    load();
    setFocus(Name);
}

void CongregationDialog::move(int step) {
    if (list_ == nullptr || addMode_) return;
    const int count = static_cast<int>(doc_.congregations().count());
    if (count == 0 || !valid()) return;
    store();
    int sel = list_->selection();
    sel = ((sel + step) % count + count) % count;
    list_->setSelection(sel);
    load();
}

void CongregationDialog::pressDelete() {
    const int index = current();
    if (list_ == nullptr || index < 0) return;
    const std::string name = doc_.congregations().entry(static_cast<std::size_t>(index)).name;
    if (!platform_.messages.yesNo(fillText("Wil je %1 echt verwijderen?", name), false)) return;
    doc_.deleteCongregation(static_cast<std::size_t>(index));
    list_->refill();
    doc_.setDataChanged();
    closeOk();
}

}  // namespace ambon
