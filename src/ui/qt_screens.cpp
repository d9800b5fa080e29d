// Each screen model in its widget.
#include "ui/qt_screens.h"

#include "reference/brother_dialog.h"
#include "reference/brother_list_dialog.h"
#include "reference/congregation_dialog.h"
#include "reference/congregation_filter_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/contact_card.h"
#include "reference/helper_role_dialog.h"
#include "reference/name_list_dialog.h"
#include "reference/own_congregation_dialog.h"
#include "ui/qt_platform.h"
#include "ui/reference/brother_dialog_widget.h"
#include "ui/reference/brother_list_dialog_widget.h"
#include "ui/reference/congregation_dialog_widget.h"
#include "ui/reference/congregation_filter_dialog_widget.h"
#include "ui/reference/congregation_list_dialog_widget.h"
#include "ui/reference/contact_card_widget.h"
#include "ui/reference/helper_role_dialog_widget.h"
#include "ui/reference/name_list_dialog_widget.h"
#include "ui/reference/own_congregation_dialog_widget.h"
#include "ui/reference/talk_edit_dialog_widget.h"
#include "ui/reference/topic_list_dialog_widget.h"
#include "ui/schedule/availability_dialog_widget.h"
#include "ui/schedule/talk_list_dialog_widget.h"
#include "ui/shell/about_box_widget.h"
#include "ui/shell/preferences_dialog_widget.h"

namespace ambon::ui {

namespace {

template <class Widget, class Model>
bool runModal(Model& model) {
    Widget widget(model, dialogParent());
    return widget.exec() == QDialog::Accepted;
}

}  // namespace

bool QtScreens::run(AboutBox& screen) {
    return runModal<AboutBoxWidget>(screen);
}
bool QtScreens::run(AvailabilityDialog& screen) {
    return runModal<AvailabilityDialogWidget>(screen);
}
bool QtScreens::run(BrotherDialog& screen) {
    return runModal<BrotherDialogWidget>(screen);
}
bool QtScreens::run(BrotherListDialog& screen) {
    return runModal<BrotherListDialogWidget>(screen);
}
bool QtScreens::run(ContactCard& screen) {
    return runModal<ContactCardWidget>(screen);
}
bool QtScreens::run(PreferencesDialog& screen) {
    return runModal<PreferencesDialogWidget>(screen);
}
bool QtScreens::run(TalkEditDialog& screen) {
    return runModal<TalkEditDialogWidget>(screen);
}
bool QtScreens::run(TalkListDialog& screen) {
    return runModal<TalkListDialogWidget>(screen);
}
bool QtScreens::run(TopicListDialog& screen) {
    return runModal<TopicListDialogWidget>(screen);
}
bool QtScreens::run(CongregationDialog& screen) {
    return runModal<CongregationDialogWidget>(screen);
}
bool QtScreens::run(CongregationFilterDialog& screen) {
    return runModal<CongregationFilterDialogWidget>(screen);
}
bool QtScreens::run(CongregationListDialog& screen) {
    return runModal<CongregationListDialogWidget>(screen);
}
bool QtScreens::run(HelperRoleDialog& screen) {
    return runModal<HelperRoleDialogWidget>(screen);
}
bool QtScreens::run(NameListDialog& screen) {
    return runModal<NameListDialogWidget>(screen);
}
bool QtScreens::run(OwnCongregationDialog& screen) {
    return runModal<OwnCongregationDialogWidget>(screen);
}

}  // namespace ambon::ui
