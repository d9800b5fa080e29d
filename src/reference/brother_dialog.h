// One brother: names, address, phones, Skype, e-mail, remark, office, congregation,
// the talks he gives and his availability; adding, editing, moving through the list
// and deleting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "store/amb_doc.h"

namespace ambon {

class BrotherListDialog;

class BrotherDialog : public ScreenModel {
public:
    enum Ctl : int {
        FirstName = 226,
        LastName = 225,
        Address1 = 101,
        Address2 = 102,
        Phone = 103,
        Mobile = 117,
        Skype = 118,
        Email = 119,
        Remark = 120,
        Availability = 7,
        Talks = 6,
        Elder = 109,
        Servant = 110,
        Delete = 269,
        Previous = 3,
        Next = 4,
        Cancel = 2,
        Ok = 234,
        Congregation = 5,
    };

    // Characters the fields accept while typing, and what is stored of them. The
    // address field holds one character less than its stored limit (the terminator).
    static constexpr std::size_t kNameEdit = 18, kNameStored = 18;
    static constexpr std::size_t kAddressEdit = 39, kAddressStored = 40;
    static constexpr std::size_t kPhoneEdit = 15, kPhoneStored = 14;
    static constexpr std::size_t kEmailEdit = 47, kEmailStored = 45;
    static constexpr std::size_t kRemarkEdit = 45, kRemarkStored = 45;
    // Automatic capitals also keep a typed name this short.
    static constexpr std::size_t kAutoCapName = 14;
    // Longer names together do not fit the printed lists: the first name goes to its
    // initial.
    static constexpr std::size_t kNamesTogether = 35;

    struct View {
        std::string caption;
        std::string firstNameLabel, lastNameLabel, addressGroup;
        std::string phoneLabel, mobileLabel, skypeLabel, emailLabel, remarkLabel;
        ControlView firstName, lastName, address1, address2, phone, mobile, skype, email, remark;
        // Where the caret goes after a name rule changed the text; -1 to leave it.
        int firstNameCaret = -1, lastNameCaret = -1;
        ControlView availability, talks, elder, servant;
        ControlView del, previous, next, cancel, ok, congregation;
    };

    // Edits the brother at the list's selection, or a new one with addMode. With
    // fixedCongId the brother belongs to that congregation and cannot be moved here.
    BrotherDialog(CAmbDoc& doc, Platform& platform, BrotherListDialog& list, bool addMode,
                  std::int16_t fixedCongId = 0);

    View view() const;

    // Text typed into one of the edit fields (the name rules apply to the names).
    void setText(int control, const std::string& text);
    void firstNameFocusLost();
    // One of the office boxes; they exclude each other.
    void setChecked(int control, bool on);

    // OK with the control that has the focus: from a field it moves the focus to the
    // next one, on the button it stores and closes.
    void ok(int focusedControl = Ok);
    void cancel() { closeCancel(); }
    void previous() { move(-1); }
    void next() { move(1); }
    void pressDelete();
    void pressCongregation();
    void pressTalks();
    void pressAvailability();

    // The order in which Enter moves through the controls (also the tab order).
    static const std::vector<int>& fieldOrder();

    bool addMode() const { return addMode_; }
    // Whether anything was stored while the screen was open.
    bool changed() const { return changed_; }
    // A brother was stored from add mode (new, or an existing one overwritten).
    bool storedNew() const { return storedNew_; }
    // What the next store writes, apart from the fields still in the controls.
    const BrotherRecord& working() const { return record_; }
    std::int16_t workingCongId() const { return congId_; }
    bool workingSuspended() const { return suspended_; }

private:
    void load();
    // The table index shown; -1 in add mode or when the list is empty.
    int current() const;
    bool autoCapOn() const;
    void applyNameRules(bool firstName);
    void shortenFirstName();
    bool valid();
    void store();
    void storeNew(BrotherRecord& record, const BrotherExtraRecord& extra);
    void storeExisting(BrotherRecord& record, BrotherExtraRecord& extra);
    void move(int step);
    std::string givenName() const;

    CAmbDoc& doc_;
    Platform& platform_;
    BrotherListDialog& list_;
    bool addMode_;
    std::int16_t fixedCongId_;
    bool changed_ = false;
    bool storedNew_ = false;

    BrotherRecord record_;
    std::uint16_t slot_ = 0;
    std::string firstName_, lastName_, address1_, address2_, phone_, mobile_, skype_, email_,
        remark_;
    int firstNameCaret_ = -1, lastNameCaret_ = -1;
    bool elder_ = false;
    bool servant_ = false;
    bool suspended_ = false;
    std::int16_t congId_ = 0;
};

}  // namespace ambon
