// The outside world as the screens see it, passed to every screen model in one piece.
#pragma once

#include "platform/choosers.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/printers.h"
#include "platform/screens.h"

namespace ambon {

struct Platform {
    Messages& messages;
    Screens& screens;
    const Clock& clock;
    FileChooser& files;
    FolderChooser& folders;
    ColourChooser& colours;
    Clipboard& clipboard;
    Printers& printers;
};

}  // namespace ambon
