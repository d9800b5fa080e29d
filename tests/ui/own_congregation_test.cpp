// The own congregation screen on Qt, driven by control id: the own congregation is chosen
// in the real congregation list, a chairman is ticked in the real duty list, and the
// settings file and the brother records carry the result.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "reference/congregation_list_dialog.h"
#include "reference/helper_role_dialog.h"
#include "reference/own_congregation_dialog.h"
#include "store/amb_doc.h"
#include "store/ini_file.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"
#include "ui/qt_platform.h"
#include "ui/qt_screens.h"
#include "ui/reference/congregation_list_dialog_widget.h"
#include "ui/reference/helper_role_dialog_widget.h"
#include "ui/reference/own_congregation_dialog_widget.h"
#include "ui/widget_support.h"

using namespace ambon;
using namespace ambon::ui;

namespace {

// The nested screens open as their real widgets, shown without a modal loop, and the
// test's script works them by control id.
class ScriptedScreens : public QtScreens {
public:
    std::function<void(CongregationListDialogWidget&)> onCongregationList;
    std::function<void(HelperRoleDialogWidget&, HelperRoleDialog&)> onHelperRole;

    bool run(CongregationListDialog& screen) override {
        CongregationListDialogWidget widget(screen, nullptr);
        widget.show();
        if (onCongregationList) onCongregationList(widget);
        return screen.accepted();
    }
    bool run(HelperRoleDialog& screen) override {
        HelperRoleDialogWidget widget(screen, nullptr);
        widget.show();
        if (onHelperRole) onHelperRole(widget, screen);
        return screen.accepted();
    }
};

template <class W>
W* control(QWidget* parent, int id) {
    W* w = findControl<W>(parent, id);
    if (w == nullptr) qFatal("control %d not found", id);
    return w;
}

void click(QWidget* parent, int id) {
    QTest::mouseClick(control<QPushButton>(parent, id), Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
    QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

std::vector<std::uint8_t> slotFile(const std::vector<std::vector<std::uint8_t>>& blocks) {
    std::vector<std::uint8_t> out(256, 0);
    for (const auto& b : blocks) out.insert(out.end(), b.begin(), b.end());
    return out;
}

template <class R>
std::vector<std::uint8_t> bytesOf(const R& record) {
    auto raw = record.encode();
    return {raw.begin(), raw.end()};
}

BrotherRecord brother(const char* first, const char* last, std::int16_t id, std::int16_t congId,
                      std::uint8_t roles) {
    BrotherRecord r;
    r.firstName = first;
    r.lastName = last;
    r.brotherId = id;
    r.congId = congId;
    r.roles = roles;
    return r;
}

CongregationRecord congregation(const char* name, std::int16_t id) {
    CongregationRecord r;
    r.name = name;
    r.congId = id;
    return r;
}

struct World {
    test::TempDataDir dir;
    test::FixedClock clock{2026, 12, 11};
    test::FakeMessages messages;
    ScriptedScreens screens;
    QtFileChooser files;
    QtFolderChooser folders;
    QtColourChooser colours;
    QtClipboard clipboard;
    QtPrinters printers;
    Platform platform{messages, screens, clock, files, folders, colours, clipboard, printers};
    CAmbDoc doc{clock, messages};

    World() {
        dir.write("cong.dat", slotFile({bytesOf(congregation("Assen", 1)),
                                        bytesOf(congregation("Beilen", 2))}));
        // Roles byte: bit 1 outgoing speaker, bit 2 chairman, bit 4 reader.
        dir.write("speakers.dat", slotFile({bytesOf(brother("Jan", "Bakker", 1, 1, 0x04)),
                                            bytesOf(brother("Piet", "Smit", 2, 2, 0x02 | 0x04)),
                                            bytesOf(brother("Henk", "Vos", 3, 2, 0)),
                                            bytesOf(brother("Wim", "Zwart", 4, 2, 0))}));
        dir.writeText("ambon.ini", "[Congregation]\r\nNumber=1\r\n");
        doc.startUp(dir.path());
    }
    std::uint8_t rolesOnDisk(std::size_t slot) const {
        return dir.read("speakers.dat")[slot * 256 + 201];
    }
};

}  // namespace

class OwnCongregationTest : public QObject {
    Q_OBJECT

private slots:
    void chooseCongregationAndTickAChairman();
};

void OwnCongregationTest::chooseCongregationAndTickAChairman() {
    using O = OwnCongregationDialog;
    using H = HelperRoleDialog;
    World w;
    O model(w.doc, w.platform);
    OwnCongregationDialogWidget own(model, nullptr);
    own.show();
    QCOMPARE(own.windowTitle(), QString("Assen"));
    QCOMPARE(control<QPushButton>(&own, O::Choose)->text(), QString("Verander Gemeente"));
    QCOMPARE(control<QPushButton>(&own, O::Chairmen)->text(), QString("Voorzitter  ( 1 )"));
    QVERIFY(!control<QPushButton>(&own, O::ExportPackage)->isEnabled());
    // Reader and hospitality planning are off by default.
    QVERIFY(!control<QPushButton>(&own, O::Readers)->isVisible());
    QVERIFY(!control<QPushButton>(&own, O::Hosts)->isVisible());

    // Beilen becomes the own congregation.
    w.screens.onCongregationList = [](CongregationListDialogWidget& list) {
        auto* names = control<QListWidget>(&list, CongregationListDialog::List);
        QCOMPARE(rows(names), (QStringList{"Assen", "Beilen"}));
        QCOMPARE(names->currentRow(), 0);
        clickRow(names, 1);
        click(&list, CongregationListDialog::Ok);
        QVERIFY(!list.isVisible());
    };
    click(&own, O::Choose);
    QCOMPARE(own.windowTitle(), QString("Beilen"));
    QCOMPARE(control<QPushButton>(&own, O::Speakers)->text(), QString("Uitzendsprekers  ( 1 )"));
    QCOMPARE(control<QPushButton>(&own, O::Chairmen)->text(), QString("Voorzitter  ( 1 )"));
    QCOMPARE(IniFile::parse(w.dir.readText("ambon.ini")).getInt("Congregation", "Number", -1), 2);

    // Zwart is ticked as chairman too.
    w.screens.onHelperRole = [](HelperRoleDialogWidget& d, HelperRoleDialog& m) {
        QCOMPARE(d.windowTitle(), QString("Voorzitter"));
        auto* viewList = control<QListWidget>(&d, H::ViewList);
        auto* editList = control<QListWidget>(&d, H::EditList);
        QCOMPARE(rows(viewList), QStringList{"Piet Smit"});
        QVERIFY(viewList->isVisible());
        QVERIFY(!editList->isVisible());
        auto* toggle = control<QPushButton>(&d, H::Toggle);
        QCOMPARE(toggle->text(), QString("Bewerk lijst"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QString("Bekijk lijst"));
        QVERIFY(editList->isVisible());
        QCOMPARE(rows(editList), (QStringList{"Piet Smit", "Henk Vos", "Wim Zwart"}));
        QCOMPARE(selectedRows(editList), std::vector<int>{0});
        clickRow(editList, 2);
        QCOMPARE(selectedRows(editList), (std::vector<int>{0, 2}));
        // The row just ticked stays the current one (for the keyboard) after the re-render.
        QCOMPARE(editList->currentRow(), 2);
        QVERIFY(m.editing());
        click(&d, H::Ok);
        QVERIFY(!d.isVisible());
    };
    click(&own, O::Chairmen);
    QCOMPARE(control<QPushButton>(&own, O::Chairmen)->text(), QString("Voorzitter  ( 2 )"));
    QCOMPARE(int(w.rolesOnDisk(4)), 0x04);
    QCOMPARE(int(w.rolesOnDisk(2)), 0x02 | 0x04);
    QCOMPARE(int(w.rolesOnDisk(3)), 0);
    QCOMPARE(int(w.rolesOnDisk(1)), 0x04);  // Assen's chairman is untouched

    click(&own, O::Ok);
    QVERIFY(!own.isVisible());
    QVERIFY(model.accepted());
}

QTEST_MAIN(OwnCongregationTest)
#include "own_congregation_test.moc"
