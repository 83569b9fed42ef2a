// The printer list's "Add print queue…" on screen: the action in the list's context menu and on Ctrl+P,
// following the selected printer, the queue-name dialog it opens (a refused name stays with its reason),
// and the dialog whole in every language, with QUORLINK_SCREENSHOTS=DIR saved there as
// queue-name-dialog-<code>.png.
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/PrintQueueActions.h"
#include "ui/qt/CVRXPageBasicSettingView.h"
#include "ui/qt/QtAppPlatform.h"
#include "ui/qt/QtQueueNameAsker.h"
#include "ui/qt/QtTextCatalog.h"
#include "ui/qt/QueueNameDialog.h"

#include "FakeCupsApi.h"
#include "MainWindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstring>

namespace {

ETHERNET_INFO WiredPrinter() {
    ETHERNET_INFO info{};
    const std::uint8_t mac[6] = {0x02, 0, 0, 0, 0x41, 0x01}, ip[4] = {192, 0, 2, 71};
    std::memcpy(info.MacAddr, mac, 6);
    std::memcpy(info.Ip, ip, 4);
    info.Port[0] = 0x23;
    info.Port[1] = 0x8C;
    return info;
}

// Runs step once the queue-name dialog is up (polling, as the dialog's own loop runs meanwhile).
void WhenQueueDialogIsUp(std::function<void(QueueNameDialog&)> step) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        auto* dialog = qobject_cast<QueueNameDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        step(*dialog);
    });
    poll->start();
}

QPushButton* DialogButton(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>(QStringLiteral("queueNameButtons"))->button(which);
}

// The actions of the list's context menu, as it comes up for a right-click on the list.
QList<QAction*> ContextMenuActions(QTableWidget* list) {
    QList<QAction*> seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        seen = menu->actions();
        menu->close();
    });
    poll.start();
    QMetaObject::invokeMethod(
        list, [list] { emit list->customContextMenuRequested(QPoint(4, 4)); }, Qt::QueuedConnection);
    QElapsedTimer waited;
    waited.start();
    while (poll.isActive() && waited.elapsed() < 5000)
        QTest::qWait(10);
    return seen;
}

} // namespace

class PrintQueueActionTest : public QObject {
    Q_OBJECT
private slots:
    void actionFollowsTheSelectionAndAsksForTheName() {
        MainWindowHarness h;
        FakeCupsApi cups;
        PrintQueueActions actions(cups, h.messages);
        QtQueueNameAsker asker(h.view.get());
        h.view->SetPrintQueues(actions, asker);
        h.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));

        QAction* action = h.view->PrinterListView()->PrintQueueAction();
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("Add print queue…"));
        QVERIFY(h.list()->actions().contains(action));
        QVERIFY(ContextMenuActions(h.list()).contains(action));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(!action->isEnabled()); // no printer selected

        EthernetInfoMap wired;
        wired["02:00:00:00:41:01"] = WiredPrinter();
        h.searchFinds(wired, {});
        QTRY_COMPARE(h.list()->rowCount(), 1);
        h.clickCell(0);
        QTRY_VERIFY(action->isEnabled());

        bool asked = false;
        WhenQueueDialogIsUp([&](QueueNameDialog& dialog) {
            asked = true;
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Add print queue"));
            QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("queueNamePrompt"))->text(),
                     QStringLiteral("Name of the new print queue for the printer 02:00:00:00:41:01:"));
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("queueName"));
            QCOMPARE(name->text(), QStringLiteral("VORANEX_020000004101"));
            name->setText(QStringLiteral("Dock_east"));
            QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        h.list()->setFocus();
        QTest::keyClick(h.list(), Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY(asked);
        QTRY_COMPARE(cups.Changes().size(), size_t{2});
        QCOMPARE(cups.Changes()[1], std::string("add Dock_east quorlink://02-00-00-00-41-01 raw"));
        QCOMPARE(h.messages.Informations().size(), size_t{1});

        // Cancel adds nothing.
        WhenQueueDialogIsUp([](QueueNameDialog& dialog) {
            QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        action->trigger();
        QCOMPARE(cups.Changes().size(), size_t{2});
    }

    void aRefusedNameStaysWithItsReason() {
        QueueNameDialog dialog(PrintQueueActions::QuestionFor("02:00:00:00:41:01"),
                               PrintQueueActions::CheckName, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("queueName"));
        auto* problem = dialog.findChild<QLabel*>(QStringLiteral("queueNameProblem"));
        QVERIFY(!problem->isVisible());
        name->setText(QStringLiteral("front desk"));
        QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(name->text(), QStringLiteral("front desk"));
        QVERIFY(problem->isVisible());
        QCOMPARE(problem->text(), QString::fromStdString(LoadString(StringId::QueueNameInvalid)));
        name->setText(QStringLiteral("front-desk"));
        QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Name(), QStringLiteral("front-desk"));
    }

    // Every text whole and Qt's own buttons translated, with the reason for a refused name shown too.
    void theDialogIsWholeInEveryLanguage() {
        QtAppPlatform platform([] { return 0; });
        for (int index = 0; index < LanguageTable::kCount; ++index) {
            if (index > 0) {
                int error = 0;
                std::shared_ptr<const ITextCatalog> catalog =
                    QtTextCatalog::Load(QCoreApplication::applicationDirPath().toStdString() + "/" +
                                            LanguageTable::CatalogRelativePath(index),
                                        error);
                QVERIFY(catalog);
                StringTable::SetCatalog(catalog);
            }
            platform.UseToolkitLanguage(index);
            const QString code = QString::fromLatin1(LanguageTable::ToolkitLocaleName(index));
            QueueNameDialog dialog(PrintQueueActions::QuestionFor("02:00:00:00:41:01"),
                                   PrintQueueActions::CheckName, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.findChild<QLineEdit*>(QStringLiteral("queueName"))->setText(QStringLiteral("front desk"));
            QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            QApplication::processEvents();
            QCOMPARE(dialog.windowTitle(), QString::fromStdString(LoadString(StringId::QueueNameCaption)));
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                if (!label->isVisible())
                    continue;
                if (label->wordWrap())
                    QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                             qPrintable(code + ": " + label->text()));
                else
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(code + ": " + label->text()));
            }
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                QVERIFY2(button->width() >= button->sizeHint().width(),
                         qPrintable(code + ": " + button->text()));
            QString cancel = DialogButton(dialog, QDialogButtonBox::Cancel)->text();
            if (index > 0)
                QVERIFY2(cancel.remove(QLatin1Char('&')) != QStringLiteral("Cancel"), qPrintable(code));
            SaveScreenshot(dialog, code);
            dialog.reject();
            StringTable::SetCatalog(nullptr);
        }
        platform.UseToolkitLanguage(0);
    }

private:
    static void SaveScreenshot(QWidget& dialog, const QString& code) {
        QByteArray dir = qgetenv("QUORLINK_SCREENSHOTS");
        if (dir.isEmpty())
            dir = qgetenv("QUORLINK_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(dir));
        dialog.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("queue-name-dialog-" + code + ".png"));
    }
};

QTEST_MAIN(PrintQueueActionTest)
#include "print_queue_action_test.moc"
