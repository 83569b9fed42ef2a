// The WLAN (Advanced) page with the keyboard alone, connected to a network module (the simulator's, in this
// process, on a serial line of its own): Tab reaches every control of the page in reading order, the arrows
// walk a grid, Enter and F2 edit a value, Escape cancels, an option is chosen from its list by keys, and
// the dialogs of the "..." buttons open with F4 (Alt+Down, Ctrl+Enter) and close with Enter or Escape.

#include "app/StringTable.h"
#include "devcfg/PropertyIds.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include "ConnectionDialogTyping.h"
#include "FakeDeviceRecords.h"
#include "ModulePort.h"
#include "PageDoubles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <cstring>
#include <deque>
#include <functional>
#include <memory>

namespace {

// The windows that come up modally while a key is handled: each step waits for a window of its class and
// then acts on it (with keys); message boxes that no step waits for are answered with Enter.
class ModalScript : public QObject {
public:
    struct Step {
        const char* className;
        std::function<void(QWidget&)> act;
    };
    std::deque<Step> steps;
    QStringList boxes; // the texts of the message boxes answered
    QStringList seen;  // the class names of the windows acted on

    ModalScript() {
        connect(&m_poll, &QTimer::timeout, this, [this] { Poll(); });
        m_poll.start(20);
    }
    void Then(const char* className, std::function<void(QWidget&)> act) {
        steps.push_back({className, std::move(act)});
    }

private:
    void Poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || window == m_acting)
            return;
        if (!steps.empty() && window->inherits(steps.front().className)) {
            Step step = steps.front();
            steps.pop_front();
            seen << QString::fromLatin1(step.className);
            m_acting = window;
            step.act(*window);
            m_acting = nullptr;
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            boxes << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    }
    QTimer m_poll;
    QPointer<QWidget> m_acting;
};

// What has the focus in window (the focus widget even while the window is not the active one).
QWidget* FocusIn(QWidget& window) {
    QWidget* focus = window.focusWidget();
    return focus ? focus : &window;
}

// The open editor of tree called name (an editor that was just closed may still be there, hidden).
template <typename Editor> Editor* OpenEditor(QTreeWidget* tree, const char* name) {
    for (Editor* editor : tree->findChildren<Editor*>(QString::fromLatin1(name)))
        if (editor->isVisible())
            return editor;
    return nullptr;
}

QString NameOf(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("(nothing)");
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className());
}

struct Fixture {
    ModulePort port{ModulePort::OfficeModuleWithScan()};
    FakeDeviceRecords records;
    FreeSpoolerHold spooler;
    NoMainWindow mainWindow;
    QWidget window;
    std::unique_ptr<WLanAdvancedPage> advanced;
    ModalScript modals;

    Fixture() {
        advanced = std::make_unique<WLanAdvancedPage>(
            mainWindow, &window, WLanAdvancedPage::Parts{{nullptr, &port}, &spooler, &records});
        window.setFixedSize(advanced->View()->size());
        // The connection dialog: the serial line, a typed path (the module answers whatever it is).
        advanced->ConnectionDialog().onShown = [](CVRXPageWLanAdvConnectDevice&,
                                                  CVRXPageWLanAdvConnectDeviceDlg& dialog) {
            TypePathAndConnect(QStringLiteral("/dev/ttyQL-module"), dialog);
        };
    }
    ~Fixture() { advanced.reset(); }

    CVRXPageWLanAdvSettingView* view() const { return advanced->View(); }
    template <typename Widget> Widget* find(const char* name) const {
        Widget* found = view()->findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(focus(), Qt::Key(key), modifiers);
    }

