// The weeks in which one brother cannot serve: 52 weeks from this week, several
// selectable. Confirming stores the changes in the unavailability table and writes
// "blackout.dat" at once, whoever opened the screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "store/amb_doc.h"

namespace ambon {

class AvailabilityDialog : public ScreenModel {
public:
    enum Ctl : int {
        Prompt = 1065,
        Weeks = 1066,
        Count = 1067,
        Suspend = 1172,
        Ok = 1,
        Cancel = 2,
    };
    static constexpr int kRows = 52;

    struct View {
        std::string caption;
        ControlView prompt;
        ListView weeks;
        std::string frame;       // "Onbeschikbaar"
        ControlView count;       // number of selected weeks
        std::string weeksLabel;  // "Weken"
        ControlView suspend;
        ControlView ok, cancel;
    };

    // suspend: the brother's suspended state, exchanged with the brother editor; callers
    // without one pass nothing and the check box is not shown.
    AvailabilityDialog(CAmbDoc& doc, std::int16_t brotherId, bool viewOnly,
                       std::optional<bool> suspend = std::nullopt);

    View view() const;
    void setSelection(const std::vector<int>& rows);
    void setSuspend(bool on);
    void ok();
    void cancel();

    std::optional<bool> suspendValue() const { return suspend_; }
    // Week number of a row.
    int weekOfRow(int row) const { return firstWeek_ + row; }

private:
    CAmbDoc& doc_;
    std::int16_t brotherId_;
    bool viewOnly_;
    std::optional<bool> suspend_;
    int firstWeek_;
    std::vector<bool> initial_;
    std::vector<bool> selected_;
    int topRow_ = -1;
};

}  // namespace ambon
