// The toolbar pictures, drawn in code: one simple picture per command.
#pragma once

#include <QIcon>

namespace ambon::ui {

QIcon toolbarIcon(int command);
// The program's own icon: a lectern with a calendar sheet.
QIcon applicationIcon();

}  // namespace ambon::ui
