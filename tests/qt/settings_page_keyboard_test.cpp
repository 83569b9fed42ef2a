// The settings page from the keyboard alone: Tab reaches every control in reading order and comes round
// again, arrows choose the address mode, the numbers of an address are typed with the dot between them,
// Space saves, Escape goes back; the focus is always on a control the user can see.

#include "ui/qt/CVRXPageNetConnectionSettingView.h"
#include "ui/qt/IpAddressEdit.h"

#include "app/StringTable.h"

#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"
#include "PageDoubles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using Page = CVRXPageNetConnectionSetting;

namespace {

// A wireless printer with a system name, so that every control of the page is shown; DHCP is off.
PRINTER_NETWORK_INFO NamedWirelessPrinter() {
    auto info = FakeNetworkEndpoint::WirelessPrinter({0x00, 0x80, 0x92, 0x0A, 0x0B, 0x0C}, {198, 51, 100, 9},
                                                     "Shelf-3");
    const std::uint8_t subnet[4] = {255, 255, 255, 0};
    std::copy_n(subnet, 4, info.Subnet);
    const std::uint8_t gateway[4] = {198, 51, 100, 1};
    std::copy_n(gateway, 4, info.Gateway);
    info.Port[0] = 0x23; // 9100
    info.Port[1] = 0x8C;
    info.I_activeTime[1] = 60;
    info.Dhcp = 0;
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWireless));
}

struct Fixture {
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    RecordingMainWindow mainWindow;
    Page page{endpoint, messages, cursor, mainWindow};
    QDialog dialog;
    CVRXPageNetConnectionSettingView* view;

    Fixture() {
        messages.defaultAnswer = true;
        auto* layout = new QVBoxLayout(&dialog);
        view = new CVRXPageNetConnectionSettingView(page, &dialog);
        layout->addWidget(view);
    }
    template <typename Widget> Widget* find(const char* name) const {
        Widget* found = view->findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(focus(), Qt::Key(key), modifiers);
    }
    void type(const QString& text) const { QTest::keyClicks(focus(), text); }
};

// The name a control is known by in a failure message.
QString NameOf(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("(nothing)");
    if (widget->objectName().startsWith(QLatin1String("octet")) && widget->parentWidget())
        return widget->parentWidget()->objectName() + QLatin1Char('.') + widget->objectName();
    return widget->objectName();
}

} // namespace

class SettingsPageKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // One round of Tab visits each control once, in the order the page reads, and comes back to the start;
    // Shift+Tab walks the same round backwards. Every control that takes the focus by Tab is in it.
    void tabVisitsEveryControlInReadingOrder() {
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(NamedWirelessPrinter());
        f.find<QRadioButton>("radioManual")->setFocus();
        QTRY_COMPARE(f.focus(), f.find<QRadioButton>("radioManual"));

        const QStringList expected = {QStringLiteral("ipAddress.octet0"),
                                      QStringLiteral("subnetMask.octet0"),
                                      QStringLiteral("gateway.octet0"),
                                      QStringLiteral("portNumber"),
                                      QStringLiteral("inactiveTime"),
                                      QStringLiteral("systemName"),
                                      QStringLiteral("save"),
                                      QStringLiteral("cancel"),
                                      QStringLiteral("radioManual")};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            f.key(Qt::Key_Tab);
            visited << NameOf(f.focus());
            QVERIFY2(f.focus() && f.focus()->isVisible(), qPrintable(NameOf(f.focus())));
        }
        QCOMPARE(visited, expected);

        // Every control Tab can reach on this page is in the round (the unchecked mode button is reached
        // by the arrows, the later numbers of an address by the dot and the arrows).
        for (QWidget* widget : f.view->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus) ||
                widget->focusProxy()) // its proxy stands in the round for it
                continue;
            if (widget == f.find<QRadioButton>("radioDhcp"))
                continue;
            QVERIFY2(visited.contains(NameOf(widget)), qPrintable(NameOf(widget)));
        }

        QStringList back;
        for (int i = 0; i < expected.size(); ++i) {
            f.key(Qt::Key_Backtab, Qt::ShiftModifier);
            back << NameOf(f.focus());
        }
        QStringList expectedBack = expected.mid(0, expected.size() - 1);
        std::reverse(expectedBack.begin(), expectedBack.end());
        expectedBack << QStringLiteral("radioManual");
        QCOMPARE(back, expectedBack);
    }

    // The arrow keys move between the two mode buttons and choose the mode: DHCP greys the address
    // controls, Manual gives them back.
    void arrowsChooseTheAddressMode() {
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(NamedWirelessPrinter());
        f.find<QRadioButton>("radioManual")->setFocus();
        QTRY_COMPARE(f.focus(), f.find<QRadioButton>("radioManual"));

        f.key(Qt::Key_Up);
        QCOMPARE(f.focus(), f.find<QRadioButton>("radioDhcp"));
        QVERIFY(f.find<QRadioButton>("radioDhcp")->isChecked());
        QCOMPARE(f.page.GetControls().checkedMode, Page::kIpModeDhcp);
        QVERIFY(!f.find<IpAddressEdit>("ipAddress")->isEnabled());
        // With the addresses greyed, Tab goes from the mode straight to the port number.
        f.key(Qt::Key_Tab);
        QCOMPARE(NameOf(f.focus()), QStringLiteral("portNumber"));

        f.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(f.focus(), f.find<QRadioButton>("radioDhcp"));
        f.key(Qt::Key_Down);
        QCOMPARE(f.focus(), f.find<QRadioButton>("radioManual"));
        QCOMPARE(f.page.GetControls().checkedMode, Page::kIpModeManual);
        QVERIFY(f.find<IpAddressEdit>("ipAddress")->isEnabled());
    }

    // Typed from the keyboard only: three addresses with dots, the numbers, the name; Space on Save sends
    // them, and Escape afterwards goes back to the list.
    void everyFieldIsTypedAndSavedFromTheKeyboard() {
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(NamedWirelessPrinter());
        f.find<QRadioButton>("radioManual")->setFocus();
        QTRY_COMPARE(f.focus(), f.find<QRadioButton>("radioManual"));

        const std::pair<const char*, std::array<std::uint8_t, 4>> addresses[] = {
            {"ipAddress", {198, 51, 100, 77}},
            {"subnetMask", {255, 255, 254, 0}},
            {"gateway", {198, 51, 100, 254}}};
        for (const auto& [name, address] : addresses) {
            f.key(Qt::Key_Tab);
            QCOMPARE(NameOf(f.focus()), QString::fromLatin1(name) + QStringLiteral(".octet0"));
            // Tab selects the first number, the dot the next one: typing replaces each.
            for (int i = 0; i < 4; ++i) {
                f.type(QString::number(address[static_cast<size_t>(i)]) +
                       (i < 3 ? QStringLiteral(".") : QString()));
            }
            QCOMPARE(f.find<IpAddressEdit>(name)->address(), address);
        }
        QCOMPARE(f.page.GetControls().ipAddress.address, addresses[0].second);
        QCOMPARE(f.page.GetControls().subnetMask.address, addresses[1].second);
        QCOMPARE(f.page.GetControls().gateway.address, addresses[2].second);

        // Tab into a field selects its text, so typing replaces it.
        f.key(Qt::Key_Tab);
        QCOMPARE(NameOf(f.focus()), QStringLiteral("portNumber"));
        f.type(QStringLiteral("9101"));
        f.key(Qt::Key_Tab);
        f.type(QStringLiteral("120"));
        f.key(Qt::Key_Tab);
        QCOMPARE(NameOf(f.focus()), QStringLiteral("systemName"));
        f.type(QStringLiteral("Dock-9"));
        QCOMPARE(f.page.GetPortNumber(), 9101u);
        QCOMPARE(f.page.GetInactiveTime(), 120u);
        QCOMPARE(f.page.GetSystemName(), std::string("Dock-9"));

        f.key(Qt::Key_Tab);
        QCOMPARE(NameOf(f.focus()), QStringLiteral("save"));
        f.key(Qt::Key_Space);
        QCOMPARE(f.endpoint.SentMessages().size(), size_t{1});
        QCOMPARE(f.mainWindow.messages.size(), size_t{1});

        f.key(Qt::Key_Tab);
        QCOMPARE(NameOf(f.focus()), QStringLiteral("cancel"));
        f.mainWindow.messages.clear();
        f.key(Qt::Key_Space);
        QCOMPARE(f.mainWindow.messages,
                 std::vector<std::string>{"send " + std::to_string(MainWindowMessage::M4)});

        f.mainWindow.messages.clear();
        f.key(Qt::Key_Escape);
        QCOMPARE(f.mainWindow.messages,
                 std::vector<std::string>{"send " + std::to_string(MainWindowMessage::M4)});
    }

    // Within an address, the arrows and Backspace cross the numbers' borders and the focus ring shows which
    // control has the focus.
    void arrowsCrossTheNumbersOfAnAddress() {
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(NamedWirelessPrinter());
        IpAddressEdit* ip = f.find<IpAddressEdit>("ipAddress");
        ip->setFocus();
        QTRY_COMPARE(f.focus(), ip->field(0));
        QCOMPARE(ip->focusedField(), 0);
        ip->field(0)->end(false);
        for (int index = 1; index < 4; ++index) {
            f.key(Qt::Key_Right);
            QCOMPARE(f.focus(), ip->field(index));
            ip->field(index)->end(false);
        }
        for (int index = 2; index >= 0; --index) {
            ip->field(index + 1)->home(false);
            f.key(Qt::Key_Left);
            QCOMPARE(f.focus(), ip->field(index));
        }
        QCOMPARE(ip->text(), QStringLiteral("198.51.100.9"));
    }
};

QTEST_MAIN(SettingsPageKeyboardTest)
#include "settings_page_keyboard_test.moc"
