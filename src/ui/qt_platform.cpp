// Qt implementations of the platform interfaces.
#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "ui/widget_support.h"

namespace ambon::ui {

QWidget* dialogParent() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    return nullptr;
}

MsgResult QtMessages::show(const std::string& text, const std::string& caption, MsgButtons buttons,
                           MsgIcon icon, MsgResult defaultButton) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption.empty() ? QStringLiteral("Ambon") : qs(caption));
    box.setText(qs(text));
    switch (icon) {
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::None:
            break;
    }
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (buttons) {
        case MsgButtons::Ok:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setEscapeButton(ok);
            box.setDefaultButton(ok);
            break;
        case MsgButtons::OkCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
            box.setDefaultButton(defaultButton == MsgResult::Cancel ? cancel : ok);
            break;
        case MsgButtons::YesNo:
            yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
            box.setEscapeButton(no);
            box.setDefaultButton(defaultButton == MsgResult::No ? no : yes);
            break;
    }
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed == yes && yes) return MsgResult::Yes;
    if (pressed == no && no) return MsgResult::No;
    if (pressed == cancel && cancel) return MsgResult::Cancel;
    if (buttons == MsgButtons::YesNo) return MsgResult::No;
    return pressed == ok ? MsgResult::Ok : MsgResult::Cancel;
}

std::optional<std::string> QtFileChooser::openFile(const std::string& title,
                                                   const std::string& folder,
                                                   const FileFilter& filter) {
    QString f = qs(filter.description) + " (" + qs(filter.pattern) + ")";
    QString chosen = QFileDialog::getOpenFileName(dialogParent(), qs(title), qs(folder), f);
    if (chosen.isEmpty()) return std::nullopt;
    return ss(chosen);
}

std::optional<std::string> QtFolderChooser::chooseFolder(const std::string& title,
                                                         const std::string& folder) {
    QString chosen = QFileDialog::getExistingDirectory(dialogParent(), qs(title), qs(folder));
    if (chosen.isEmpty()) return std::nullopt;
    return ss(chosen);
}

std::optional<std::uint32_t> QtColourChooser::chooseColour(std::uint32_t initial) {
    QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                 static_cast<int>((initial >> 16) & 0xFF));
    QColor chosen = QColorDialog::getColor(start, dialogParent());
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

void QtClipboard::setText(const std::string& text) {
    QApplication::clipboard()->setText(qs(text));
}

std::string QtClipboard::text() const {
    return ss(QApplication::clipboard()->text());
}

void QtClipboard::clear() {
    QApplication::clipboard()->clear();
}

std::optional<PrinterInfo> QtPrinters::defaultPrinter() const {
    QPrinterInfo info =
        chosen_.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(qs(chosen_));
    if (info.isNull()) return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    PrinterInfo result;
    result.name = ss(info.printerName());
    result.dpiX = printer.logicalDpiX();
    result.dpiY = printer.logicalDpiY();
    return result;
}

bool QtPrinters::setup() {
    QPrinter printer(QPrinter::HighResolution);
    if (!chosen_.empty()) printer.setPrinterName(qs(chosen_));
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen_ = ss(printer.printerName());
    return true;
}

}  // namespace ambon::ui
