// The talk list, talk editor and topic list on Qt, driven by control id: a talk edited
// from the catalogue reaches "talk.dat" when the list closes; the set list reports the
// hovered talk and counts the changes.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "reference/talk_edit_dialog.h"
#include "reference/topic_list_dialog.h"
#include "schedule/talk_list_dialog.h"
#include "store/field_codec.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"
#include "ui/reference/talk_edit_dialog_widget.h"
#include "ui/reference/topic_list_dialog_widget.h"
#include "ui/schedule/talk_list_dialog_widget.h"
#include "ui/widget_support.h"

using namespace ambon;
using ui::findControl;

namespace {

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void click(QWidget* parent, int id) {
    auto* button = findControl<QPushButton>(parent, id);
    QVERIFY2(button, qPrintable(QString::number(id)));
    QVERIFY2(button->isVisible(), qPrintable(QString::number(id)));
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class TalkScreensTest : public QObject {
    Q_OBJECT

private slots:
    void catalogueEditWritesTheTalkFile() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());

        bool topicsOpened = false;
        tp.screens.onTopicListDialog = [&](TopicListDialog& model) {
            ui::TopicListDialogWidget w(model, nullptr);
            w.show();
            topicsOpened = true;
            auto* edit = findControl<QLineEdit>(&w, TopicListDialog::Edit);
            if (!edit || edit->isVisible()) return false;
            click(&w, TopicListDialog::Add);
            if (!edit->isVisible()) return false;
            QTest::keyClicks(edit, "Zending");
            QTest::keyClick(edit, Qt::Key_Return);  // OK is the default button
            if (edit->isVisible()) return false;
            click(&w, TopicListDialog::Close);
            return w.result() == QDialog::Accepted;
        };
        tp.screens.onTalkEditDialog = [&](TalkEditDialog& model) {
            ui::TalkEditDialogWidget w(model, nullptr);
            w.show();
            auto* number = findControl<QLineEdit>(&w, TalkEditDialog::NumberText);
            auto* title = findControl<QLineEdit>(&w, TalkEditDialog::Title);
            if (!number || !title || number->text() != QStringLiteral("5")) return false;
            title->selectAll();
            QTest::keyClicks(title, "Nieuwe titel");
            // Choose topics, and add one through the topic list.
            click(&w, TalkEditDialog::TopicButton);
            auto* choose = findControl<QListWidget>(&w, TalkEditDialog::ChooseTopics);
            if (!choose->isVisible() || choose->count() != 10) return false;
            click(&w, TalkEditDialog::EditTopics);
            if (choose->count() != 11) return false;
            for (int r = 0; r < choose->count(); ++r)
                if (choose->item(r)->text() == QStringLiteral("Zending")) clickRow(choose, r);
            click(&w, TalkEditDialog::TopicButton);
            auto* shown = findControl<QListWidget>(&w, TalkEditDialog::TalkTopics);
            if (!shown->isVisible() || shown->count() != 2) return false;
            click(&w, TalkEditDialog::Ok);
            return w.result() == QDialog::Accepted;
        };

        TalkListDialog model(doc, tp.platform, BrotherRecord{}, 1, 0, TalkListDialog::kEditMode);
        ui::TalkListDialogWidget w(model, nullptr);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Selecteer lezing om te bewerken"));
        auto* list = findControl<QListWidget>(&w, TalkListDialog::List);
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->count(), 197);
        QVERIFY(!findControl<QListWidget>(&w, TalkListDialog::SetList)->isVisible());
        QCOMPARE(findControl<QPushButton>(&w, TalkListDialog::Ok)->text(),
                 QStringLiteral("Bewerk"));

        clickRow(list, 4);
        click(&w, TalkListDialog::Ok);
        QVERIFY(topicsOpened);
        QCOMPARE(list->item(4)->text(), QStringLiteral("5\tNieuwe titel"));
        QCOMPARE(list->currentRow(), 4);
        QVERIFY(w.isVisible());

        // The free slot for a new talk.
        click(&w, TalkListDialog::Switch);
        QVERIFY(!findControl<QPushButton>(&w, TalkListDialog::Switch)->isVisible());
        QCOMPARE(list->currentRow(), 194);
        QCOMPARE(list->item(194)->text(), QStringLiteral("This Slot is Available for a New Talk"));

        QVERIFY(!dir.exists("talk.dat"));
        click(&w, TalkListDialog::Cancel);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!w.isVisible());
        auto bytes = dir.read("talk.dat");
        QCOMPARE(bytes.size(), std::size_t{39424});
        QCOMPARE(QString::fromStdString(getText(bytes, 4 * 154, 93)),
                 QStringLiteral("Nieuwe titel"));
        // Talk 5 keeps its topic and gained "Zending" (number 11), in table order.
        QCOMPARE(int(getU16(bytes, 4 * 154 + 102)), 5);
        QCOMPARE(int(getU16(bytes, 4 * 154 + 104)), 11);
    }

    void setListHoverAndCounts() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        BrotherRecord brother;
        brother.firstName = "Jan";
        brother.lastName = "Jansen";
        setBit(brother.talks, 0, true);

        TalkListDialog model(doc, tp.platform, brother, 0, 0, TalkListDialog::kEditMode);
        ui::TalkListDialogWidget w(model, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Jan Jansen - 1 lezingen"));
        auto* set = findControl<QListWidget>(&w, TalkListDialog::SetList);
        QVERIFY(set && set->isVisible());
        QVERIFY(!findControl<QListWidget>(&w, TalkListDialog::List)->isVisible());
        QCOMPARE(set->item(1)->text(), QStringLiteral("  2"));
        // Several columns side by side.
        QVERIFY(set->visualItemRect(set->item(set->count() - 1)).left() >
                set->visualItemRect(set->item(0)).left());

        auto* detail = findControl<QLabel>(&w, TalkListDialog::Detail);
        QVERIFY(detail);
        QTest::mouseMove(set->viewport(), set->visualItemRect(set->item(2)).center());
        QTRY_COMPARE(detail->text(), QString::fromStdString(doc.talks().talk(2).title + " ( 3 ) "));
        QVERIFY(detail->isVisible());

        clickRow(set, 2);
        clickRow(set, 0);
        auto* added = findControl<QLabel>(&w, TalkListDialog::Added);
        auto* removed = findControl<QLabel>(&w, TalkListDialog::Removed);
        QCOMPARE(added->text(), QStringLiteral("Toegevoegd 1"));
        QVERIFY(added->isVisible());
        QCOMPARE(removed->text(), QStringLiteral("Verwijdert 1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Jan Jansen - 1 lezingen"));

        click(&w, TalkListDialog::Ok);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!testBit(model.brother().talks, 0));
        QVERIFY(testBit(model.brother().talks, 2));
    }
};

QTEST_MAIN(TalkScreensTest)
#include "talk_screens_test.moc"
