#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"
#include "ui/qt/wlanadv/TypedCharacterPopup.h"

#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/QtTextCatalog.h"

#include "WhenShown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstring>
#include <functional>

namespace {

template <typename T> T* Find(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Runs step on the dialog's modal loop; a step that failed half-way leaves the dialog up, so it is closed
// afterwards whatever happened.
template <typename Dialog> int Run(Dialog& dialog, std::function<void()> step) {
    WhenShown(dialog, [&dialog, step] {
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.exec();
}

// Types text into widget one key at a time, letters beyond ASCII too.
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        const int key = ch == QLatin1Char(' ') ? int(Qt::Key_Space) : int(ch.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

BSS_INFO Entry(const char* ssid, std::array<std::uint8_t, 6> bssid, std::uint8_t mode, std::int16_t rssi,
               std::uint8_t security) {
    BSS_INFO entry{};
    std::memcpy(entry.bySSID, ssid, std::strlen(ssid));
    std::memcpy(entry.byBSSID, bssid.data(), 6);
    entry.byNetworkMode = mode;
    DeviceRecords::SetRssi(entry, rssi);
    entry.bySecurity = security;
    return entry;
}

// The scan of the list tests: entry 3 shares its BSSID with entry 1.
std::vector<BSS_INFO> Scan() {
    std::vector<BSS_INFO> table = {
        Entry("Office", {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}, 0, -67, 8),
        Entry("Lab", {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}, 1, -40, 1),
        Entry("Odd", {0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff}, 2, -90, 6),
        Entry("Lab again", {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}, 0, -80, 12),
    };
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].byIndex = static_cast<std::uint8_t>(i);
    return table;
}

// The list row showing ssid.
int RowOf(QTableWidget* list, const QString& ssid) {
    for (int row = 0; row < list->rowCount(); ++row)
        if (list->item(row, 0)->text() == ssid)
            return row;
    qFatal("no row %s", qPrintable(ssid));
}

void DoubleClickRow(QTableWidget* list, int row) {
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

void LoadLanguage(int index) {
    if (index == 0) {
        StringTable::SetCatalog(nullptr);
        return;
    }
    int error = 0;
    std::shared_ptr<const ITextCatalog> catalog =
        QtTextCatalog::Load(QCoreApplication::applicationDirPath().toStdString() + "/" +
                                LanguageTable::CatalogRelativePath(index),
                            error);
    if (!catalog)
        qFatal("no catalog %d", index);
    StringTable::SetCatalog(catalog);
}

// With QUORLINK_SCREENSHOTS (or QUORLINK_SCREENSHOT_DIR) set, the window as it looks now goes there as
// name-LANGUAGE.png (scripts/contact-sheet uses them).
void SaveScreenshot(QWidget& window, const char* name, int languageIndex) {
    QByteArray dir = qgetenv("QUORLINK_SCREENSHOTS");
    if (dir.isEmpty())
        dir = qgetenv("QUORLINK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    const QString code = QString::fromLatin1(LanguageTable::ToolkitLocaleName(languageIndex));
    window.grab().save(
        QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("%1-%2.png").arg(name, code)));
}

// Every label, button and caption of window shows its whole text.
void CheckTextsFit(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        QVERIFY2(group->width() >= group->fontMetrics().horizontalAdvance(group->title()) + 20,
                 qPrintable(group->title()));
}

} // namespace

class WLanAdvDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    // ---- password dialog ----

    void passwordDialogSwallowsTheSpaceKey() {
        CVRXPageWLanPwSetting model(false, "", "PSK Key", 64);
        CVRXPageWLanPwSettingDlg dialog(model);
        const int result = Run(dialog, [&] {
            auto* edit = Find<QLineEdit>(dialog, "password");
            QTest::keyClicks(edit, "ab cd");
            QCOMPARE(edit->text(), QStringLiteral("abcd"));
            // Nor does the space bar tick the check box.
            auto* box = Find<QCheckBox>(dialog, "showPassword");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(!box->isChecked());
            QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        QCOMPARE(result, int(CVRXPageWLanPwSetting::kResultOk));
        QCOMPARE(model.GetPassword(), std::string("abcd"));
    }

    void passwordDialogKeepsToTheMaximumLength() {
        CVRXPageWLanPwSetting model(false, "ab", "User Password", 5);
        CVRXPageWLanPwSettingDlg dialog(model);
        Run(dialog, [&] {
            auto* edit = Find<QLineEdit>(dialog, "password");
            QCOMPARE(edit->cursorPosition(), 2); // the caret after the current value
            QTest::keyClicks(edit, "cdefgh");
            QCOMPARE(edit->text(), QStringLiteral("abcde"));
            // The limit counts bytes: "é" takes two, so of "abcéé" only "abcé" fits.
            edit->selectAll();
            Type(edit, QStringLiteral("abcéé"));
            QCOMPARE(edit->text(), QStringLiteral("abcé"));
            QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        QCOMPARE(model.GetPassword(), std::string("abc\xc3\xa9"));
    }

    void showPasswordTogglesTheMask() {
        CVRXPageWLanPwSetting model(false, "secret", "PSK Key", 64);
        CVRXPageWLanPwSettingDlg dialog(model);
        const int result = Run(dialog, [&] {
            auto* edit = Find<QLineEdit>(dialog, "password");
            auto* box = Find<QCheckBox>(dialog, "showPassword");
            QVERIFY(box->isEnabled());
            QVERIFY(!box->isChecked());
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QCOMPARE(edit->font().bold(), true);
            // Fixed pitch: a narrow letter is as wide as a broad one.
            const QFontMetrics metrics(edit->font());
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                     metrics.horizontalAdvance(QLatin1Char('W')));
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
            QCOMPARE(edit->echoMode(), QLineEdit::Normal);
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QTest::mouseClick(Find<QPushButton>(dialog, "cancel"), Qt::LeftButton);
        });
        QCOMPARE(result, int(CVRXPageWLanPwSetting::kResultCancel));
        QCOMPARE(model.GetPassword(), std::string());
    }

    void underTheLockShowPasswordIsDisabledAndThePopupShowsAStar() {
        CVRXPageWLanPwSetting model(true, "", "PSK Key", 64);
        CVRXPageWLanPwSettingDlg dialog(model);
        Run(dialog, [&] {
            auto* edit = Find<QLineEdit>(dialog, "password");
            QVERIFY(!Find<QCheckBox>(dialog, "showPassword")->isEnabled());
            QTest::keyClick(edit, 'k');
            QVERIFY(dialog.Popup()->isVisible());
            QCOMPARE(dialog.Popup()->Text(), QStringLiteral("*"));
            QCOMPARE(edit->text(), QStringLiteral("k"));
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            dialog.reject();
        });
    }

    void withoutTheLockThePopupShowsTheCharacterCentredAndFades() {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 900, 700);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        CVRXPageWLanPwSetting model(false, "", "PSK Key", 64);
        CVRXPageWLanPwSettingDlg dialog(model, &mainWindow);
        Run(dialog, [&] {
            auto* edit = Find<QLineEdit>(dialog, "password");
            TypedCharacterPopup* popup = dialog.Popup();
            QTest::keyClick(edit, 'Q', Qt::ShiftModifier);
            QCOMPARE(popup->Text(), QStringLiteral("Q"));
            QVERIFY(popup->testAttribute(Qt::WA_TransparentForMouseEvents));
            QVERIFY(popup->windowFlags().testFlag(Qt::WindowTransparentForInput));
            QVERIFY(qAbs(popup->geometry().center().x() - mainWindow.frameGeometry().center().x()) <= 1);
            QVERIFY(qAbs(popup->geometry().center().y() - mainWindow.frameGeometry().center().y()) <= 1);
            // It fades in, then out, and goes.
            QTRY_VERIFY_WITH_TIMEOUT(popup->Opacity() > 0.9, 1000);
            QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 3000);
            // Backspace shows nothing.
            QTest::keyClick(edit, Qt::Key_Backspace);
            QVERIFY(!popup->isVisible());
            dialog.reject();
        });
    }

    // ---- IP address dialog ----

    void clearingASubnetNumberMakesItZeroAtOnce() {
        CVRXPageWLanAdvIpConfig model;
        model.SetIPAddress({192, 0, 2, 7});
        model.SetSubnetMask({255, 255, 255, 0});
        model.SetGateway({192, 0, 2, 1});
        CVRXPageWLanAdvIpConfigDlg dialog(model);
        const int result = Run(dialog, [&] {
            QCOMPARE(Find<CaptionBar>(dialog, "caption")->Text(), QStringLiteral("Network Configuration"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("IP Address Configuration"));
            QLineEdit* second = dialog.SubnetMask()->field(1);
            second->setFocus();
            second->selectAll();
            QTest::keyClick(second, Qt::Key_Backspace);
            QCOMPARE(second->text(), QStringLiteral("0"));
            QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        QCOMPARE(result, int(CVRXPageWLanAdvIpConfig::kResultOk));
        QCOMPARE(model.GetSubnetMask(), (CVRXPageWLanAdvIpConfig::Address{255, 0, 255, 0}));
        QCOMPARE(model.GetIPAddress(), (CVRXPageWLanAdvIpConfig::Address{192, 0, 2, 7}));
    }

    void enterAnywhereIsOk() {
        CVRXPageWLanAdvIpConfig model;
        model.SetGateway({192, 0, 2, 1});
        CVRXPageWLanAdvIpConfigDlg dialog(model);
        const int result = Run(dialog, [&] {
            QLineEdit* last = dialog.Gateway()->field(3);
            last->setFocus();
            last->selectAll();
            QTest::keyClicks(last, "254");
            QTest::keyClick(last, Qt::Key_Return);
        });
        QCOMPARE(result, int(CVRXPageWLanAdvIpConfig::kResultOk));
        QCOMPARE(model.GetGateway(), (CVRXPageWLanAdvIpConfig::Address{192, 0, 2, 254}));
        // Enter with the focus on Cancel is OK too.
        CVRXPageWLanAdvIpConfig second;
        CVRXPageWLanAdvIpConfigDlg secondDialog(second);
        QCOMPARE(Run(secondDialog,
                     [&] {
                         auto* cancel = Find<QPushButton>(secondDialog, "cancel");
                         cancel->setFocus();
                         QTest::keyClick(cancel, Qt::Key_Enter);
                     }),
                 int(CVRXPageWLanAdvIpConfig::kResultOk));
    }

    void cancelKeepsTheAddresses() {
        CVRXPageWLanAdvIpConfig model;
        model.SetIPAddress({192, 0, 2, 7});
        CVRXPageWLanAdvIpConfigDlg dialog(model);
        const int result = Run(dialog, [&] {
            dialog.IpAddress()->setAddress({203, 0, 113, 9});
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(result, int(CVRXPageWLanAdvIpConfig::kResultCancel));
        QCOMPARE(model.GetIPAddress(), (CVRXPageWLanAdvIpConfig::Address{192, 0, 2, 7}));
    }

    // ---- access-point list ----

    void listShowsTheTextsOfEveryEntry() {
        const auto scan = Scan();
        CVRXPageWLanAdvBssList model;
        model.SetBSSInfoData(scan.data(), int(scan.size()));
        CVRXPageWLanAdvBssListDlg dialog(model);
        Run(dialog, [&] {
            QTableWidget* list = dialog.List();
            QCOMPARE(list->rowCount(), 4);
            QCOMPARE(list->horizontalHeaderItem(4)->text(), QStringLiteral("RSSI"));
            const int office = RowOf(list, "Office");
            QCOMPARE(list->item(office, 1)->text(), QStringLiteral("00:1A:2B:3C:4D:5E"));
            QCOMPARE(list->item(office, 2)->text(), QStringLiteral("Infrastructure"));
            QCOMPARE(list->item(office, 3)->text(), QStringLiteral("WPA2"));
            QCOMPARE(list->item(office, 4)->text(), QStringLiteral("-67"));
            const int odd = RowOf(list, "Odd");
            QCOMPARE(list->item(odd, 2)->text(), QStringLiteral("UNKNOWN"));
            QCOMPARE(list->item(odd, 3)->text(), QString());
            QCOMPARE(list->item(RowOf(list, "Lab"), 2)->text(), QStringLiteral("Adhoc"));
            QCOMPARE(list->item(RowOf(list, "Lab"), 3)->text(), QStringLiteral("WEP-64"));
            // The strongest signal first; a click on a heading sorts by that column.
            QCOMPARE(list->item(0, 0)->text(), QStringLiteral("Lab"));
            QCOMPARE(list->item(3, 0)->text(), QStringLiteral("Odd"));
            QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(list->horizontalHeader()->sectionViewportPosition(0) + 10, 5));
            QCOMPARE(list->item(0, 0)->text(), QStringLiteral("Lab"));
            QCOMPARE(list->item(1, 0)->text(), QStringLiteral("Lab again"));
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(list->showGrid());
            QCOMPARE(Find<CaptionBar>(dialog, "caption")->Text(), QStringLiteral("BSS Information"));
            const auto widths = CVRXPageWLanAdvBssList::ColumnWidths(dialog.width());
            for (int column = 0; column < 4; ++column)
                QCOMPARE(list->columnWidth(column), widths[std::size_t(column)]);
            dialog.reject();
        });
    }

    void doubleClickPicksTheLastEntryWithTheRowsBssid() {
        const auto scan = Scan();
        for (const char* ssid : {"Lab", "Lab again"}) {
            CVRXPageWLanAdvBssList model;
            model.SetBSSInfoData(scan.data(), int(scan.size()));
            CVRXPageWLanAdvBssListDlg dialog(model);
            const int result =
                Run(dialog, [&] { DoubleClickRow(dialog.List(), RowOf(dialog.List(), ssid)); });
            QCOMPARE(result, int(CVRXPageWLanAdvBssList::kResultOk));
            QCOMPARE(model.GetLastDbClickItemID(), 3);
        }
        // A BSSID of lower-case bytes, listed in upper case, still finds its entry.
        CVRXPageWLanAdvBssList model;
        model.SetBSSInfoData(scan.data(), int(scan.size()));
        CVRXPageWLanAdvBssListDlg dialog(model);
        QCOMPARE(Run(dialog, [&] { DoubleClickRow(dialog.List(), RowOf(dialog.List(), "Office")); }),
                 int(CVRXPageWLanAdvBssList::kResultOk));
        QCOMPARE(model.GetLastDbClickItemID(), 0);
    }

    void doubleClickBelowTheLastRowDoesNothing() {
        const auto scan = Scan();
        CVRXPageWLanAdvBssList model;
        model.SetBSSInfoData(scan.data(), int(scan.size()));
        CVRXPageWLanAdvBssListDlg dialog(model);
        const int result = Run(dialog, [&] {
            QTableWidget* list = dialog.List();
            const QRect last = list->visualRect(list->model()->index(list->rowCount() - 1, 0));
            QVERIFY(last.bottom() + 20 < list->viewport()->height());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                               QPoint(last.center().x(), last.bottom() + 15));
            QVERIFY(dialog.isVisible());
            QCOMPARE(model.GetLastDbClickItemID(), -1);
            QTest::mouseClick(Find<QPushButton>(dialog, "close"), Qt::LeftButton);
        });
        // Close is OK without a pick.
        QCOMPARE(result, int(CVRXPageWLanAdvBssList::kResultOk));
        QCOMPARE(model.GetLastDbClickItemID(), -1);
    }

    void escapeCancelsAndTheListSitsAboveTheMainWindowsCentre() {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 900, 700);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        const auto scan = Scan();
        CVRXPageWLanAdvBssList model;
        model.SetBSSInfoData(scan.data(), int(scan.size()));
        CVRXPageWLanAdvBssListDlg dialog(model, &mainWindow);
        const int result = Run(dialog, [&] {
            const QPoint centre =
                mainWindow.mapToGlobal(QPoint(mainWindow.width() / 2, mainWindow.height() / 2));
            QCOMPARE(dialog.pos().x(), centre.x() - dialog.width() / 2);
            QCOMPARE(dialog.pos().y(), centre.y() - dialog.height() / 2 - 35);
            QTest::keyClick(dialog.List(), Qt::Key_Escape);
        });
        QCOMPARE(result, int(CVRXPageWLanAdvBssList::kResultCancel));
        QCOMPARE(model.GetLastDbClickItemID(), -1);
    }

    // ---- every language ----

    void everyTextFitsInEveryLanguage() {
        const auto scan = Scan();
        for (int index = 0; index < LanguageTable::kCount; ++index) {
            LoadLanguage(index);
            {
                CVRXPageWLanPwSetting model(false, "secret", LoadString(221), 32);
                CVRXPageWLanPwSettingDlg dialog(model);
                Run(dialog, [&] {
                    CheckTextsFit(dialog);
                    SaveScreenshot(dialog, "password-dialog", index);
                    dialog.reject();
                });
            }
            {
                CVRXPageWLanAdvIpConfig model;
                model.SetIPAddress({192, 0, 2, 7});
                model.SetSubnetMask({255, 255, 255, 0});
                model.SetGateway({192, 0, 2, 1});
                CVRXPageWLanAdvIpConfigDlg dialog(model);
                Run(dialog, [&] {
                    CheckTextsFit(dialog);
                    auto* caption = Find<CaptionBar>(dialog, "caption");
                    QVERIFY2(caption->width() >=
                                 QFontMetrics(caption->font()).horizontalAdvance(caption->Text()) + 40,
                             qPrintable(caption->Text()));
                    SaveScreenshot(dialog, "ip-config-dialog", index);
                    dialog.reject();
                });
            }
            {
                CVRXPageWLanAdvBssList model;
                model.SetBSSInfoData(scan.data(), int(scan.size()));
                CVRXPageWLanAdvBssListDlg dialog(model);
                Run(dialog, [&] {
                    CheckTextsFit(dialog);
                    QHeaderView* header = dialog.List()->horizontalHeader();
                    for (int column = 0; column < CVRXPageWLanAdvBssList::kColumnCount; ++column) {
                        const QString text = dialog.List()->horizontalHeaderItem(column)->text();
                        QVERIFY2(header->sectionSize(column) >=
                                     header->fontMetrics().horizontalAdvance(text) + 8,
                                 qPrintable(text));
                    }
                    // The texts of the mode and security columns fit their cells.
                    QTableWidget* list = dialog.List();
                    for (int row = 0; row < list->rowCount(); ++row)
                        for (int column : {2, 3}) {
                            const QString text = list->item(row, column)->text();
                            QVERIFY2(list->columnWidth(column) >=
                                         list->fontMetrics().horizontalAdvance(text) + 8,
                                     qPrintable(text));
                        }
                    SaveScreenshot(dialog, "bss-list-dialog", index);
                    dialog.reject();
                });
            }
        }
    }
};

QTEST_MAIN(WLanAdvDialogsTest)
#include "wlanadv_dialogs_test.moc"
