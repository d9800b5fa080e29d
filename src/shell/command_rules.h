// When each command and each panel button is available, in one place: the menu, the
// toolbar and the command panel all ask here.
#pragma once

#include "print/amb_view.h"
#include "store/amb_doc.h"

namespace ambon {

// The rule of a command of the menu, the toolbar or the view.
bool commandRuleAllows(const CAmbDoc& doc, const CAmbView& view, int command);
// The rule of a button of the command panel.
bool panelRuleAllows(const CAmbDoc& doc, int buttonId);

}  // namespace ambon
