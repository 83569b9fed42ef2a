#include "ui/qt/CVRXPageNetConnectionSettingView.h"
#include "ui/qt/IpAddressEdit.h"

#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/QtTextCatalog.h"

#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"
#include "PageDoubles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

using Page = CVRXPageNetConnectionSetting;

namespace {

PRINTER_NETWORK_INFO WiredPrinter() {
    auto info = FakeNetworkEndpoint::WiredPrinter({0x00, 0x80, 0x92, 0x01, 0x02, 0x03}, {192, 0, 2, 40});
    const std::uint8_t subnet[4] = {255, 255, 255, 0};
    std::copy_n(subnet, 4, info.Subnet);
    info.Port[0] = 0x23; // 9100
    info.Port[1] = 0x8C;
    info.I_activeTime[1] = 60;
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWired));
}

PRINTER_NETWORK_INFO WirelessPrinter(const std::string& name) {
    auto info =
        FakeNetworkEndpoint::WirelessPrinter({0x00, 0x80, 0x92, 0x0A, 0x0B, 0x0C}, {198, 51, 100, 9}, name);
    info.Dhcp = 1;
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWireless));
}

// The page and its view inside a dialog, as the settings sheet holds it.
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
    void show() {
        dialog.show();
        dialog.activateWindow();
    }
    template <typename Widget> Widget* find(const char* name) const {
        return view->findChild<Widget*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    // Types text into a field as the user does: select what is there, then key by key.
    void retype(QLineEdit* line, const QString& text) {
        line->selectAll();
        QTest::keyClicks(line, text);
    }
};

const std::string kM3 = std::to_string(MainWindowMessage::M3);
const std::string kM4 = std::to_string(MainWindowMessage::M4);

} // namespace

