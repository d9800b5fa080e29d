// Running another screen modally. A model that opens another screen builds that
// screen's model with its inputs, calls run() and applies the result; the Qt
// implementation wraps the model in its widget, the test fake runs a script on it.
#pragma once

namespace ambon {

class AboutBox;
class AvailabilityDialog;
class BrotherDialog;
class BrotherListDialog;
class CongregationDialog;
class CongregationFilterDialog;
class CongregationListDialog;
class ContactCard;
class HelperRoleDialog;
class NameListDialog;
class OwnCongregationDialog;
class PreferencesDialog;
class TalkEditDialog;
class TalkListDialog;
class TopicListDialog;

class Screens {
public:
    virtual ~Screens() = default;

    // Each returns true when the screen was closed with OK.
    virtual bool run(AboutBox& screen) = 0;
    virtual bool run(AvailabilityDialog& screen) = 0;
    virtual bool run(BrotherDialog& screen) = 0;
    virtual bool run(BrotherListDialog& screen) = 0;
    virtual bool run(CongregationDialog& screen) = 0;
    virtual bool run(CongregationFilterDialog& screen) = 0;
    virtual bool run(CongregationListDialog& screen) = 0;
    virtual bool run(ContactCard& screen) = 0;
    virtual bool run(HelperRoleDialog& screen) = 0;
    virtual bool run(NameListDialog& screen) = 0;
    virtual bool run(OwnCongregationDialog& screen) = 0;
    virtual bool run(PreferencesDialog& screen) = 0;
    virtual bool run(TalkEditDialog& screen) = 0;
    virtual bool run(TalkListDialog& screen) = 0;
    virtual bool run(TopicListDialog& screen) = 0;
};

}  // namespace ambon
