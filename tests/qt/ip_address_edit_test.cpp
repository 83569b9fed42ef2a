#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/QuorlinkLook.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using Address = std::array<std::uint8_t, 4>;

class IpAddressEditTest : public QObject {
    Q_OBJECT

private:
    // A window with the control and a line edit after it, shown and active.
    struct Window {
        QWidget widget;
        IpAddressEdit* edit;
        QLineEdit* after;
        Window() {
            auto* layout = new QVBoxLayout(&widget);
            edit = new IpAddressEdit(&widget);
            after = new QLineEdit(&widget);
            layout->addWidget(edit);
            layout->addWidget(after);
            widget.show();
            widget.activateWindow();
        }
    };

    static void clearField(QLineEdit* field) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
    }

private slots:
    void typedAddressFillsTheFieldsAndMovesOnAfterThreeDigitsOrADot() {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        window.edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window.edit->field(0));
        window.edit->field(0)->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("192"));
        QCOMPARE(QApplication::focusWidget(), window.edit->field(1)); // three digits: on to the next
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0."));
        QCOMPARE(QApplication::focusWidget(), window.edit->field(2));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2."));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
        QCOMPARE(window.edit->address(), (Address{192, 0, 2, 10}));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!window.edit->field(i)->text().contains(QLatin1Char('.')));
        // A dot in the last field stays in the control.
        QTest::keyClick(window.edit->field(3), Qt::Key_Period);
        QCOMPARE(QApplication::focusWidget(), window.edit->field(3));
        QCOMPARE(window.edit->field(3)->text(), QStringLiteral("10"));
    }

    void numbersOverTwoHundredFiftyFiveBecomeTwoHundredFiftyFive() {
        Window window;
        window.edit->field(2)->clear();
        QTest::keyClicks(window.edit->field(2), QStringLiteral("300"));
        QCOMPARE(window.edit->field(2)->text(), QStringLiteral("255"));
        window.edit->field(1)->clear();
        QTest::keyClicks(window.edit->field(1), QStringLiteral("25x6")); // letters never get in
        QCOMPARE(window.edit->field(1)->text(), QStringLiteral("255"));
        QCOMPARE(window.edit->address(), (Address{0, 255, 255, 0}));
    }

    void anEmptiedFieldReadsAsZeroAndShowsZeroWhenLeft() {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        window.edit->setAddress({203, 0, 113, 9});
        window.edit->field(1)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window.edit->field(1));
        window.edit->field(1)->setText(QStringLiteral("77"));
        clearField(window.edit->field(1));
        QCOMPARE(window.edit->field(1)->text(), QString());
        QCOMPARE(window.edit->address(), (Address{203, 0, 113, 9}));
        QTest::keyClick(window.edit->field(1), Qt::Key_Period);
        QCOMPARE(QApplication::focusWidget(), window.edit->field(2)); // the dot goes to the next field
        QCOMPARE(window.edit->field(1)->text(), QStringLiteral("0"));

        // Leaving the control altogether does the same.
        clearField(window.edit->field(2));
        QCOMPARE(window.edit->address(), (Address{203, 0, 0, 9}));
        window.after->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window.after);
        QCOMPARE(window.edit->field(2)->text(), QStringLiteral("0"));
    }

    // The four numbers are one field of the window: Tab and Shift+Tab leave the control from any of them
    // and enter it at its first number, so that a page of address controls is crossed in one press each.
    void tabLeavesTheControlAsAWhole() {
        QWidget widget;
        auto* layout = new QVBoxLayout(&widget);
        auto* before = new QLineEdit(&widget);
        auto* edit = new IpAddressEdit(&widget);
        auto* second = new IpAddressEdit(&widget);
        auto* after = new QLineEdit(&widget);
        for (QWidget* child : {static_cast<QWidget*>(before), static_cast<QWidget*>(edit),
                               static_cast<QWidget*>(second), static_cast<QWidget*>(after)})
            layout->addWidget(child);
        widget.show();
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));

        before->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), before);
        const QList<QWidget*> forward = {edit->field(0), second->field(0), after};
        for (QWidget* expected : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        const QList<QWidget*> backward = {second->field(0), edit->field(0), before};
        for (QWidget* expected : backward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        // From a number inside the control, both ways lead out of it.
        for (int index = 1; index < 4; ++index) {
            edit->field(index)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), edit->field(index));
            QTest::keyClick(edit->field(index), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), second->field(0));
            edit->field(index)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), edit->field(index));
            QTest::keyClick(edit->field(index), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), before);
        }
        // Arrows still move between the numbers.
        edit->field(0)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit->field(0));
        edit->field(0)->end(false);
        QTest::keyClick(edit->field(0), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), edit->field(1));
    }

    void onlyTheUsersEditsAreReported() {
        Window window;
        QSignalSpy edited(window.edit, &IpAddressEdit::addressEdited);
        window.edit->setAddress({198, 51, 100, 7});
        QCOMPARE(edited.count(), 0);
        QCOMPARE(window.edit->address(), (Address{198, 51, 100, 7}));
        QTest::keyClick(window.edit->field(3), Qt::Key_8);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(window.edit->address(), (Address{198, 51, 100, 78}));
    }

    void backspaceAndArrowsCrossFieldBorders() {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(&window.widget));
        window.edit->setAddress({10, 20, 30, 40});
        window.edit->field(2)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window.edit->field(2));
        window.edit->field(2)->setCursorPosition(0);
        QTest::keyClick(window.edit->field(2), Qt::Key_Backspace);
        QCOMPARE(QApplication::focusWidget(), window.edit->field(1));
        QCOMPARE(window.edit->field(1)->cursorPosition(), 2);
        QCOMPARE(window.edit->address(), (Address{10, 20, 30, 40})); // nothing deleted on the way
        QTest::keyClick(window.edit->field(1), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), window.edit->field(2));
        QCOMPARE(window.edit->field(2)->cursorPosition(), 0);
        QTest::keyClick(window.edit->field(2), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), window.edit->field(1));
    }

    void aDisabledControlLooksDisabledThroughout() {
        Window window;
        window.widget.setStyleSheet(QuorlinkLook::WindowStyleSheet()); // as in the main window
        IpAddressEdit* edit = window.edit;
        // A point inside the first field, left of its centred digits, and a point of the control itself.
        auto colours = [edit] {
            const QImage image = edit->grab().toImage();
            const QPoint inField = edit->field(0)->geometry().topLeft() + QPoint(2, 4);
            const QPoint onControl(edit->field(0)->geometry().right() + 2, edit->height() - 4);
            return std::pair{image.pixelColor(inField), image.pixelColor(onControl)};
        };
        const auto [enabledField, enabledControl] = colours();
        QCOMPARE(enabledField, enabledControl);
        edit->setEnabled(false);
        const auto [disabledField, disabledControl] = colours();
        QCOMPARE(disabledField, disabledControl); // the fields do not stay white in a grey control
        QVERIFY(disabledField != enabledField);
    }
};

QTEST_MAIN(IpAddressEditTest)
#include "ip_address_edit_test.moc"
