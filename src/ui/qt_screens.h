// Runs each screen model in its Qt widget, modally.
#pragma once

#include "platform/screens.h"

namespace ambon::ui {

class QtScreens : public Screens {
public:
    bool run(AboutBox& screen) override;
    bool run(AvailabilityDialog& screen) override;
    bool run(BrotherDialog& screen) override;
    bool run(BrotherListDialog& screen) override;
    bool run(CongregationDialog& screen) override;
    bool run(CongregationFilterDialog& screen) override;
    bool run(CongregationListDialog& screen) override;
    bool run(HelperRoleDialog& screen) override;
    bool run(ContactCard& screen) override;
    bool run(NameListDialog& screen) override;
    bool run(OwnCongregationDialog& screen) override;
    bool run(PreferencesDialog& screen) override;
    bool run(TalkEditDialog& screen) override;
    bool run(TalkListDialog& screen) override;
    bool run(TopicListDialog& screen) override;
};

}  // namespace ambon::ui
