// The own congregation screen.
#include "reference/own_congregation_dialog.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "calendar/text_services.h"
#include "reference/congregation_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/helper_role_dialog.h"
#include "reference/local_duties.h"
#include "reference/name_list_dialog.h"

namespace ambon {

namespace {

std::string counted(const char* word, int count) {
    char text[64];
    std::snprintf(text, sizeof text, "%s  ( %d )", word, count);
    return text;
}

ControlView button(std::string text, bool enabled) {
    ControlView c;
    c.text = std::move(text);
    c.enabled = enabled;
    return c;
}

std::vector<std::pair<std::string, std::uint16_t>> hostList(const CAmbDoc& doc) {
    std::vector<std::pair<std::string, std::uint16_t>> out;
    for (const auto& r : doc.hosts().records()) out.emplace_back(r.name, r.id);
    return out;
}

}  // namespace

OwnCongregationDialog::OwnCongregationDialog(CAmbDoc& doc, Platform& platform)
    : doc_(doc), platform_(platform) {
    setFocus(Choose);
}

int OwnCongregationDialog::ownIndex() const {
    std::size_t found =
        doc_.congregations().findCongregation(static_cast<std::int16_t>(doc_.homeCongId()));
    return static_cast<int>(found) - 1;
}

OwnCongregationDialog::View OwnCongregationDialog::view() const {
    View v;
    const int own = ownIndex();
    const bool chosen = own >= 0;
    if (chosen) {
        v.caption = doc_.congregations().entry(static_cast<std::size_t>(own)).name;
        v.speakers = button(counted("Uitzendsprekers", countDuty(doc_, kDutyOutgoing)), true);
        v.chairmen = button(counted("Voorzitter", countDuty(doc_, kDutyChairman)), true);
        v.readers = button(counted("Lezers", countDuty(doc_, kDutyReader)), true);
        v.hosts = button(counted("Gastgezin", static_cast<int>(doc_.hosts().count())), true);
        v.choose = button(fillText("Verander %1", "Gemeente"), true);
    } else {
        // Until a congregation is chosen there is nothing to count.
        v.caption = "Eigen Gemeente";
        v.speakers = button("Uitzendsprekers", false);
        v.chairmen = button("Voorzitter", false);
        v.readers = button("Lezers", false);
        v.hosts = button("Gastgezinnen", false);
        v.choose = button(fillText("Selecteer %1", "Gemeente"), true);
    }
    v.details = button("Bekijk / Bewerk Gemeente Details", chosen);
    // The package export is not part of the program yet: the button is there, unusable.
    v.exportPackage = button("Maak export pakketje (.c1d)", false);
    v.readers.visible = doc_.settings().planReaders != 0;
    v.hosts.visible = doc_.settings().planHospitality != 0;
    v.cancel = button("Annuleren", true);
    v.ok = button("OK", true);
    return v;
}

void OwnCongregationDialog::pressChoose() {
    const int own = ownIndex();
    int congId = doc_.homeCongId();
    CongregationListDialog list(doc_, platform_, true, own >= 0 ? own : 0);
    if (platform_.screens.run(list)) {
        const int sel = list.selection();
        if (sel >= 0) congId = doc_.congregations().entry(static_cast<std::size_t>(sel)).congId;
    }
    if (congId != doc_.homeCongId()) doc_.setDataChanged();
    // Written whatever the list answered, which also rebuilds the duty list.
    doc_.writeHomeCongregation(congId);
    setFocus(Choose);
}

void OwnCongregationDialog::pressDuty(int control) {
    if (ownIndex() < 0) return;
    int duty = 0;
    switch (control) {
        case Speakers:
            duty = kDutyOutgoing;
            break;
        case Chairmen:
            duty = kDutyChairman;
            break;
        case Readers:
            duty = kDutyReader;
            break;
        default:
            return;
    }
    HelperRoleDialog roles(doc_, platform_, duty);
    platform_.screens.run(roles);
    setFocus(control);
}

void OwnCongregationDialog::pressHosts() {
    if (ownIndex() < 0) return;
    const auto before = hostList(doc_);
    NameListDialog hosts(doc_, platform_, NameListDialog::Mode::Hosts);
    platform_.screens.run(hosts);
    if (hostList(doc_) != before) doc_.setDataChanged();
    setFocus(Hosts);
}

void OwnCongregationDialog::pressDetails() {
    if (ownIndex() < 0) return;
    CongregationDialog details(doc_, platform_, doc_.homeCongId());
    platform_.screens.run(details);
    if (details.changed()) doc_.rebuildLocalBrothers();
    setFocus(Details);
}

}  // namespace ambon
