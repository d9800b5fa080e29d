// The brother screens on Qt, driven by control id: a brother is added through the list
// and the editor (names, phone, e-mail, office) and reaches "speakers.dat"; Enter in a
// field moves on; the availability screen opens from the editor's button 7; the contact
// card copies an e-mail address and empties the clipboard when it closes.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "reference/brother_dialog.h"
#include "reference/brother_list_dialog.h"
#include "reference/contact_card.h"
#include "schedule/availability_dialog.h"
#include "store/field_codec.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"
#include "ui/reference/brother_dialog_widget.h"
#include "ui/reference/brother_list_dialog_widget.h"
#include "ui/reference/contact_card_widget.h"
#include "ui/schedule/availability_dialog_widget.h"
#include "ui/widget_support.h"

using namespace ambon;
using ui::findControl;

namespace {

template <class W>
W* control(QWidget* parent, int id) {
    W* w = findControl<W>(parent, id);
    if (w == nullptr) qFatal("control %d not found", id);
    return w;
}

void click(QWidget* parent, int id) {
    QTest::mouseClick(control<QAbstractButton>(parent, id), Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

bool activate(QWidget* w) {
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

BrotherRecord slot(const test::TempDataDir& dir, std::size_t k) {
    auto bytes = dir.read("speakers.dat");
    std::vector<std::uint8_t> block(256, 0);
    for (std::size_t i = 0; i < 256 && k * 256 + i < bytes.size(); ++i)
        block[i] = bytes[k * 256 + i];
    return BrotherRecord::decode(block);
}

struct World {
    test::TempDataDir dir;
    test::TestPlatform tp;
    CAmbDoc doc{tp.clock, tp.messages};
    World() { doc.startUp(dir.path()); }
};

}  // namespace

class BrotherScreensTest : public QObject {
    Q_OBJECT

private slots:
    void brotherIsAddedThroughTheEditor();
    void availabilityOpensFromButtonSeven();
    void contactCardCopiesTheAddress();
};

void BrotherScreensTest::brotherIsAddedThroughTheEditor() {
    World w;
    BrotherListDialog model(w.doc, w.tp.platform, {});
    ui::BrotherListDialogWidget list(model, nullptr);
    QVERIFY(activate(&list));
    QCOMPARE(list.windowTitle(), QStringLiteral("Broeders"));
    QCOMPARE(control<QPushButton>(&list, BrotherListDialog::Add)->text(),
             QStringLiteral("Broeder Toevoegen"));

    bool edited = false;
    w.tp.screens.onBrotherDialog = [&](BrotherDialog& d) {
        ui::BrotherDialogWidget editor(d, nullptr);
        if (!activate(&editor)) return false;
        using B = BrotherDialog;
        auto* first = control<QLineEdit>(&editor, B::FirstName);
        if (editor.focusWidget() != first) return false;
        QTest::keyClicks(first, "wim");
        if (first->text() != QStringLiteral("Wim")) return false;
        QTest::keyClicks(control<QLineEdit>(&editor, B::LastName), "kok");
        QTest::keyClicks(control<QLineEdit>(&editor, B::Phone), "0592-654321");
        auto* email = control<QLineEdit>(&editor, B::Email);
        email->setFocus();
        QTest::keyClicks(email, "wim@example.org");
        // Enter in a field moves on instead of closing.
        QTest::keyClick(email, Qt::Key_Return);
        if (!editor.isVisible()) return false;
        if (editor.focusWidget() != control<QLineEdit>(&editor, B::Remark)) return false;
        auto* elder = control<QCheckBox>(&editor, B::Elder);
        auto* servant = control<QCheckBox>(&editor, B::Servant);
        QTest::mouseClick(servant, Qt::LeftButton);
        QTest::mouseClick(elder, Qt::LeftButton);
        if (!elder->isChecked() || servant->isChecked()) return false;
        if (control<QPushButton>(&editor, B::Delete)->isVisible()) return false;
        if (control<QPushButton>(&editor, B::Availability)->isEnabled()) return false;
        click(&editor, B::Ok);
        edited = !editor.isVisible() && editor.result() == QDialog::Accepted;
        return edited;
    };
    click(&list, BrotherListDialog::Add);
    QVERIFY(edited);

    auto* names = control<QListWidget>(&list, BrotherListDialog::List);
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->item(0)->text(), QStringLiteral("* Kok, Wim"));
    QVERIFY(control<QLabel>(&list, BrotherListDialog::Unavailable)->isVisible());
    QCOMPARE(control<QLabel>(&list, BrotherListDialog::Unavailable)->text(),
             QStringLiteral("* No Congregation ( 1 )"));
    BrotherRecord wim = slot(w.dir, 1);
    QCOMPARE(wim.firstName, std::string("Wim"));
    QCOMPARE(wim.lastName, std::string("Kok"));
    QCOMPARE(wim.phone, std::string("0592-654321"));
    QCOMPARE(wim.office(), 2);
    QCOMPARE(int(wim.extraNo), 1);
    QCOMPARE(getText(w.dir.read("xtend.dat"), 34, 48), std::string("wim@example.org"));

    click(&list, BrotherListDialog::Cancel);
    QVERIFY(!list.isVisible());
}

void BrotherScreensTest::availabilityOpensFromButtonSeven() {
    World w;
    BrotherRecord piet;
    piet.firstName = "Piet";
    piet.lastName = "Smit";
    w.doc.brothers().addBrother(piet, {});
    BrotherListDialog list(w.doc, w.tp.platform, {});
    BrotherDialog model(w.doc, w.tp.platform, list, false);
    ui::BrotherDialogWidget editor(model, nullptr);
    QVERIFY(activate(&editor));
    auto* seven = control<QPushButton>(&editor, BrotherDialog::Availability);
    QCOMPARE(seven->text(), QStringLiteral("Altijd beschikbaar"));

    w.tp.screens.onAvailabilityDialog = [](AvailabilityDialog& a) {
        ui::AvailabilityDialogWidget dialog(a, nullptr);
        dialog.show();
        if (dialog.windowTitle() != QStringLiteral("Piet Smit")) return false;
        auto* suspend = control<QCheckBox>(&dialog, AvailabilityDialog::Suspend);
        if (!suspend->isVisible() || suspend->isChecked()) return false;
        QTest::mouseClick(suspend, Qt::LeftButton);
        clickRow(control<QListWidget>(&dialog, AvailabilityDialog::Weeks), 3);
        if (control<QLabel>(&dialog, AvailabilityDialog::Count)->text() != QStringLiteral("1"))
            return false;
        click(&dialog, AvailabilityDialog::Ok);
        return dialog.result() == QDialog::Accepted;
    };
    QTest::mouseClick(seven, Qt::LeftButton);
    QCOMPARE(w.tp.screens.opened, std::vector<std::string>{"AvailabilityDialog"});
    QCOMPARE(seven->text(), QStringLiteral("Suspended"));
    QCOMPARE(w.dir.size("blackout.dat"), std::uintmax_t{8});

    click(&editor, BrotherDialog::Ok);
    QVERIFY(!editor.isVisible());
    QVERIFY(slot(w.dir, 1).suspended());
}

void BrotherScreensTest::contactCardCopiesTheAddress() {
    World w;
    BrotherRecord jan;
    jan.firstName = "Jan";
    jan.lastName = "Bakker";
    jan.phone = "0592-123456";
    BrotherExtraRecord extra;
    extra.email = "jan@example.org";
    w.doc.brothers().addBrother(jan, extra);

    ContactCard model(w.doc, w.tp.platform, 1);
    ui::ContactCardWidget card(model, nullptr);
    QVERIFY(activate(&card));
    QVERIFY(!control<QGroupBox>(&card, ContactCard::CoordinatorGroup)->isVisible());
    QCOMPARE(control<QGroupBox>(&card, ContactCard::SpeakerGroup)->title(),
             QStringLiteral(" Spreker - Jan Bakker "));
    auto* phone = control<QLineEdit>(&card, ContactCard::SpeakerPhone1);
    QVERIFY(phone->isReadOnly());
    QCOMPARE(phone->text(), QStringLiteral("0592-123456"));
    auto* copy = control<QPushButton>(&card, ContactCard::Copy);
    QVERIFY(!copy->isVisible());

    control<QLineEdit>(&card, ContactCard::SpeakerEmail)->setFocus();
    QVERIFY(copy->isVisible());
    QCOMPARE(copy->text(), QStringLiteral("Copy jan@example.org"));
    phone->setFocus();
    QVERIFY(!copy->isVisible());
    control<QLineEdit>(&card, ContactCard::SpeakerEmail)->setFocus();
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(w.tp.clipboard.content, std::string("jan@example.org"));

    click(&card, ContactCard::Ok);
    QVERIFY(!card.isVisible());
    QCOMPARE(w.tp.clipboard.content, std::string());
}

QTEST_MAIN(BrotherScreensTest)
#include "brother_screens_test.moc"
