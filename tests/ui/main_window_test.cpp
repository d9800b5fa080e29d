// The main window on Qt: caption, status date, menu and toolbar wiring, panel buttons
// following the data, Escape and the close rules.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>

#include "print/amb_view.h"
#include "shell/command_ids.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"
#include "ui/print/amb_view_widget.h"
#include "ui/shell/main_frame_widget.h"

using namespace ambon;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsCaptionStatusDateAndToolbar() {
        test::TempDataDir dir;
        test::TestPlatform tp{test::FixedClock(2024, 12, 9)};
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        ui::CMainFrameWidget window(doc, tp.platform);

        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Redazedu Reredova Rozerudi Vadezuri - Ambon"));
        auto* date = window.findChild<QLabel*>(QStringLiteral("startDate"));
        QVERIFY(date);
        QCOMPARE(date->text(), QStringLiteral("Dec 09, 2024"));

        auto* bar = window.findChild<QToolBar*>(QStringLiteral("toolbar"));
        QVERIFY(bar);
        QStringList order;
        for (QAction* a : bar->actions()) order << (a->isSeparator() ? "|" : a->objectName());
        QCOMPARE(order.join(' '),
                 QStringLiteral("32787 | 32860 | 57607 57609 | 32874 32850 32854 32855 32856 "
                                "32857 | 32844 32768 32782 32848 32851 | 57664 57669"));
        QCOMPARE(window.action(cmd::Backup)->statusTip(),
                 QStringLiteral("Maak een complete backup"));
        QCOMPARE(window.action(cmd::Backup)->toolTip(), QStringLiteral("Backup"));
        QVERIFY(window.action(cmd::Print)->shortcut() == QKeySequence(QStringLiteral("Ctrl+P")));
    }

    void commandsFollowTheViewMode() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        ui::CMainFrameWidget window(doc, tp.platform);
        window.show();

        QVERIFY(!window.action(cmd::ReturnToPanel)->isEnabled());
        QVERIFY(window.action(cmd::Preferences)->isEnabled());
        // A command whose screen does not exist yet stays off, in the menu and the panel.
        QVERIFY(!window.action(cmd::Backup)->isEnabled());
        auto* close = window.findChild<QPushButton*>(QStringLiteral("110"));
        QVERIFY(close && close->isEnabled());

        window.view().showDocument(doc_kind::Schedule);
        window.viewModeChanged();
        QVERIFY(window.action(cmd::ReturnToPanel)->isEnabled());
        QCOMPARE(window.viewWidget()->currentIndex(), 1);

        // Escape returns to the panel; closing from the panel is allowed.
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.view().mode(), ViewMode::Panel);
        QCOMPARE(window.viewWidget()->currentIndex(), 0);
    }

    void panelButtonsFollowTheData() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        ui::CMainFrameWidget window(doc, tp.platform);
        window.show();
        auto button = [&](int id) { return window.findChild<QPushButton*>(QString::number(id)); };

        QVERIFY(button(panel::Congregations)->isEnabled());
        QVERIFY(button(panel::Brothers)->isEnabled());
        QVERIFY(button(panel::Talks)->isEnabled());
        QVERIFY(!button(panel::OwnCongregation)->isEnabled());
        QVERIFY(!window.action(cmd::OwnCongregation)->isEnabled());

        // A second congregation makes the own congregation choosable.
        for (const char* name : {"Amersvoort-Noord", "Zeewolde-Haven"}) {
            CongregationRecord c;
            c.name = name;
            doc.congregations().addCongregation(c);
        }
        window.refreshCommandStates();
        QVERIFY(button(panel::OwnCongregation)->isEnabled());
        QVERIFY(window.action(cmd::OwnCongregation)->isEnabled());
    }

    void closeFromADocumentReturnsToThePanelFirst() {
        test::TempDataDir dir;
        test::TestPlatform tp;
        CAmbDoc doc(tp.clock, tp.messages);
        doc.startUp(dir.path());
        ui::CMainFrameWidget window(doc, tp.platform);
        window.show();
        window.view().showDocument(doc_kind::Schedule);
        window.viewModeChanged();

        QVERIFY(!window.close());
        QCOMPARE(window.view().mode(), ViewMode::Panel);
        QVERIFY(window.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
