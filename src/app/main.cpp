// The executable: `ambon [DIR]` starts the planner on a data directory (the working
// directory when none is named).
#include <QApplication>
#include <filesystem>

#include "platform/system_clock.h"
#include "store/amb_doc.h"
#include "ui/qt_platform.h"
#include "ui/qt_screens.h"
#include "ui/shell/main_frame_widget.h"
#include "ui/shell/toolbar_icons.h"

int main(int argc, char** argv) {
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
}
