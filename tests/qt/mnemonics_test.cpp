// The Alt keys of every window and page in every interface language: no two controls shown together share
// a key, every button and labelled field whose text has a letter one can type has one, and a key does
// what it says (a label's key focuses its field, a button's presses it).

#include "MainWindowHarness.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "devport/DevicePorts.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QtTextCatalog.h"

#include "FakeDeviceRecords.h"
#include "FakePort.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

// "key: text, text" for every key two controls under root share, and "no key: text" for every button and
// label of a field in the Tab order whose text could carry one but does not.
QStringList Problems(QWidget* root) {
    QMap<QChar, QStringList> byKey;
    QStringList problems;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (qobject_cast<QTabBar*>(button->parentWidget()))
                continue;
            text = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            // Fields the keyboard reaches by Tab; read-only details are reached by the mouse.
            QWidget* buddy = label->buddy();
            if (!buddy)
                continue;
            QWidget* target = buddy->focusProxy() ? buddy->focusProxy() : buddy;
            if ((target->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
                continue;
            text = label->text();
        } else {
            continue;
        }
        if (text.isEmpty())
            continue;
        const QChar key = Mnemonics::KeyOf(text);
        if (!key.isNull()) {
            byKey[key] << text;
            continue;
        }
        const QString plain = Mnemonics::Strip(text);
        if (std::any_of(plain.begin(), plain.end(),
                        [](QChar ch) { return ch.isLetter() && ch.unicode() < 0x2E80; }))
            problems << QStringLiteral("no key: %1").arg(text);
    }
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            problems << QStringLiteral("%1: %2").arg(it.key(), it.value().join(QStringLiteral(", ")));
    return problems;
}

std::string CatalogPath(int index) {
    return QCoreApplication::applicationDirPath().toStdString() + "/" +
           LanguageTable::CatalogRelativePath(index);
}

} // namespace

class MnemonicsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    void keysNeverCollideInAnyLanguage_data() {
        QTest::addColumn<int>("index");
        for (const auto& entry : LanguageTable::Entries())
            QTest::newRow(entry.menuText) << entry.index;
    }
    void keysNeverCollideInAnyLanguage() {
        QFETCH(int, index);
        if (index > 0) {
            int error = 0;
            std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(CatalogPath(index), error);
            QVERIFY2(catalog, CatalogPath(index).c_str());
            StringTable::SetCatalog(catalog);
        }
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
        h.searchFinds({{MacOf(1), Wired(1, {192, 0, 2, 101})}},
                      {{MacOf(0x40), Wireless(0x40, {198, 51, 100, 40}, 0x91, "Label-Lab-7", 1)}});
        // The settings sheet lies over the main sheet with both shown: the whole window is one scope. The
        // search button reads "Refresh" now.
        QStringList problems;
        for (const QString& problem : Problems(h.view.get()))
            problems << QStringLiteral("main window: %1").arg(problem);

        FakeDeviceRecords records;
        FakePort usb;
        FakePort serial;
        CVRXPageWLanAdvConnectDevice model(records, DevicePorts{&usb, &serial});
        CVRXPageWLanAdvConnectDeviceDlg connect(model);
        for (const QString& problem : Problems(&connect))
            problems << QStringLiteral("connection dialog: %1").arg(problem);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // A label's key takes the focus to its field; a radio button's chooses it.
    void keysReachTheirControls() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        h.searchFinds({{MacOf(1), Wired(1, {192, 0, 2, 101})}}, {});
        h.doubleClickCell(0);
        QTRY_VERIFY(h.settingsSheet()->isVisible());
        QWidget* page = h.settingsSheet()->widget(0);
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->buddy() || !label->buddy()->isEnabled() || !label->isVisible())
                continue;
            const QChar key = Mnemonics::KeyOf(label->text());
            QVERIFY2(!key.isNull(), qPrintable(label->text()));
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1(), Qt::AltModifier);
            QWidget* expected = label->buddy()->focusProxy() ? label->buddy()->focusProxy() : label->buddy();
            QVERIFY2(QApplication::focusWidget() == expected, qPrintable(label->text()));
        }
        auto* manual = h.child<QRadioButton>("radioManual");
        auto* dhcp = h.child<QRadioButton>("radioDhcp");
        QAbstractButton* unchecked = manual->isChecked() ? static_cast<QAbstractButton*>(dhcp) : manual;
        QTest::keyClick(QApplication::focusWidget(), Mnemonics::KeyOf(unchecked->text()).toLatin1(),
                        Qt::AltModifier);
        QTRY_VERIFY(unchecked->isChecked()); // a key clicks with the button's short animation
    }
};

QTEST_MAIN(MnemonicsTest)
#include "mnemonics_test.moc"
