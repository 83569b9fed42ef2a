// The printer list and the settings page in every interface language: each label, button, frame title,
// column header and type text is shown whole (nothing cut or elided), the footer is translated, and a
// question carries Qt's own Yes and No in the same language.
//
// With QUORLINK_SCREENSHOTS set to a folder, the test also saves the main window and the settings page of
// every language there as PNG files (main-window-, wlan-page-, settings-page- and question-<code>.png), and
// the search and waiting dialogs as they stand over the main window (search-dialog-, waiting-dialog-).
// scripts/contact-sheet makes docs/contact-sheet.png of them.

#include "FakeFleet.h"
#include "MainWindowHarness.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/CVRXSearchDlg.h"
#include "ui/qt/CVRXWaitingDlg.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/QtAppPlatform.h"
#include "ui/qt/QtTextCatalog.h"

#include "WhenShown.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

std::string CatalogPath(int index) {
    return QCoreApplication::applicationDirPath().toStdString() + "/" +
           LanguageTable::CatalogRelativePath(index);
}

// Every visible text of page that is cut: "what: text (needs N, has M)".
QStringList CutTexts(QWidget* page) {
    QStringList cut;
    auto check = [&cut](const QString& what, const QString& text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1: %2 (needs %3, has %4)").arg(what, text).arg(needs).arg(has);
    };
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        if (label->wordWrap()) {
            // Wrapped text: every line fits, and all lines fit the height.
            const QRect room = label->contentsRect();
            const QRect needed =
                label->fontMetrics().boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
            check(QStringLiteral("wrapped label"), label->text(), needed.height(), room.height());
            continue;
        }
        check(QStringLiteral("label"), label->text(), label->sizeHint().width(), label->width());
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(page) || button->text().isEmpty())
            continue;
        check(QStringLiteral("button"), button->text(), button->sizeHint().width(), button->width());
    }
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        if (!group->isVisibleTo(page) || group->title().isEmpty())
            continue;
        check(QStringLiteral("frame"), group->title(), group->minimumSizeHint().width(), group->width());
    }
    return cut;
}

// Header texts and the texts of the "#" and type columns that do not fit their columns.
QStringList CutCells(QTableWidget* list) {
    QStringList cut;
    const QFontMetrics cell(list->font());
    const QFontMetrics header(list->horizontalHeader()->font());
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int column = 0; column < list->columnCount(); ++column) {
        const QString title = list->horizontalHeaderItem(column)->text();
        const int sortMark = list->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, list);
        if (header.horizontalAdvance(title) + 2 * margin + sortMark > list->columnWidth(column))
            cut << QStringLiteral("header %1").arg(title);
    }
    for (int row = 0; row < list->rowCount(); ++row) {
        for (const int column :
             {int(CVRXPageBasicSetting::kColumnNumber), int(CVRXPageBasicSetting::kColumnType)}) {
            const QString text = list->item(row, column)->text();
            if (cell.horizontalAdvance(text) + 2 * margin > list->columnWidth(column))
                cut << QStringLiteral("row %1: %2").arg(row).arg(text);
        }
    }
    return cut;
}

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

void SaveScreenshot(QWidget* window, const char* name, int index) {
    const QString folder = qEnvironmentVariable("QUORLINK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString code = QString::fromLatin1(LanguageTable::ToolkitLocaleName(index));
    window->grab().save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), code)));
}

// Like SaveScreenshot, with dialog painted over window where it stands (a frameless dialog's grab holds
// only itself).
void SaveScreenshotOver(QWidget* window, QWidget* dialog, const char* name, int index) {
    const QString folder = qEnvironmentVariable("QUORLINK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(window->mapFromGlobal(dialog->mapToGlobal(QPoint(0, 0))), dialog->grab());
    painter.end();
    const QString code = QString::fromLatin1(LanguageTable::ToolkitLocaleName(index));
    picture.save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), code)));
}

} // namespace

class TranslatedLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    void everyTextIsWholeInEveryLanguage_data() {
        QTest::addColumn<int>("index");
        for (const auto& entry : LanguageTable::Entries())
            QTest::newRow(entry.menuText) << entry.index;
    }
    void everyTextIsWholeInEveryLanguage() {
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
        EthernetInfoMap wired;
        for (std::uint8_t last = 1; last <= 3; ++last)
            wired[MacOf(last)] = Wired(last, {192, 0, 2, static_cast<std::uint8_t>(100 + last)});
        h.searchFinds(wired, {{MacOf(0x40), Wireless(0x40, {198, 51, 100, 40}, 0x91, "Label-Lab-7", 1)}});

        QWidget* listPage = h.mainSheet()->widget(0);
        SaveScreenshot(h.view.get(), "main-window", index);
        const QStringList listCut = CutTexts(listPage) + CutCells(h.list());
        QVERIFY2(listCut.isEmpty(), qPrintable(listCut.join(QStringLiteral("; "))));
        QVERIFY(!h.list()->horizontalScrollBar()->isVisible());
        const QString footer = h.child<CaptionBar>("bottomCaption")->Text();
        QVERIFY2((footer == QStringLiteral("Copyright © HALDA. All rights reserved.")) == (index == 0),
                 qPrintable(footer));
        // The WLAN (Advanced) page before a printer is read.
        h.mainSheet()->setCurrentIndex(1);
        const QStringList placeholderCut = CutTexts(h.mainSheet()->widget(1));
        QVERIFY2(placeholderCut.isEmpty(), qPrintable(placeholderCut.join(QStringLiteral("; "))));
        SaveScreenshot(h.view.get(), "wlan-page", index);
        h.mainSheet()->setCurrentIndex(0);

        // The search dialog while a search runs, and the waiting dialog, over the main window.
        {
            FakeNetworkEndpoint endpoint;
            endpoint.SetSystemInterfaceCount(1);
            for (std::uint8_t last = 1; last <= 12; ++last) // heard so far, as the dialog counts them
                endpoint.AddWiredAnswer(0, Wired(last, {192, 0, 2, static_cast<std::uint8_t>(100 + last)}));
            endpoint.HoldSearches();
            FakeMessageBox messages;
            FakeCursor cursor;
            CVRXSearchDlg search(endpoint, messages, cursor, h.view.get());
            QStringList cut;
            QString heard;
            WhenShown(search, [&] {
                QTest::qWait(300); // a few steps of the indicator
                heard = search.HeardLabel()->text();
                cut = CutTexts(&search);
                SaveScreenshotOver(h.view.get(), &search, "search-dialog", index);
                endpoint.ReleaseSearches();
            });
            search.exec();
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
            QVERIFY2(heard.contains(QStringLiteral("12")), qPrintable(heard));
        }
        {
            FakeCursor cursor;
            CVRXWaitingDlg waiting(cursor, h.view.get());
            QStringList cut;
            WhenShown(waiting, [&] {
                QTest::qWait(300);
                cut = CutTexts(&waiting);
                SaveScreenshotOver(h.view.get(), &waiting, "waiting-dialog", index);
                waiting.CloseWaiting();
            });
            QCOMPARE(waiting.exec(), int(QDialog::Accepted));
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        }

        // The settings of the wireless printer with a name, in manual mode so that nothing is greyed.
        h.doubleClickCell(3);
        QTRY_VERIFY(h.settingsSheet()->isVisible());
        h.child<QRadioButton>("radioManual")->click();
        QWidget* settingsPage = h.settingsSheet()->widget(0);
        SaveScreenshot(h.view.get(), "settings-page", index);
        const QStringList settingsCut = CutTexts(settingsPage);
        QVERIFY2(settingsCut.isEmpty(), qPrintable(settingsCut.join(QStringLiteral("; "))));

        // A question as the program asks it, with Qt's own Yes and No in the same language.
        QtAppPlatform platform([] { return 0; });
        platform.UseToolkitLanguage(index);
        QMessageBox question(QMessageBox::Question, Ui(LoadString(StringId::AppTitle)),
                             Ui(LoadString(StringId::GatewayOutsideSubnetQuestion)),
                             QMessageBox::Yes | QMessageBox::No, h.view.get());
        question.show();
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        const QString yes = question.button(QMessageBox::Yes)->text();
        QVERIFY2((yes == QStringLiteral("&Yes")) == (index == 0), qPrintable(yes));
        const QStringList questionCut = CutTexts(&question);
        QVERIFY2(questionCut.isEmpty(), qPrintable(questionCut.join(QStringLiteral("; "))));
        SaveScreenshot(&question, "question", index);
        question.close();

        // The waiting dialog as the WLAN (Advanced) page shows it while it waits for a printer: with Qt's
        // own Cancel, in the same language.
        {
            FakeCursor cursor;
            CVRXWaitingDlg waiting(cursor, h.view.get());
            waiting.SetQuickMode(true);
            waiting.SetCancelHandler([&waiting] { waiting.CloseWaiting(); });
            QStringList cut;
            QString cancelText;
            WhenShown(waiting, [&] {
                QTest::qWait(300);
                cut = CutTexts(&waiting);
                if (auto* cancel = waiting.findChild<QPushButton*>(QStringLiteral("btnCancel")))
                    cancelText = cancel->text();
                SaveScreenshotOver(h.view.get(), &waiting, "waiting-dialog-cancel", index);
                waiting.CloseWaiting();
            });
            QCOMPARE(waiting.exec(), int(QDialog::Accepted));
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
            QVERIFY2((cancelText == QStringLiteral("&Cancel") || cancelText == QStringLiteral("Cancel")) ==
                         (index == 0),
                     qPrintable(cancelText));
        }
        platform.UseToolkitLanguage(0);
    }

    // 200 printers at 1600 × 1000 with a filter: the filter row, the count and the context menu whole.
    void fleetWindowIsWholeInEveryLanguage_data() { everyTextIsWholeInEveryLanguage_data(); }
    void fleetWindowIsWholeInEveryLanguage() {
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
        h.search.Script(printers::Fleet(200));
        QTest::mouseClick(h.button("btnSearch"), Qt::LeftButton);
        QWidget* listPage = h.mainSheet()->widget(0);
        QTest::keyClicks(h.child<QLineEdit>("editFilter"), QStringLiteral("Dock-1"));
        h.clickCell(2);
        // The filter row and the count whole at the designed size (the list's headers beside a scroll bar
        // are the designed-size test's matter, above).
        QStringList cut = CutTexts(listPage);
        cut.erase(
            std::remove_if(cut.begin(), cut.end(),
                           [](const QString& text) { return text.startsWith(QStringLiteral("header ")); }),
            cut.end());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        SaveScreenshot(h.view.get(), "main-window-fleet-designed", index);

        h.view->resize(1600, 1000);
        QCoreApplication::processEvents();
        h.list()->scrollToTop();
        cut = CutTexts(listPage) + CutCells(h.list());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        SaveScreenshot(h.view.get(), "main-window-fleet", index);

        // The list's context menu, shown where the row is.
        QMenu* shownMenu = nullptr;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            shownMenu = menu;
            for (QAction* action : menu->actions()) {
                const int needs = menu->fontMetrics().horizontalAdvance(action->text()) + 40;
                if (!action->isSeparator() && needs > menu->width())
                    cut << action->text();
            }
            SaveScreenshotOver(h.view.get(), menu, "printer-list-menu", index);
            menu->close();
        });
        poll.start();
        emit h.list()->customContextMenuRequested(h.cellCentre(2, 1));
        QVERIFY(shownMenu);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TranslatedLayoutTest)
#include "translated_layout_test.moc"