    // Shows the page and connects with the keyboard: Tab to Connect, Space.
    bool Connect() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        find<QPushButton>("btnConnect")->setFocus(Qt::TabFocusReason);
        QMetaObject::invokeMethod(
            this->focus(), [this] { key(Qt::Key_Space); }, Qt::QueuedConnection);
        for (int tries = 0; tries < 1500 && !(advanced->Page().IsConnected() && modals.boxes.size() >= 1);
             ++tries)
            QTest::qWait(20);
        if (!advanced->Page().IsConnected())
            return false;
        view()->Grid1View()->SyncNow();
        view()->Grid2View()->SyncNow();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // The grid that holds property id, and its tree.
    PropertyGridWidget* gridOf(std::uint32_t id) const {
        return view()->Grid1View()->Grid().FindItem(id) ? view()->Grid1View() : view()->Grid2View();
    }
    // Walks with the arrows from the first row to the row of id (opening its group with Right on the way).
    bool walkTo(std::uint32_t id) const {
        PropertyGridWidget* grid = gridOf(id);
        QTreeWidget* tree = grid->Tree();
        QTreeWidgetItem* target = grid->RowOf(id);
        if (!target || QApplication::focusWidget() != tree)
            return false;
        key(Qt::Key_Home);
        for (int steps = 0; steps < 200; ++steps) {
            QTreeWidgetItem* current = tree->currentItem();
            if (current == target)
                return true;
            if (current == target->parent() && !current->isExpanded())
                key(Qt::Key_Right);
            else
                key(Qt::Key_Down);
        }
        return false;
    }
    std::string value(std::uint32_t id) const { return gridOf(id)->Grid().FindItem(id)->Value(); }
};

} // namespace

class WLanAdvancedPageKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    // One round of Tab visits every visible control once, in reading order (the icon button, the page
    // buttons, the grid shown, the file buttons, the bottom row) and comes back; Shift+Tab goes back the
    // same way. Space on page button 2 shows grid #2, which then takes grid #1's place in the round.
    void tabReachesEveryControlInReadingOrder() {
        Fixture f;
        QVERIFY(f.Connect());
        for (int page = 1; page <= 2; ++page) {
            const char* const order[] = {"btnIcon",       "btnPage1",    "btnPage2",        "grid",
                                         "btnSaveAsFile", "btnFileOpen", "btnFactoryReset", "btnConnect",
                                         "btnDisconnect", "btnClose"};
            QList<QWidget*> expected;
            for (const char* name : order) {
                QWidget* control = std::strcmp(name, "grid") == 0
                                       ? (page == 1 ? f.view()->Grid1View() : f.view()->Grid2View())->Tree()
                                       : f.find<QWidget>(name);
                if (control->isVisible() && control->isEnabled())
                    expected << control;
            }
            QVERIFY(expected.size() >= 8);
            expected.front()->setFocus(Qt::TabFocusReason);
            QList<QWidget*> visited{f.focus()};
            for (int i = 1; i < expected.size(); ++i) {
                f.key(Qt::Key_Tab);
                visited << f.focus();
            }
            QStringList got, want;
            for (QWidget* w : visited)
                got << NameOf(w);
            for (QWidget* w : expected)
                want << NameOf(w);
            QCOMPARE(got, want);
            QCOMPARE(visited, expected);
            f.key(Qt::Key_Tab);
            QCOMPARE(f.focus(), expected.front());
            for (int i = expected.size() - 1; i >= 0; --i) {
                f.key(Qt::Key_Backtab, Qt::ShiftModifier);
                QCOMPARE(NameOf(f.focus()), NameOf(expected[i]));
            }
            if (page == 1) {
                f.find<QPushButton>("btnPage2")->setFocus(Qt::TabFocusReason);
                f.key(Qt::Key_Space);
                QTRY_VERIFY(f.view()->Grid2View()->isVisible());
                QVERIFY(!f.view()->Grid1View()->isVisible());
            }
        }
    }

    // In the grid: arrows to a row, F2 or Enter opens the editor, typing replaces the value, Escape keeps the
    // old one, Enter takes the new one (bold, and the row reads "changed"); Left and Right close and open a
    // group.
    void arrowsEditTypeEscapeAndEnterInTheGrid() {
        Fixture f;
        QVERIFY(f.Connect());
        const std::uint32_t name = VRX_GROUP5_PROPERTY_ID_1; // the system name: text typed in place
        QTreeWidget* tree = f.gridOf(name)->Tree();
        tree->setFocus(Qt::TabFocusReason);
        QVERIFY(f.walkTo(name));
        const std::string before = f.value(name);
        QCOMPARE(before, std::string("RK7-dock"));

        f.key(Qt::Key_F2);
        QPointer<QLineEdit> edit = OpenEditor<QLineEdit>(tree, "textEditor");
        QVERIFY(edit);
        QCOMPARE(f.focus(), edit.data());
        QTest::keyClicks(f.focus(), "Dock-9");
        f.key(Qt::Key_Escape);
        QTRY_VERIFY(!edit || !edit->isVisible());
        QCOMPARE(f.value(name), before);
        QCOMPARE(f.focus(), tree);
        QCOMPARE(tree->currentItem(), f.gridOf(name)->RowOf(name));

        f.key(Qt::Key_Return);
        edit = OpenEditor<QLineEdit>(tree, "textEditor");
        QVERIFY(edit && f.focus() == edit);
        QTest::keyClicks(f.focus(), "Dock-9");
        f.key(Qt::Key_Return);
        QTRY_COMPARE(f.value(name), std::string("Dock-9"));
        QTRY_COMPARE(f.gridOf(name)->RowOf(name)->text(1), QStringLiteral("Dock-9"));
        QVERIFY(f.gridOf(name)->Grid().FindItem(name)->IsModified());
        QTRY_COMPARE(f.focus(), tree);
        // What a screen reader reads of the row now.
        QTreeWidgetItem* row = f.gridOf(name)->RowOf(name);
        QCOMPARE(row->data(0, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("%1, Dock-9").arg(row->text(0)));
        QVERIFY(row->data(1, Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains(QString::fromStdString(LoadString(StringId::GridItemChanged))));

        // Left closes the row's group (from the row: to the group, then closed), Right opens it again.
        QTreeWidgetItem* group = row->parent();
        f.key(Qt::Key_Left);
        QCOMPARE(tree->currentItem(), group);
        f.key(Qt::Key_Left);
        QVERIFY(!group->isExpanded());
        f.key(Qt::Key_Right);
        QVERIFY(group->isExpanded());
        // Enter on a group row closes and opens it too.
        f.key(Qt::Key_Return);
        QVERIFY(!group->isExpanded());
        f.key(Qt::Key_Return);
        QVERIFY(group->isExpanded());
    }

    // An option from its list, by keys: Enter opens the list at once, Down moves, Enter takes; Escape
    // closes the list and keeps the value. F4 opens the list as well.
    void optionChosenFromItsListByKeys() {
        Fixture f;
        QVERIFY(f.Connect());
        const std::uint32_t id = VRX_GROUP3_PROPERTY_ID_1; // the address assignment
        QTreeWidget* tree = f.gridOf(id)->Tree();
        tree->setFocus(Qt::TabFocusReason);
        QVERIFY(f.walkTo(id));
        PropertyItem* item = f.gridOf(id)->Grid().FindItem(id);
        QVERIFY(item->OptionCount() >= 2);
        const int before = item->SelectedIndex();
        const std::string beforeValue = item->Value();

        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_F4, Qt::NoModifier}}) {
            f.key(key, modifiers);
            QPointer<QComboBox> combo = OpenEditor<QComboBox>(tree, "optionEditor");
            QVERIFY(combo);
            QTRY_VERIFY(combo->view()->isVisible());
            QTest::keyClick(combo->view(), before == 0 ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            QTRY_VERIFY(!combo || !combo->isVisible());
            QCOMPARE(item->Value(), beforeValue);
            QTRY_COMPARE(f.focus(), tree);
        }

        f.key(Qt::Key_Return);
        QPointer<QComboBox> combo = OpenEditor<QComboBox>(tree, "optionEditor");
        QVERIFY(combo);
        QTRY_VERIFY(combo->view()->isVisible());
        const int wanted = before == 0 ? 1 : before - 1;
        QTest::keyClick(combo->view(), before == 0 ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_COMPARE(item->SelectedIndex(), wanted);
        QCOMPARE(item->Value(), item->Options()[static_cast<std::size_t>(wanted)]);
        QTRY_VERIFY(!combo || !combo->isVisible());
        QTRY_COMPARE(f.focus(), tree);
    }

    // The dialogs of the "..." buttons from the keyboard: F4 on the PSK key opens the password dialog,
    // where typing and Enter take a new key; Alt+Down opens it again and Escape leaves the key as it is.
    // F4 on an address opens the address dialog (Escape closes it), Ctrl+Enter too. F4 on the SSID scans
    // and opens the access-point list: Down and Enter pick an access point; Escape closes the list.
    void itemDialogsOpenWithKeysAndCloseWithEnterOrEscape() {
        Fixture f;
        QVERIFY(f.Connect());
        const std::uint32_t psk = VRX_GROUP2_PROPERTY_ID_4;
        QTreeWidget* tree = f.gridOf(psk)->Tree();
        tree->setFocus(Qt::TabFocusReason);
        QVERIFY(f.walkTo(psk));
        QCOMPARE(f.value(psk), std::string("psk-12345"));
        QVERIFY(f.gridOf(psk)
                    ->RowOf(psk)
                    ->data(0, Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains(QString::fromStdString(LoadString(StringId::GridItemOpensDialog))));

        f.modals.Then("CVRXPageWLanPwSettingDlg", [](QWidget& dialog) {
            QWidget* edit = FocusIn(dialog);
            QCOMPARE(edit->objectName(), QStringLiteral("password"));
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, "new-key-77");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        f.key(Qt::Key_F4);
        QTRY_VERIFY(f.modals.steps.empty());
        QTRY_COMPARE(f.value(psk), std::string("new-key-77"));
        QTRY_COMPARE(f.focus(), tree); // back where the key was pressed
        QVERIFY(f.gridOf(psk)->Grid().FindItem(psk)->IsModified());
        // The row never reads the key itself.
        QTRY_VERIFY(!f.gridOf(psk)
                         ->RowOf(psk)
                         ->data(0, Qt::AccessibleTextRole)
                         .toString()
                         .contains(QStringLiteral("new-key")));

        f.modals.Then("CVRXPageWLanPwSettingDlg", [](QWidget& dialog) {
            QTest::keyClicks(FocusIn(dialog), "zz");
            QTest::keyClick(FocusIn(dialog), Qt::Key_Escape);
        });
        f.key(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(f.modals.steps.empty());
        QCOMPARE(f.value(psk), std::string("new-key-77"));
        QTRY_COMPARE(f.focus(), tree);

        const std::uint32_t ip = VRX_GROUP3_PROPERTY_ID_4;
        QVERIFY(f.walkTo(ip));
        const std::string address = f.value(ip);
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Return, Qt::ControlModifier}}) {
            f.modals.Then("CVRXPageWLanAdvIpConfigDlg", [](QWidget& dialog) {
                QVERIFY(qobject_cast<IpAddressEdit*>(FocusIn(dialog)->parentWidget()) ||
                        qobject_cast<IpAddressEdit*>(FocusIn(dialog)));
                QTest::keyClick(FocusIn(dialog), Qt::Key_Escape);
            });
            f.key(key, modifiers);
            QTRY_VERIFY(f.modals.steps.empty());
            QCOMPARE(f.value(ip), address);
            QTRY_COMPARE(f.focus(), tree);
        }

        const std::uint32_t ssid = VRX_GROUP1_PROPERTY_ID_1;
        QVERIFY(f.walkTo(ssid));
        f.modals.Then("CVRXPageWLanAdvBssListDlg", [](QWidget& dialog) {
            auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("bssList"));
            QCOMPARE(FocusIn(dialog), list);
            QCOMPARE(list->rowCount(), 3);
            // The strongest first: Lab, Office-7, Store; Down goes to the second.
            QTest::keyClick(list, Qt::Key_Home);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->item(list->currentRow(), 0)->text(), QStringLiteral("Office-7"));
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        });
        f.key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(f.modals.steps.empty(), 20000);
        QTRY_COMPARE(f.value(ssid), std::string("Store"));
        QTRY_COMPARE(f.focus(), tree);

        f.modals.Then("CVRXPageWLanAdvBssListDlg",
                      [](QWidget& dialog) { QTest::keyClick(FocusIn(dialog), Qt::Key_Escape); });
        f.key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(f.modals.steps.empty(), 20000);
        QTest::qWait(100);
        QCOMPARE(f.value(ssid), std::string("Store"));
        QTRY_COMPARE(f.focus(), tree);
        QCOMPARE(f.modals.seen.size(), 6);
    }
};

QTEST_MAIN(WLanAdvancedPageKeyboardTest)
#include "wlan_advanced_page_keyboard_test.moc"
