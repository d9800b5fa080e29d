// Choosing one congregation, optionally narrowed to a circuit: for the package export
// and for two reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class CongregationFilterDialog : public ScreenModel {
public:
    enum Ctl : int {
        List = 1136,
        Circuits = 1144,
        Ok = 1,
        Cancel = 2,
    };

    enum Mode : int {
        // Every congregation, after "Alle Gemeenten".
        AllCongregations = 0,
        // Only congregations exchanging speakers with the own one in the coming 156 weeks.
        Exchanging = 1,
        // Every congregation, the own one preselected.
        OwnPreselected = 2,
    };

    struct View {
        std::string caption;
        ListView list;
        // The circuit combo box: rows and the chosen entry.
        ListView circuits;
        ControlView ok, cancel;
    };

    CongregationFilterDialog(CAmbDoc& doc, Platform& platform, int mode);

    View view() const;

    // Combo entry k: 0 clears the circuit filter, k > 0 filters on circuit k - 1.
    void chooseCircuit(int entry);
    void selectRow(int row);
    void doubleClickRow(int row);
    void ok();
    void cancel() { closeCancel(); }

    // After OK: the chosen congregation (0 for "Alle Gemeenten"), and the circuitId of
    // the circuit filter in effect (0 for none).
    std::int16_t congId() const { return congId_; }
    std::uint16_t circuitFilterId() const { return circuitFilter_; }

private:
    void refill();
    bool exchanges(std::int16_t congId) const;

    CAmbDoc& doc_;
    Platform& platform_;
    int mode_;
    int circuitEntry_ = 0;
    std::uint16_t circuitFilter_ = 0;
    // Each row's congregation table index; -1 for "Alle Gemeenten".
    std::vector<int> rowIndex_;
    std::vector<std::string> rows_;
    int selection_ = -1;
    int topRow_ = -1;
    std::int16_t congId_ = 0;
};

}  // namespace ambon
