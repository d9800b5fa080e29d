// The platform interfaces on Qt: message boxes, file, folder and colour choosers, the
// clipboard and the printers.
#pragma once

#include <QWidget>

#include "platform/choosers.h"
#include "platform/clipboard.h"
#include "platform/messages.h"
#include "platform/printers.h"

namespace ambon::ui {

// Dialogs are parented to the active window so they stay on top of it.
QWidget* dialogParent();

class QtMessages : public Messages {
public:
    MsgResult show(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon, MsgResult defaultButton) override;
};

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                        const FileFilter& filter) override;
};

class QtFolderChooser : public FolderChooser {
public:
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& folder) override;
};

class QtColourChooser : public ColourChooser {
public:
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;
};

class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
    std::string text() const override;
    void clear() override;
};

class QtPrinters : public Printers {
public:
    std::optional<PrinterInfo> defaultPrinter() const override;
    bool setup() override;

private:
    std::string chosen_;
};

}  // namespace ambon::ui
