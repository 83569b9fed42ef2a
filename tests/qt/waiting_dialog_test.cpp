#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXWaitingDlg.h"
#include "ui/qt/QtCursor.h"

#include "FakeCursor.h"
#include "WhenShown.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace {

using Model = BusyProgressModel;

} // namespace

class WaitingDialogTest : public QObject {
    Q_OBJECT
private slots:
    void enterEscapeAndCloseDoNothingOnlyCloseWaitingEndsIt() {
        FakeCursor cursor;
        CVRXWaitingDlg dialog(cursor);
        dialog.SetQuickMode(true);
        bool stillUp = false;
        bool animating = false;
        WhenShown(dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QTest::keyClick(&dialog, Qt::Key_Return);
            QTest::keyClick(&dialog, Qt::Key_Enter);
            QTest::keyClick(dialog.BusyIndicator(), Qt::Key_Escape);
            dialog.close();
            dialog.reject();
            QTimer::singleShot(100, &dialog, [&] {
                stillUp = dialog.isVisible();
                animating = dialog.BusyIndicator()->Control().IsRunning();
                dialog.CloseWaiting();
            });
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(stillUp);
        QVERIFY(animating);
        QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());
        QVERIFY(cursor.WaitCount() >= 1);
        QVERIFY(!cursor.IsWait());
    }

    // A wait the owner lets the user end: the Cancel button, Escape and the window's close tell the owner,
    // once, and it closes the dialog; Enter still does nothing. The dialog grows by the button's row.
    void cancelButtonEscapeAndCloseTellTheOwnerOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << QStringLiteral("button");
        QTest::newRow("space on the button") << QStringLiteral("space");
        QTest::newRow("escape") << QStringLiteral("escape");
        QTest::newRow("close") << QStringLiteral("close");
    }
    void cancelButtonEscapeAndCloseTellTheOwnerOnce() {
        QFETCH(QString, how);
        FakeCursor cursor;
        CVRXWaitingDlg plain(cursor);
        QVERIFY(plain.CancelButtons()->isHidden());
        CVRXWaitingDlg dialog(cursor);
        dialog.SetQuickMode(true);
        int told = 0;
        dialog.SetCancelHandler([&] {
            ++told;
            dialog.CloseWaiting();
        });
        QCOMPARE(dialog.width(), plain.width());
        QVERIFY(dialog.height() > plain.height());
        bool enterIgnored = false;
        WhenShown(dialog, [&] {
            auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"));
            QVERIFY(cancel && cancel->isVisible());
            QVERIFY(!cancel->text().isEmpty());
            QTest::keyClick(&dialog, Qt::Key_Return);
            enterIgnored = told == 0 && dialog.isVisible();
            if (how == QLatin1String("button"))
                cancel->click();
            else if (how == QLatin1String("space"))
                QTest::keyClick(cancel, Qt::Key_Space);
            else if (how == QLatin1String("escape"))
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog,
                                Qt::Key_Escape);
            else
                dialog.close();
            if (dialog.isVisible())
                dialog.CloseWaiting(); // the test goes on either way
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(enterIgnored);
        QCOMPARE(told, 1);
        dialog.reject(); // once told, never again
        QCOMPARE(told, 1);
        QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());
        QVERIFY(!cursor.IsWait());
    }

    void theCursorTimerKeepsTheWaitCursorWhileUp() {
        FakeCursor cursor;
        CVRXWaitingDlg dialog(cursor);
        int waitsAfterAMoment = 0;
        WhenShown(dialog, [&] {
            QTimer::singleShot(200, &dialog, [&] {
                waitsAfterAMoment = cursor.WaitCount();
                dialog.CloseWaiting();
            });
        });
        dialog.exec();
        QVERIFY2(waitsAfterAMoment >= 3, qPrintable(QString::number(waitsAfterAMoment))); // every 10 ms
        const int waits = cursor.WaitCount();
        QTest::qWait(50);
        QCOMPARE(cursor.WaitCount(), waits); // the timer is gone
    }

    void theRealCursorIsAWaitCursorWhileUpAndNothingIsLeftBehind() {
        QtCursor cursor;
        CVRXWaitingDlg dialog(cursor);
        Qt::CursorShape during = Qt::ArrowCursor;
        WhenShown(dialog, [&] {
            QTimer::singleShot(100, &dialog, [&] {
                if (const QCursor* shown = QApplication::overrideCursor())
                    during = shown->shape();
                dialog.CloseWaiting();
            });
        });
        dialog.exec();
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(!QApplication::overrideCursor()); // set once, however many ticks, and taken back once
    }

    void normalAndQuickModeAnimateAsTheirSettingsSay() {
        struct Case {
            bool quick;
            int speed, fill, type;
        } cases[] = {{false, 180, Model::kFillGrowing, Model::kTypeWrap},
                     {true, 60, Model::kFillOneBlock, Model::kTypeBounce}};
        for (const auto& c : cases) {
            FakeCursor cursor;
            CVRXWaitingDlg dialog(cursor);
            dialog.SetQuickMode(c.quick);
            Model seen(1, 0);
            int positionLater = -1;
            WhenShown(dialog, [&] {
                seen = dialog.BusyIndicator()->Control().Snapshot();
                QTimer::singleShot(400, &dialog, [&] {
                    positionLater = dialog.BusyIndicator()->Control().Snapshot().Position();
                    dialog.CloseWaiting();
                });
            });
            dialog.exec();
            QCOMPARE(seen.Speed(), c.speed);
            QCOMPARE(seen.BusyFill(), c.fill);
            QCOMPARE(seen.BusyType(), c.type);
            QCOMPARE(seen.NumberOfBlocks(), 20);
            QCOMPARE(seen.GetColor(2), (Model::Color{0x90, 0x90, 0xB2}));
            QCOMPARE(seen.GetColor(4), (Model::Color{0xB6, 0xDD, 0xE8}));
            QVERIFY2(positionLater > 0, qPrintable(QString::number(positionLater))); // it moved
        }
    }

    void isBorderlessAndSitsFiftyPixelsAboveTheMainWindowsCentre() {
        QWidget mainWindow;
        mainWindow.setGeometry(140, 120, 800, 600);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        FakeCursor cursor;
        CVRXWaitingDlg dialog(cursor, &mainWindow);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.width() > dialog.height());
        QRect placed;
        WhenShown(dialog, [&] {
            placed = dialog.frameGeometry();
            dialog.CloseWaiting();
        });
        dialog.exec();
        const QPoint client = mainWindow.mapToGlobal(QPoint(0, 0));
        QVERIFY2(qAbs(placed.center().x() - (client.x() + 400)) <= 1,
                 qPrintable(QString::number(placed.x())));
        QVERIFY2(qAbs(placed.center().y() - (client.y() + 300 - 50)) <= 1,
                 qPrintable(QString::number(placed.y())));
    }

    void goesSafelyWhileAnimating() {
        FakeCursor cursor;
        QPointer<CVRXWaitingDlg> dialog = new CVRXWaitingDlg(cursor);
        WhenShown(*dialog, [&] { QTimer::singleShot(50, [&] { delete dialog; }); });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QVERIFY(dialog.isNull());
        QTest::qWait(30);
    }
};

QTEST_MAIN(WaitingDialogTest)
#include "waiting_dialog_test.moc"
