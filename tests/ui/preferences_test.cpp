// The preferences screen on Qt, driven by control id: what is chosen reaches the
// settings file.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/preferences_dialog.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"
#include "ui/shell/preferences_dialog_widget.h"
#include "ui/widget_support.h"

using namespace ambon;
using ui::findControl;

class PreferencesWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void writesWhatWasChosen() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());

        tp.screens.onPreferencesDialog = [](PreferencesDialog& model) {
            ui::PreferencesDialogWidget w(model, nullptr);
            w.show();
            auto* readers = findControl<QCheckBox>(&w, PreferencesDialog::PlanReaders);
            auto* printReaders = findControl<QCheckBox>(&w, PreferencesDialog::ShowReaders);
            if (!readers || !printReaders || printReaders->isVisible()) return false;
            QTest::mouseClick(readers, Qt::LeftButton);
            if (!printReaders->isVisible()) return false;  // follows the reader check box
            QTest::mouseClick(printReaders, Qt::LeftButton);
            // A radio button reacts on its indicator and text, at the left of the widget.
            auto* service = findControl<QRadioButton>(&w, PreferencesDialog::ServiceYear);
            QTest::mouseClick(service, Qt::LeftButton, {}, QPoint(8, service->height() / 2));
            auto* title = findControl<QLineEdit>(&w, PreferencesDialog::Title);
            title->selectAll();
            QTest::keyClicks(title, "Mijn schema");
            auto* bars = findControl<QPushButton>(&w, PreferencesDialog::BarStyle);
            QTest::mouseClick(bars, Qt::LeftButton);
            QTest::mouseClick(bars, Qt::LeftButton);
            if (bars->text() != QStringLiteral("Print Titels and Datumss met Black Bars"))
                return false;
            auto* top = findControl<QListWidget>(&w, PreferencesDialog::TopMargin);
            top->setFocus();
            QTest::keyClicks(top, "25");
            QTest::mouseClick(findControl<QPushButton>(&w, PreferencesDialog::Ok), Qt::LeftButton);
            return w.result() == QDialog::Accepted;
        };
        QVERIFY(showPreferences(doc, tp.screens, tp.colours));
        QCOMPARE(doc.settings().planReaders, 1);
        QCOMPARE(doc.settings().showReaders, 1);
        QCOMPARE(doc.settings().serviceYear, 1);
        QCOMPARE(doc.settings().bars, 2);
        QCOMPARE(doc.settings().topMargin, 25);
        QCOMPARE(QString::fromStdString(doc.settings().title), QStringLiteral("Mijn schema"));
        QString ini = QString::fromStdString(dir.readText("ambon.ini"));
        QVERIFY(ini.contains(QStringLiteral("Lezing inclusief=1\r\n")));
        QVERIFY(ini.contains(QStringLiteral("Titel=Mijn schema\r\n")));
        QVERIFY(ini.contains(QStringLiteral("Top Margin=25\r\n")));
    }

    void escapeCancels() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        PreferencesDialog model(doc, tp.colours);
        ui::PreferencesDialogWidget w(model, nullptr);
        w.show();
        QTest::mouseClick(findControl<QCheckBox>(&w, PreferencesDialog::PlanHospitality),
                          Qt::LeftButton);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(model.result(), ScreenResult::Cancel);
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(PreferencesWidgetTest)
#include "preferences_test.moc"