class SettingsPageTest : public QObject {
    Q_OBJECT

private slots:
    // DHCP greys the three address controls and their labels; manual mode gives both back.
    void dhcpModeGreysTheAddressLabelsWithTheirControls() {
        Fixture f;
        f.show();
        f.page.SetPrinterNetworkInfo(WirelessPrinter("Shelf")); // DHCP
        const char* labels[] = {"ipLabel", "subnetLabel", "gatewayLabel"};
        const char* controls[] = {"ipAddress", "subnetMask", "gateway"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!f.find<QLabel>(labels[i])->isEnabled());
            QVERIFY(!f.find<IpAddressEdit>(controls[i])->isEnabled());
        }
        f.find<QRadioButton>("radioManual")->click();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.find<QLabel>(labels[i])->isEnabled());
            QVERIFY(f.find<IpAddressEdit>(controls[i])->isEnabled());
        }
        f.find<QRadioButton>("radioDhcp")->click();
        QVERIFY(!f.find<QLabel>("subnetLabel")->isEnabled());
    }

    // The address controls are one Tab stop each: from the manual button, three presses cross them.
    void tabCrossesEachAddressControlOnce() {
        Fixture f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(WiredPrinter()); // manual
        f.find<QRadioButton>("radioManual")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), f.find<QRadioButton>("radioManual"));
        const char* controls[] = {"ipAddress", "subnetMask", "gateway"};
        for (const char* name : controls) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), f.find<IpAddressEdit>(name)->field(0));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.field("portNumber"));
    }

    // Typing, emptying a field included, never pops a message nor changes the text; Save names the range,
    // puts the focus on the field and keeps what was typed.
    void numberFieldsKeepWhatIsTypedUntilSave() {
        Fixture f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(WiredPrinter());
        QCOMPARE(f.field("portNumber")->text(), QStringLiteral("9100"));
        f.field("portNumber")->setFocus();
        f.field("portNumber")->selectAll();
        QTest::keyClick(f.field("portNumber"), Qt::Key_Backspace);
        QCOMPARE(f.field("portNumber")->text(), QString());
        f.retype(f.field("inactiveTime"), QStringLiteral("5000"));
        QCOMPARE(f.field("inactiveTime")->text(), QStringLiteral("5000"));
        QVERIFY(f.messages.shown().empty());
        // Digits only, and no more of them than the field takes.
        f.retype(f.field("portNumber"), QStringLiteral("1a2345678"));
        QCOMPARE(f.field("portNumber")->text(), QStringLiteral("12345"));
        QVERIFY(f.messages.shown().empty());

        f.find<QPushButton>("save")->click();
        QCOMPARE(f.messages.Errors(),
                 std::vector<std::string>{"Enter an inactivity time from 0 to 3600 seconds."});
        QCOMPARE(f.field("inactiveTime")->text(), QStringLiteral("5000"));
        QTRY_COMPARE(QApplication::focusWidget(), f.field("inactiveTime"));
        QVERIFY(f.endpoint.SentMessages().empty());

        f.retype(f.field("portNumber"), QStringLiteral("40000"));
        f.retype(f.field("inactiveTime"), QStringLiteral("600"));
        f.find<QPushButton>("save")->click();
        QCOMPARE(f.messages.Errors().back(), std::string("Enter a port number from 0 to 32767."));
        QCOMPARE(f.field("portNumber")->text(), QStringLiteral("40000"));
        QTRY_COMPARE(QApplication::focusWidget(), f.field("portNumber"));
        QVERIFY(f.endpoint.SentMessages().empty());

        f.retype(f.field("portNumber"), QStringLiteral("9101"));
        f.find<QPushButton>("save")->click();
        QCOMPARE(f.messages.Errors().size(), size_t(2));
        QCOMPARE(f.endpoint.SentMessages().size(), size_t(1));
    }

    // The range messages in English, German, Russian and Japanese, as the user meets them: a real message box
    // over the page after Save, its text and Qt's own OK button translated and whole. With
    // QUORLINK_SCREENSHOTS=DIR each goes there as settings-page-range-message-<code>.png.
    void theRangeMessageIsWholeInEveryShownLanguage() {
        for (const char* code : {"en", "de", "ru", "ja"}) {
            int index = 0;
            while (index < LanguageTable::kCount &&
                   QString::fromLatin1(LanguageTable::ToolkitLocaleName(index)) != code)
                ++index;
            QVERIFY(index < LanguageTable::kCount || QString::fromLatin1(code) == "en");
            QTranslator qtbase;
            if (index > 0 && index < LanguageTable::kCount) {
                int error = 0;
                std::shared_ptr<const ITextCatalog> catalog =
                    QtTextCatalog::Load(QCoreApplication::applicationDirPath().toStdString() + "/" +
                                            LanguageTable::CatalogRelativePath(index),
                                        error);
                QVERIFY(catalog);
                StringTable::SetCatalog(catalog);
                QVERIFY(qtbase.load(QStringLiteral("qtbase_") + code,
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
                QCoreApplication::installTranslator(&qtbase);
            }
            FakeNetworkEndpoint endpoint;
            FakeCursor cursor;
            RecordingMainWindow mainWindow;
            QDialog dialog;
            QtMessageBox messages(&dialog);
            Page page{endpoint, messages, cursor, mainWindow};
            auto* layout = new QVBoxLayout(&dialog);
            auto* view = new CVRXPageNetConnectionSettingView(page, &dialog);
            layout->addWidget(view);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            page.SetPrinterNetworkInfo(WiredPrinter());
            auto* port = view->findChild<QLineEdit*>(QStringLiteral("portNumber"));
            port->selectAll();
            QTest::keyClicks(port, QStringLiteral("40000"));

            bool seen = false;
            QTimer poll;
            connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !box->isVisible())
                    return;
                poll.stop();
                seen = true;
                QCOMPARE(box->text().toStdString(), LoadString(StringId::PortNumberRange));
                for (QLabel* label : box->findChildren<QLabel*>())
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
                QAbstractButton* ok = box->findChild<QDialogButtonBox*>()->buttons().value(0);
                QVERIFY(ok);
                if (QString::fromLatin1(code) == "de")
                    QCOMPARE(ok->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
                SaveScreenshot(dialog, *box, code);
                box->accept();
            });
            poll.start(10);
            view->findChild<QPushButton*>(QStringLiteral("save"))->click();
            QVERIFY(seen);
            QCOMPARE(port->text(), QStringLiteral("40000"));
            QVERIFY(endpoint.SentMessages().empty());
            QCoreApplication::removeTranslator(&qtbase);
            StringTable::SetCatalog(nullptr);
        }
    }

    void aPrintersLongerValueIsShownWhole() {
        Fixture f;
        auto record = WiredPrinter();
        record.strInactiveTime = "65535";
        f.page.SetPrinterNetworkInfo(record);
        QCOMPARE(f.field("inactiveTime")->text(), QStringLiteral("65535"));
    }

    void systemNameGroupAndButtonPositions() {
        Fixture f;
        const auto& group = Page::Layout::kSystemNameGroup;
        struct Case {
            PRINTER_NETWORK_INFO record;
            bool shown;
        } cases[] = {
            {WiredPrinter(), false}, {WirelessPrinter("Dock-3"), true}, {WirelessPrinter(""), false}};
        for (const auto& c : cases) {
            f.page.SetPrinterNetworkInfo(c.record);
            QCOMPARE(f.find<QGroupBox>("systemNameGroup")->isHidden(), !c.shown);
            QCOMPARE(f.find<QLabel>("systemNameLabel")->isHidden(), !c.shown);
            QCOMPARE(f.field("systemName")->isHidden(), !c.shown);
            const int top = c.shown ? group.bottom() + 3 : group.y;
            QCOMPARE(f.find<QPushButton>("save")->geometry().top(), top);
            QCOMPARE(f.find<QPushButton>("cancel")->geometry().top(), top);
        }
        QCOMPARE(f.field("systemName")->text(), QStringLiteral("Dock-3"));
    }

    void modeButtonsEnableTheAddressControls() {
        Fixture f;
        f.show();
        f.page.SetPrinterNetworkInfo(WirelessPrinter("Dock-3")); // DHCP
        auto* ip = f.find<IpAddressEdit>("ipAddress");
        QVERIFY(f.find<QRadioButton>("radioDhcp")->isChecked());
        QVERIFY(!ip->isEnabled());
        QTest::mouseClick(f.find<QRadioButton>("radioManual"), Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(f.page.GetIpMode(), Page::kIpModeManual);
        QVERIFY(ip->isEnabled() && f.find<IpAddressEdit>("subnetMask")->isEnabled() &&
                f.find<IpAddressEdit>("gateway")->isEnabled());
        QTest::mouseClick(f.find<QRadioButton>("radioDhcp"), Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(f.page.GetIpMode(), Page::kIpModeDhcp);
        QVERIFY(!ip->isEnabled());
    }

    void anEmptiedAddressFieldIsZeroForThePage() {
        Fixture f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(WiredPrinter()); // manual, 192.0.2.40
        auto* ip = f.find<IpAddressEdit>("ipAddress");
        ip->field(3)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), ip->field(3));
        ip->field(3)->selectAll();
        QTest::keyClick(ip->field(3), Qt::Key_Backspace);
        QCOMPARE(f.page.GetControls().ipAddress.address, (std::array<std::uint8_t, 4>{192, 0, 2, 0}));
        QTest::keyClick(ip->field(3), Qt::Key_Tab);
        QCOMPARE(ip->field(3)->text(), QStringLiteral("0"));
        f.retype(f.find<IpAddressEdit>("gateway")->field(3), QStringLiteral("254"));
        QCOMPARE(f.page.GetControls().gateway.address[3], 254);
    }

    void escapeGoesBackWithoutASearchAndIsConsumed() {
        Fixture f;
        int shortcutFired = 0;
        auto* closeAction = new QAction(&f.dialog);
        closeAction->setShortcut(Qt::Key_Escape);
        QObject::connect(closeAction, &QAction::triggered, [&] { ++shortcutFired; });
        f.dialog.addAction(closeAction);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(WiredPrinter());
        f.field("portNumber")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), f.field("portNumber"));
        QTest::keyClick(f.field("portNumber"), Qt::Key_Escape);
        QCOMPARE(f.mainWindow.messages, std::vector<std::string>{"send " + kM4});
        QVERIFY(f.dialog.isVisible()); // the dialog around it never saw the key
        QCOMPARE(shortcutFired, 0);
        QCOMPARE(f.dialog.result(), 0);
    }

    void saveClickedSendsAndFocusFollowsThePage() {
        Fixture f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        f.page.SetPrinterNetworkInfo(WiredPrinter());
        f.retype(f.field("portNumber"), QStringLiteral("80"));
        QTest::mouseClick(f.find<QPushButton>("save"), Qt::LeftButton);
        QCOMPARE(f.messages.Errors(), std::vector<std::string>{"Invalid Port Number"});
        QCOMPARE(QApplication::focusWidget(), f.field("portNumber"));
        QVERIFY(f.endpoint.SentMessages().empty());

        f.retype(f.field("portNumber"), QStringLiteral("9101"));
        QTest::mouseClick(f.find<QPushButton>("save"), Qt::LeftButton);
        QCOMPARE(f.endpoint.SentMessages().size(), size_t{1});
        QCOMPARE(f.mainWindow.messages, std::vector<std::string>{"post " + kM3});
        QCOMPARE(QApplication::focusWidget(), f.find<QPushButton>("save"));
    }

private:
    // The page with the message box over its lower part.
    static void SaveScreenshot(QWidget& page, QWidget& box, const char* code) {
        const QByteArray dir = qgetenv("QUORLINK_SCREENSHOTS");
        if (dir.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QPixmap shot = page.grab();
        const QPixmap boxShot = box.grab();
        if (boxShot.width() > shot.width() || boxShot.height() > shot.height())
            shot = shot.scaled(shot.size().expandedTo(boxShot.size()));
        QPainter painter(&shot);
        // Low on the page, so that the field it speaks of stays in sight.
        const QPoint at((shot.width() - boxShot.width()) / 2, shot.height() - boxShot.height() - 8);
        painter.setPen(Qt::darkGray);
        painter.drawRect(QRect(at, boxShot.size()).adjusted(-1, -1, 0, 0));
        painter.drawPixmap(at, boxShot);
        painter.end();
        shot.save(
            QDir(QString::fromLocal8Bit(dir))
                .filePath(QStringLiteral("settings-page-range-message-%1.png").arg(QLatin1String(code))));
    }
};

QTEST_MAIN(SettingsPageTest)
#include "settings_page_test.moc"
