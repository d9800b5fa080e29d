// The about box: the program line, its version and the data directory it works in.
#pragma once

#include <string>

#include "platform/dialog_view.h"

namespace ambon {

class AboutBox : public ScreenModel {
public:
    explicit AboutBox(std::string directory) : directory_(std::move(directory)) {}

    std::string caption() const { return "Over Ambon"; }
    std::string programLine() const { return "Ambon - Openbare Lezingen Plannings Software"; }
    std::string versionText() const { return "Version 1n           (1.0.14.5)"; }
    std::string directoryCaption() const { return " Directory "; }
    const std::string& directory() const { return directory_; }

    void ok() { closeOk(); }

private:
    std::string directory_;
};

}  // namespace ambon
