// The preferences screen: how dates are written, what is planned, and how the printed
// schedule looks. Every setting takes effect when the screen closes with OK; the
// settings file is rewritten after OK and after Cancel alike.
#pragma once

#include <string>

#include "platform/choosers.h"
#include "platform/dialog_view.h"
#include "platform/screens.h"
#include "shell/number_list.h"
#include "store/amb_doc.h"

namespace ambon {

class PreferencesDialog : public ScreenModel {
public:
    enum Ctl : int {
        AlternativeDate = 249,
        PlanHospitality = 260,
        PlanReaders = 259,
        CalendarYear = 1175,
        ServiceYear = 1176,
        ShowReaders = 254,
        OmitTalkNumbers = 257,
        OmitOutgoing = 263,
        Title = 272,
        BarStyle = 1039,
        BarColour = 1040,
        TopMargin = 255,
        LeftMargin = 258,
        DateStamp = 261,
        AutoCap = 262,
        Letters = 1180,
        Ok = 1,
        Cancel = 2,
    };

    struct View {
        std::string caption;
        ControlView alternativeDate, planHospitality, planReaders, calendarYear, serviceYear;
        std::string meetingTimeGroup;
        std::string printGroup;
        ControlView showReaders, omitTalkNumbers, omitOutgoing;
        std::string titleLabel;
        std::string title;
        ControlView barStyle, barColour;
        std::string topMarginLabel, leftMarginLabel;
        ListView topMargin, leftMargin;
        ControlView dateStamp, autoCap, letters;
        ControlView ok, cancel;
    };

    PreferencesDialog(CAmbDoc& doc, ColourChooser& colours);

    View view() const;
    // A check box or one of the two radio buttons.
    void setChecked(int control, bool on);
    void setTitle(const std::string& title) { working_.title = title; }
    // Each press moves the bar style one on (No, Grey, Black, White, Colored, No, ...).
    void pressBarStyle();
    // Opens the colour chooser (only offered for the coloured style).
    void pressBarColour();
    NumberList& topMargin() { return topMargin_; }
    NumberList& leftMargin() { return leftMargin_; }

    void ok();
    void cancel();

    const Settings& working() const { return working_; }

private:
    CAmbDoc& doc_;
    ColourChooser& colours_;
    Settings working_;
    NumberList topMargin_;
    NumberList leftMargin_;
};

// Command 32864: runs the preferences screen and applies what it chose. Returns true
// when the views must be redrawn.
bool showPreferences(CAmbDoc& doc, Screens& screens, ColourChooser& colours);

}  // namespace ambon
