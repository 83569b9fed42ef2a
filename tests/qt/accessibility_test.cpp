// What a screen reader reads of the program's own controls, through Qt's accessibility interfaces: an
// address control is one edit field named by its label whose text is the whole address (its four numbers,
// where the focus is, read as that same field); the busy indicator reports busy while it runs; every
// control of the settings page that takes the focus has a name, in English and in German.

#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXPageNetConnectionSettingView.h"
#include "ui/qt/IpAddressEdit.h"

#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/QtTextCatalog.h"

#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <thread>

using Page = CVRXPageNetConnectionSetting;

namespace {

class SilentMainWindow : public IMainWindowMessages {
public:
    int SendMessage(unsigned, const void*, const void*) override { return 1; }
    void PostMessage(unsigned, const void*, const void*) override {}
};

PRINTER_NETWORK_INFO WiredPrinter() {
    auto info = FakeNetworkEndpoint::WiredPrinter({0x00, 0x80, 0x92, 0x01, 0x02, 0x03}, {192, 0, 2, 40});
    const std::uint8_t subnet[4] = {255, 255, 255, 0};
    std::copy_n(subnet, 4, info.Subnet);
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWired));
}

struct Fixture {
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    SilentMainWindow mainWindow;
    Page page{endpoint, messages, cursor, mainWindow};
    QDialog dialog;
    CVRXPageNetConnectionSettingView* view;

    Fixture() {
        auto* layout = new QVBoxLayout(&dialog);
        view = new CVRXPageNetConnectionSettingView(page, &dialog);
        layout->addWidget(view);
        page.SetPrinterNetworkInfo(WiredPrinter());
    }
    template <typename Widget> Widget* find(const char* name) const {
        Widget* found = view->findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
};

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

// A label's text as the name of its buddy: without a mnemonic's "&".
QString Spoken(const std::string& label) {
    QString text = Ui(label);
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&'))
            text.remove(i, 1); // "&&" keeps one
    return text;
}

// Every object under iface that takes the focus but has no name: "role path".
void Unnamed(QAccessibleInterface* iface, const QString& path, QStringList& out, int depth = 0) {
    if (!iface || depth > 30)
        return;
    const QString here = path + QLatin1Char('/') + QString::number(iface->role(), 16);
    if (iface->state().focusable && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = iface->object();
        out << here + QLatin1Char(' ') + (object ? object->objectName() : QString());
    }
    for (int i = 0; i < iface->childCount(); ++i)
        Unnamed(iface->child(i), here, out, depth + 1);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    void addressControlIsOneNamedFieldWithTheWholeAddress() {
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        const std::pair<const char*, const char*> controls[] = {
            {"ipAddress", "IP Address:"}, {"subnetMask", "Subnet Mask:"}, {"gateway", "GateWay:"}};
        const QString addresses[] = {QStringLiteral("192.0.2.40"), QStringLiteral("255.255.255.0"),
                                     QStringLiteral("0.0.0.0")};
        int n = 0;
        for (const auto& [name, label] : controls) {
            IpAddressEdit* edit = f.find<IpAddressEdit>(name);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit);
            QVERIFY(iface);
            QCOMPARE(iface->role(), QAccessible::EditableText);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(label));
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
            QCOMPARE(iface->childCount(), 0); // no "text, text, text" and no lone dots
            QVERIFY(iface->textInterface());
            QCOMPARE(iface->textInterface()->text(0, -1), addresses[n]);
            QCOMPARE(iface->text(QAccessible::Value), addresses[n]);
            QVERIFY(iface->state().focusable);
            QVERIFY(!iface->state().focused);

            // Where the focus really goes: the numbers read as the control.
            for (int index = 0; index < 4; ++index) {
                QAccessibleInterface* number = QAccessible::queryAccessibleInterface(edit->field(index));
                QVERIFY(number);
                QCOMPARE(number->role(), QAccessible::EditableText);
                QCOMPARE(number->text(QAccessible::Name), QString::fromLatin1(label));
                QVERIFY(number->textInterface());
                QCOMPARE(number->textInterface()->text(0, -1), addresses[n]);
                QCOMPARE(number->parent(), iface->parent());
            }
            ++n;
        }

