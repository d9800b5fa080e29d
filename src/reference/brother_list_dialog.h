// The list of brothers: edits them (command 32768, a congregation's "Broeders"), and
// serves as the brother picker of other screens, in select mode or in one of the role
// modes, with the marks that tell who cannot serve.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "reference/type_ahead_list.h"
#include "store/amb_doc.h"

namespace ambon {

class BrotherListDialog : public ScreenModel {
public:
    enum Ctl : int {
        List = 223,
        Unavailable = 1105,
        Suspended = 1106,
        Add = 224,
        Cancel = 2,
        Ok = 1,
    };
    // What a role mode picks the brother for.
    enum Role : int {
        kNoRole = 0,
        kElderCoordinator = 1,
        kTalkCoordinator = 2,
        kSecretary = 3,
        kSpeaker = 4,
        kOutgoingSpeaker = 5,
        kChairman = 6,
        kReader = 7,
    };
    // Tab stop of the list, in dialog units: the outgoing week of role 5 stands there.
    static constexpr int kWeekTab = 100;
    // How far the outgoing week may lie from the given week, and how far the given week
    // must lie after the first week of the table before anyone is looked for.
    static constexpr int kOutgoingReach = 7;
    static constexpr int kOutgoingMargin = 8;

    struct Options {
        std::int16_t congFilter = 0;   // only brothers of this congregation
        bool selectMode = false;       // OK returns the chosen brother
        std::int16_t excludeCong = 0;  // leaves out the brothers of this congregation
        int role = kNoRole;            // a role mode: OK returns the chosen brother
        std::int16_t preselectId = 0;  // in a role mode: the brother selected first
        int week = 0;                  // week number the choice is for, 0 for none
        bool hideAdd = false;
    };

    struct View {
        std::string caption;
        ListView list;
        ControlView unavailable;  // 1105
        ControlView suspended;    // 1106
        ControlView ok, cancel, add;
    };

    BrotherListDialog(CAmbDoc& doc, Platform& platform, Options options);

    View view() const;

    void selectRow(int row);
    // Double click acts as OK on the row.
    void doubleClickRow(int row);
    // A character typed on the list; letters search the rows.
    void typeOnList(std::string_view character);
    void listFocusGained() { typeAhead_.focusGained(); }
    void ok();
    void pressAdd();
    void cancel() { closeCancel(); }

    const Options& options() const { return options_; }
    // The table index of the brother chosen with OK, -1 when none was.
    int chosenIndex() const { return chosen_; }

    // Used by the brother screen, which moves and refreshes this list.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The selected row; -1 when the list is empty.
    int selection() const;
    void setSelection(int row) { selection_ = row; }
    // The table index of the brother at the selection; -1 when the list is empty.
    int selectedIndex() const;
    // Selects the row of the brother, when he is listed.
    void selectBrother(std::int16_t brotherId);
    // Reads the table again; a selection at or beyond the last row goes back to the
    // first row.
    void refill();

    // The caption word of a role ("Spreker" for role 4 ...), empty for no role.
    static std::string roleWord(int role);

private:
    void fill();
    std::string rowText(std::size_t index, bool& unavailable) const;
    // The week number of the outgoing talk nearest to the given week, 0 when none.
    int nearestOutgoingWeek(std::int16_t brotherId) const;
    bool picking() const { return options_.selectMode || options_.role != kNoRole; }

    CAmbDoc& doc_;
    Platform& platform_;
    Options options_;
    bool adding_ = false;
    int selection_ = 0;
    int topRow_ = -1;
    int chosen_ = -1;
    std::vector<std::string> rows_;
    std::vector<std::size_t> indexes_;
    int withoutCongregation_ = 0;
    int suspendedCount_ = 0;
    bool anyUnavailable_ = false;
    TypeAheadList typeAhead_;
};

}  // namespace ambon
