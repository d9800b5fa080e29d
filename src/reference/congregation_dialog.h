// One congregation: its name, meeting schedule, hall address, telephones, circuit and
// role holders; adding, editing, moving through the list and deleting.
#pragma once

#include <cstddef>
#include <string>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class CongregationListDialog;

class CongregationDialog : public ScreenModel {
public:
    enum Ctl : int {
        Name = 1018,
        Brothers = 3,
        TalkCoordinator = 130,
        ElderCoordinator = 129,
        Secretary = 131,
        Circuit = 4,
        DayEven = 9,
        TimeEven = 188,
        DayOdd = 8,
        TimeOdd = 187,
        Address1 = 1016,
        Address2 = 1017,
        Phone1 = 103,
        Phone2 = 104,
        Map = 6,
        Delete = 5,
        Cancel = 2,
        Previous = 1026,
        Next = 1025,
        Ok = 1,
        Apply = 7,
    };

    // Characters the fields accept while typing, and what is stored of them.
    static constexpr std::size_t kNameEdit = 49, kNameStored = 48;
    static constexpr std::size_t kAddressEdit = 40, kAddressStored = 40;
    static constexpr std::size_t kPhoneEdit = 15, kPhoneStored = 14;
    static constexpr std::size_t kTimeEdit = 9, kTimeStored = 9;

    struct View {
        std::string caption;
        std::string nameLabel, meetingGroup, evenLabel, oddLabel, timeLabel, addressGroup,
            phoneGroup;
        ControlView name, timeEven, timeOdd, address1, address2, phone1, phone2;
        bool nameReadOnly = false;
        ControlView brothers, talkCoordinator, elderCoordinator, secretary, circuit;
        ControlView dayEven, dayOdd;
        ControlView map, del, cancel, previous, next, ok, apply;
    };

    // Edits the list's selection, or a new congregation with addMode.
    CongregationDialog(CAmbDoc& doc, Platform& platform, CongregationListDialog& list,
                       bool addMode);
    // Edits only the congregation fixedCongId (no navigation, no deletion, name fixed).
    CongregationDialog(CAmbDoc& doc, Platform& platform, int fixedCongId);

    View view() const;

    // Text typed into one of the edit fields.
    void setText(int control, const std::string& text);
    // A weekday button: the next day, Sunday wrapping to Monday.
    void pressDay(int control);
    // Chooses the circuit from the circuit list.
    void pressCircuit();
    // The brothers of this congregation, in their list.
    void pressBrothers();
    // A role button (ElderCoordinator, TalkCoordinator, Secretary): chooses the holder
    // among the congregation's brothers.
    void pressRole(int control);
    void ok();
    void cancel() { closeCancel(); }
    void apply();
    void previous() { move(-1); }
    void next() { move(1); }
    void pressDelete();

    // Whether anything was stored while the screen was open.
    bool changed() const { return changed_; }
    bool addMode() const { return addMode_; }
    // The table index of the congregation shown; -1 in add mode or when it is gone.
    int current() const;
    // What the next store writes, apart from the fields still in the controls.
    const CongregationRecord& working() const { return record_; }
    // Weekday indexes shown (0 = Monday .. 6 = Sunday).
    int dayEven() const { return dayEven_; }
    int dayOdd() const { return dayOdd_; }

    // The map picker is a screen the program does not have yet; its button is shown by
    // the rules but stays disabled until it exists.

private:
    void load();
    // The name is not empty and does not start with a blank; outside add mode no other
    // congregation carries it (the duplicate message shows).
    bool valid();
    void store();
    void move(int step);
    std::string roleText(const char* role, std::int16_t brotherId) const;

    CAmbDoc& doc_;
    Platform& platform_;
    CongregationListDialog* list_ = nullptr;
    int fixedCongId_ = 0;
    bool addMode_ = false;
    bool changed_ = false;
    bool applyShown_ = false;

    CongregationRecord record_;
    std::string name_, address1_, address2_, phone1_, phone2_, timeEven_, timeOdd_;
    int dayEven_ = 6;
    int dayOdd_ = 6;
};

}  // namespace ambon
