// The congregation and circuit screens on Qt, driven by control id: a congregation is
// added, renamed and deleted through the list and the congregation screen, and a circuit
// is added and renamed in the circuit list.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "reference/congregation_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/name_list_dialog.h"
#include "store/amb_doc.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"
#include "ui/qt_platform.h"
#include "ui/qt_screens.h"
#include "ui/reference/congregation_dialog_widget.h"
#include "ui/reference/congregation_list_dialog_widget.h"
#include "ui/reference/name_list_dialog_widget.h"
#include "ui/widget_support.h"

using namespace ambon;
using namespace ambon::ui;

namespace {

// The nested congregation screen opens as its real widget, shown without a modal loop,
// and the test's script works it by control id.
class ScriptedScreens : public QtScreens {
public:
    std::function<void(CongregationDialogWidget&)> onCongregation;
    int congregationRuns = 0;

    bool run(CongregationDialog& screen) override {
        ++congregationRuns;
        CongregationDialogWidget widget(screen, nullptr);
        widget.show();
        if (onCongregation) onCongregation(widget);
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

void retype(QWidget* parent, int id, const QString& text) {
    auto* edit = control<QLineEdit>(parent, id);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
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

CongregationRecord congSlot(const test::TempDataDir& dir, std::size_t k) {
    auto bytes = dir.read("cong.dat");
    std::vector<std::uint8_t> block(256, 0);
    for (std::size_t i = 0; i < 256 && k * 256 + i < bytes.size(); ++i)
        block[i] = bytes[k * 256 + i];
    return CongregationRecord::decode(block);
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
    World() { doc.startUp(dir.path()); }
};

}  // namespace

class CongregationScreensTest : public QObject {
    Q_OBJECT

private slots:
    void congregationIsAddedRenamedAndDeleted();
    void circuitListAddsAndRenames();
};

void CongregationScreensTest::congregationIsAddedRenamedAndDeleted() {
    World w;
    CongregationListDialog model(w.doc, w.platform);
    CongregationListDialogWidget list(model, nullptr);
    list.show();
    auto* names = control<QListWidget>(&list, CongregationListDialog::List);
    QCOMPARE(control<QPushButton>(&list, CongregationListDialog::Ok)->text(), QString("Bewerk"));
    QCOMPARE(list.windowTitle(), QString("Selecteer Gemeente "));

    // Add "Assen", meeting on Monday in even years.
    w.screens.onCongregation = [](CongregationDialogWidget& d) {
        QVERIFY(!control<QPushButton>(&d, CongregationDialog::Delete)->isVisible());
        QVERIFY(!control<QPushButton>(&d, CongregationDialog::Apply)->isVisible());
        QTest::keyClicks(control<QLineEdit>(&d, CongregationDialog::Name), "Assen");
        QVERIFY(control<QPushButton>(&d, CongregationDialog::Apply)->isVisible());
        auto* day = control<QPushButton>(&d, CongregationDialog::DayEven);
        QCOMPARE(day->text(), QString("Sunday"));
        QTest::mouseClick(day, Qt::LeftButton);
        QCOMPARE(day->text(), QString("Monday"));
        QTest::keyClicks(control<QLineEdit>(&d, CongregationDialog::TimeEven), "19:30");
        click(&d, CongregationDialog::Ok);
        QVERIFY(!d.isVisible());
    };
    click(&list, CongregationListDialog::Add);
    QCOMPARE(w.screens.congregationRuns, 1);
    QCOMPARE(rows(names), QStringList{"Assen"});
    QCOMPARE(congSlot(w.dir, 1).name, std::string("Assen"));
    QCOMPARE(int(congSlot(w.dir, 1).meetingDayEven), 1);
    QCOMPARE(congSlot(w.dir, 1).meetingTimeEven, std::string("19:30"));

    // Rename it; the brothers button is offered, the map button not yet.
    w.screens.onCongregation = [](CongregationDialogWidget& d) {
        QCOMPARE(control<QLineEdit>(&d, CongregationDialog::Name)->text(), QString("Assen"));
        QVERIFY(control<QPushButton>(&d, CongregationDialog::Brothers)->isVisible());
        QVERIFY(control<QPushButton>(&d, CongregationDialog::Brothers)->isEnabled());
        QVERIFY(!control<QPushButton>(&d, CongregationDialog::Map)->isEnabled());
        QCOMPARE(control<QPushButton>(&d, CongregationDialog::Brothers)->text(),
                 QString("Broeders ( 0 )"));
        retype(&d, CongregationDialog::Name, "Beilen");
        click(&d, CongregationDialog::Ok);
    };
    clickRow(names, 0);
    click(&list, CongregationListDialog::Ok);
    QCOMPARE(rows(names), QStringList{"Beilen"});
    QCOMPARE(congSlot(w.dir, 1).name, std::string("Beilen"));
    QCOMPARE(congSlot(w.dir, 1).congId, std::int16_t(1));

    // A second congregation; typing on the list finds a name.
    w.screens.onCongregation = [](CongregationDialogWidget& d) {
        QTest::keyClicks(control<QLineEdit>(&d, CongregationDialog::Name), "Zwolle");
        click(&d, CongregationDialog::Ok);
    };
    click(&list, CongregationListDialog::Add);
    QCOMPARE(rows(names), (QStringList{"Beilen", "Zwolle"}));
    names->setFocus();
    QTest::keyClicks(names, "zw");
    QCOMPARE(names->currentRow(), 1);
    QVERIFY(names->item(1)->isSelected());
    QTest::keyClicks(names, "b");  // "zwb" fails, "b" finds Beilen
    QCOMPARE(names->currentRow(), 0);

    // Delete the first one; the question is answered Yes.
    w.messages.answer(MsgResult::Yes);
    w.screens.onCongregation = [](CongregationDialogWidget& d) {
        QCOMPARE(control<QLineEdit>(&d, CongregationDialog::Name)->text(), QString("Beilen"));
        click(&d, CongregationDialog::Delete);
        QVERIFY(!d.isVisible());
    };
    click(&list, CongregationListDialog::Ok);
    QCOMPARE(w.messages.lastText(), std::string("Wil je Beilen echt verwijderen?"));
    QCOMPARE(rows(names), QStringList{"Zwolle"});
    QCOMPARE(congSlot(w.dir, 1).congId, std::int16_t(0));
    QCOMPARE(congSlot(w.dir, 1).name, std::string());
    QVERIFY(w.doc.dataChanged());

    click(&list, CongregationListDialog::Cancel);
    QVERIFY(!list.isVisible());
    QCOMPARE(model.result(), ScreenResult::Cancel);
}

void CongregationScreensTest::circuitListAddsAndRenames() {
    World w;
    NameListDialog model(w.doc, w.platform, NameListDialog::Mode::Circuits);
    NameListDialogWidget dialog(model, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Kringen"));
    auto* names = control<QListWidget>(&dialog, NameListDialog::List);
    auto* edit = control<QLineEdit>(&dialog, NameListDialog::Edit);
    auto* add = control<QPushButton>(&dialog, NameListDialog::Add);
    auto* ok = control<QPushButton>(&dialog, NameListDialog::Ok);
    QVERIFY(!edit->isVisible());
    QVERIFY(!ok->isVisible());
    QCOMPARE(add->text(), QString("Voeg Kring Toe"));

    // Add with Enter in the edit field.
    QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(edit->isVisible());
    QVERIFY(!add->isVisible());
    QTest::keyClicks(edit, "Noord");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(rows(names), QStringList{"Noord"});
    QVERIFY(!edit->isVisible());
    QVERIFY(dialog.isVisible());

    QTest::mouseClick(add, Qt::LeftButton);
    QTest::keyClicks(edit, "Oost");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(rows(names), (QStringList{"Noord", "Oost"}));

    // Rename by selecting the row and changing the name.
    clickRow(names, 0);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QString("Noord"));
    retype(&dialog, NameListDialog::Edit, "Zuid");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(rows(names), (QStringList{"Oost", "Zuid"}));

    auto bytes = w.dir.read("circuit.dat");
    QCOMPARE(bytes.size(), std::size_t(64));
    auto first = NamedIdRecord::decode(std::span(bytes.data(), 32));
    auto second = NamedIdRecord::decode(std::span(bytes.data() + 32, 32));
    QCOMPARE(first.name, std::string("Oost"));
    QCOMPARE(int(first.id), 30002);
    QCOMPARE(second.name, std::string("Zuid"));
    QCOMPARE(int(second.id), 30001);
    QVERIFY(w.messages.shown.empty());
}

QTEST_MAIN(CongregationScreensTest)
#include "congregation_screens_test.moc"
