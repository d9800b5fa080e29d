// The preferences screen.
#include "shell/preferences_dialog.h"

#include "calendar/text_services.h"
#include "resources/string_table.h"

namespace ambon {

namespace {

ControlView check(const char* text, int value) {
    ControlView c;
    c.text = text;
    c.checked = value != 0;
    return c;
}

}  // namespace

PreferencesDialog::PreferencesDialog(CAmbDoc& doc, ColourChooser& colours)
    : doc_(doc), colours_(colours), working_(doc.settings()) {
    topMargin_.open(working_.topMargin);
    leftMargin_.open(working_.leftMargin);
}

PreferencesDialog::View PreferencesDialog::view() const {
    View v;
    v.caption = "Voorkeuren";
    v.alternativeDate =
        check("Gebruik alternatief datum formaat ( dd mmm yy )", working_.alternativeDateFormat);
    v.planHospitality = check("Plan Gastgezin", working_.planHospitality);
    v.planReaders = check("Plan Wachttoren Lezers", working_.planReaders);
    v.meetingTimeGroup = " Meeting time change ";
    v.calendarYear = check("Kalenderjaar (Jan-Dec)", working_.serviceYear == 0);
    v.serviceYear = check("Dienstjaar (Sep-Aug)", working_.serviceYear);
    v.printGroup = " Geprint Schema ";
    v.showReaders = check("Inclusief Wachttoren Lezers", working_.showReaders);
    v.showReaders.visible = working_.planReaders != 0;
    v.omitTalkNumbers = check("Lezingnummer Weglaten", working_.omitTalkNumbers);
    v.omitOutgoing = check("Uitzendsprekers Weglaten", working_.omitOutgoingSpeakers);
    v.titleLabel = "Schema Titel";
    v.title = working_.title;
    int style = working_.bars >= 0 && working_.bars <= 4 ? working_.bars : 0;
    v.barStyle.text =
        fillText(std::string(stringText(1125)), std::string(stringText(1126 + style)));
    v.barColour.text = "Color";
    v.barColour.visible = style == 4;
    v.topMarginLabel = "Marge Boven ( 100ths of an inch )";
    v.leftMarginLabel = "Marge links ( 100ths of an inch )";
    v.topMargin = topMargin_.view();
    v.leftMargin = leftMargin_.view();
    v.dateStamp = check("Print Datums", working_.dateStamp);
    v.autoCap = check("Automatisch Hoofdletters", working_.autoCap);
    const std::string& language = doc_.languageCode();
    v.autoCap.visible = language == "eng" || language == "polish";
    v.letters.text = "Letters";
    v.letters.visible = false;
    v.ok.text = "OK";
    v.cancel.text = "Annuleren";
    return v;
}

void PreferencesDialog::setChecked(int control, bool on) {
    int value = on ? 1 : 0;
    switch (control) {
        case AlternativeDate:
            working_.alternativeDateFormat = value;
            break;
        case PlanHospitality:
            working_.planHospitality = value;
            break;
        case PlanReaders:
            working_.planReaders = value;
            break;
        case CalendarYear:
            if (on) working_.serviceYear = 0;
            break;
        case ServiceYear:
            if (on) working_.serviceYear = 1;
            break;
        case ShowReaders:
            working_.showReaders = value;
            break;
        case OmitTalkNumbers:
            working_.omitTalkNumbers = value;
            break;
        case OmitOutgoing:
            working_.omitOutgoingSpeakers = value;
            break;
        case DateStamp:
            working_.dateStamp = value;
            break;
        case AutoCap:
            working_.autoCap = value;
            break;
        default:
            break;
    }
}

void PreferencesDialog::pressBarStyle() {
    int style = working_.bars >= 0 && working_.bars <= 4 ? working_.bars : 0;
    working_.bars = (style + 1) % 5;
}

void PreferencesDialog::pressBarColour() {
    if (working_.bars != 4) return;
    auto chosen = colours_.chooseColour(static_cast<std::uint32_t>(working_.barColour));
    if (chosen) working_.barColour = static_cast<int>(*chosen);
}

void PreferencesDialog::ok() {
    // Enter pressed while a margin list has the focus takes its selected number, as
    // leaving the list would.
    topMargin_.focusLost();
    leftMargin_.focusLost();
    working_.topMargin = topMargin_.top();
    working_.leftMargin = leftMargin_.top();
    // A colour only matters for the coloured style; the others keep the default grey.
    if (working_.bars != 4) working_.barColour = 0xC0C0C0;
    closeOk();
}

void PreferencesDialog::cancel() {
    closeCancel();
}

bool showPreferences(CAmbDoc& doc, Screens& screens, ColourChooser& colours) {
    PreferencesDialog dialog(doc, colours);
    Settings before = doc.settings();
    if (screens.run(dialog)) doc.settings() = dialog.working();
    if (!(before == doc.settings())) doc.setDataChanged(true);
    doc.writeSettings();
    return doc.dataChanged();
}

}  // namespace ambon
