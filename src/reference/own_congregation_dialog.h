// The own congregation (command 32848): which congregation it is, its duty lists, its
// hospitality providers and its details. Every action takes effect at once; OK and
// "Annuleren" only close the screen.
#pragma once

#include <string>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class OwnCongregationDialog : public ScreenModel {
public:
    enum Ctl : int {
        Speakers = 1037,
        Chairmen = 1035,
        Readers = 1036,
        Hosts = 1038,
        ExportPackage = 7,
        Details = 6,
        Choose = 5,
        Cancel = 2,
        Ok = 1,
    };

    struct View {
        std::string caption;
        // Top to bottom as on the screen.
        ControlView speakers, chairmen, readers, hosts, exportPackage, details, choose;
        ControlView cancel, ok;
    };

    OwnCongregationDialog(CAmbDoc& doc, Platform& platform);

    View view() const;

    // Button 5: picks the own congregation from the congregation list.
    void pressChoose();
    // Buttons 1037, 1035 and 1036: the duty list of outgoing speakers, chairmen or readers.
    void pressDuty(int control);
    // Button 1038: the hospitality providers.
    void pressHosts();
    // Button 6: the own congregation's details.
    void pressDetails();
    void ok() { closeOk(); }
    void cancel() { closeCancel(); }

private:
    // The table index of the own congregation, -1 while none is chosen (or it is gone).
    int ownIndex() const;

    CAmbDoc& doc_;
    Platform& platform_;
};

}  // namespace ambon
