// The executable: `ambon [DIR]` starts the planner on a data directory (the working
// directory when none is named); `ambon --check [DIR]` loads one read-only and reports
// what it holds.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/system_clock.h"
#include "store/data_check.h"

#ifndef AMBON_NO_UI
#include <QApplication>

#include "store/amb_doc.h"
#include "ui/qt_platform.h"
#include "ui/qt_screens.h"
#include "ui/shell/main_frame_widget.h"
#include "ui/shell/toolbar_icons.h"
#endif

namespace {

// The check runs without any window: it must work on a machine with no display.
int runCheck(int argc, char** argv) {
    std::filesystem::path dir;
    if (argc >= 3) {
        dir = argv[2];
    } else {
        std::error_code ec;
        dir = std::filesystem::current_path(ec);
        if (ec) {
            std::cerr << "ambon --check: cannot read the data directory .: " << ec.message()
                      << '\n';
            return 1;
        }
    }
    ambon::SystemClock clock;
    return ambon::runDataCheck(dir, clock, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) return runCheck(argc, argv);
#ifdef AMBON_NO_UI
    std::cerr << "ambon: built without its user interface; only --check is available\n";
    return 1;
#else
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ambon"));
    QApplication::setWindowIcon(ambon::ui::applicationIcon());

    std::filesystem::path dataDir = std::filesystem::current_path();
    QStringList args = QApplication::arguments();
    if (args.size() > 1) dataDir = std::filesystem::absolute(args[1].toStdString());

    ambon::SystemClock clock;
    ambon::ui::QtMessages messages;
    ambon::ui::QtScreens screens;
    ambon::ui::QtFileChooser files;
    ambon::ui::QtFolderChooser folders;
    ambon::ui::QtColourChooser colours;
    ambon::ui::QtClipboard clipboard;
    ambon::ui::QtPrinters printers;
    ambon::Platform platform{messages, screens, clock,     files,
                             folders,  colours, clipboard, printers};

    ambon::CAmbDoc doc(clock, messages);
    if (!doc.startUp(dataDir)) return 1;
    doc.loadFonts(false);

    ambon::ui::CMainFrameWidget window(doc, platform);
    window.show();
    int result = app.exec();
    doc.saveFonts();
    return result;
#endif
}
