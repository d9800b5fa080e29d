// Availability rules of commands and panel buttons.
#include "shell/command_rules.h"

#include "shell/command_ids.h"

namespace ambon {

namespace {

// The home congregation has at least one brother.
bool homeHasBrother(const CAmbDoc& doc) {
    if (doc.homeCongId() == 0) return false;
    for (const auto& b : doc.brothers().entries())
        if (b.congId == doc.homeCongId()) return true;
    return false;
}

}  // namespace

bool commandRuleAllows(const CAmbDoc& doc, const CAmbView& view, int command) {
    const bool document = view.mode() == ViewMode::Document;
    switch (command) {
        case cmd::Print:
        case cmd::PrintPreview:
        case cmd::ReturnToPanel:
            return document;
        case cmd::Restore:
            return !document;
        case cmd::ExportPackage:
            return doc.brothers().count() >= 2 && doc.congregations().count() >= 2;
        case cmd::OwnCongregation:
            return doc.congregations().count() >= 2;
        case cmd::EditHistory:
        case cmd::GuestLetter:
            return doc.homeCongId() != 0;
        case cmd::Chairman:
            return homeHasBrother(doc);
        case cmd::Hospitality:
            return doc.settings().planHospitality != 0;
        case cmd::Readers:
        case cmd::ReaderList:
            return doc.settings().planReaders != 0;
        default:
            return true;
    }
}

bool panelRuleAllows(const CAmbDoc& doc, int buttonId) {
    switch (buttonId) {
        case panel::Hospitality:
            return doc.settings().planHospitality != 0;
        case panel::Readers:
            return doc.settings().planReaders != 0;
        case panel::OwnCongregation:
            return doc.congregations().count() > 1;
        case panel::EditHistory:
            return doc.homeCongId() != 0;
        default:
            return true;
    }
}

}  // namespace ambon