        // The caret of the focused number reads as a place in the whole address.
        IpAddressEdit* ip = f.find<IpAddressEdit>("ipAddress");
        ip->field(2)->setFocus();
        QTRY_VERIFY(ip->field(2)->hasFocus());
        ip->field(2)->setCursorPosition(1);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ip);
        QVERIFY(iface->state().focused);
        QCOMPARE(iface->textInterface()->cursorPosition(), 7); // "192.0.2|.40"
        // Moving the caret through the interface moves it into the right number.
        iface->textInterface()->setCursorPosition(9);
        QTRY_VERIFY(ip->field(3)->hasFocus());
        QCOMPARE(ip->field(3)->cursorPosition(), 1);

        // Edited numbers read at once.
        ip->field(3)->setText(QStringLiteral("77"));
        QCOMPARE(iface->textInterface()->text(0, -1), QStringLiteral("192.0.2.77"));
        QCOMPARE(iface->textInterface()->characterCount(), 10);
    }

    void busyIndicatorReportsBusyWhileItRuns() {
        QWidget window;
        auto* busy = new CVRXBusyProgressCtrl(3, 0, &window);
        busy->setAccessibleName(QStringLiteral("Search for"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(busy);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Animation);
        QVERIFY(!iface->state().busy);
        busy->Control().Start();
        QVERIFY(iface->state().busy);
        QVERIFY(!iface->state().focusable);
        busy->Control().Stop();
        QVERIFY(!iface->state().busy);
    }

    // A screen reader hears when the wait begins and ends: one state change of busy (and animated) each
    // time, also when the animation is started or stopped off the window thread.
    void busyIndicatorTellsWhenItStartsAndStops() {
        QAccessible::installUpdateHandler(nullptr);
        QWidget window;
        auto* busy = new CVRXBusyProgressCtrl(3, 0, &window);
        busy->setAccessibleName(QStringLiteral("Search for"));
        static QList<bool> heard; // the busy state the indicator reported at each of its state changes
        static QObject* watched = nullptr;
        heard.clear();
        watched = busy;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() != QAccessible::StateChanged || event->object() != watched)
                return;
            const auto* change = static_cast<QAccessibleStateChangeEvent*>(event);
            if (!change->changedStates().busy)
                return;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(watched);
            heard << (iface && iface->state().busy);
        });
        // Events go out only while assistive technology listens: on the accessibility bus that
        // tests/accessibility starts (the test accessibility-busy-indicator-events runs this function there).
        window.show();
        for (int tries = 0;
             tries < 100 && !QAccessible::isActive() && QGuiApplication::platformName() != "offscreen";
             ++tries)
            QTest::qWait(50);
        if (!QAccessible::isActive())
            QSKIP("no assistive technology listens (no accessibility bus)");
        busy->Control().Start();
        QCOMPARE(heard, QList<bool>{true});
        busy->Control().Start(); // a restart stops and starts again
        QCOMPARE(heard, (QList<bool>{true, false, true}));
        busy->Control().Stop();
        QCOMPARE(heard, (QList<bool>{true, false, true, false}));
        busy->Control().Stop(); // already stopped: nothing to tell
        QCOMPARE(heard.size(), 4);

        heard.clear();
        std::thread([busy] { busy->Control().Start(); }).join();
        QTRY_COMPARE(heard, QList<bool>{true});
        std::thread([busy] { busy->Control().Stop(); }).join();
        QTRY_COMPARE(heard, (QList<bool>{true, false}));
        QAccessible::installUpdateHandler(nullptr);
        watched = nullptr;
    }

    void everyFocusableControlOfTheSettingsPageIsNamed_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("English") << 0;
        QTest::newRow("Deutsch") << 1;
    }
    void everyFocusableControlOfTheSettingsPageIsNamed() {
        QFETCH(int, index);
        if (index > 0) {
            int error = 0;
            const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" +
                                     LanguageTable::CatalogRelativePath(index);
            std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(path, error);
            QVERIFY2(catalog, path.c_str());
            StringTable::SetCatalog(catalog);
        }
        Fixture f;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QStringList unnamed;
        Unnamed(QAccessible::queryAccessibleInterface(&f.dialog), QString(), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));

        // The names are the labels' texts in the current language.
        const std::pair<const char*, const char*> labelled[] = {{"ipAddress", "IP Address:"},
                                                                {"portNumber", "Port Number:"},
                                                                {"inactiveTime", "Inactivity Time:"}};
        for (const auto& [name, label] : labelled) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f.find<QWidget>(name));
            QCOMPARE(iface->text(QAccessible::Name),
                     Spoken(StringTable::Dialog("CVRXPageNetConnectionSetting", label)));
        }
        // The range under a number field describes it.
        QAccessibleInterface* port = QAccessible::queryAccessibleInterface(f.find<QWidget>("portNumber"));
        QCOMPARE(port->text(QAccessible::Description),
                 Ui(StringTable::Dialog("CVRXPageNetConnectionSetting", "[0 - 32767]")));
        QAccessibleInterface* ip = QAccessible::queryAccessibleInterface(f.find<QWidget>("ipAddress"));
        QCOMPARE(ip->text(QAccessible::Description), Ui(LoadString(StringId::AddressFieldDescription)));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
