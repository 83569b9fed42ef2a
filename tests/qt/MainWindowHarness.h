#pragma once

#include "app/Preferences.h"
#include "ui/CVrxQuorlink2ndDlg.h"
#include "ui/qt/CVrxQuorlink2ndDlgView.h"

#include "FakeBrowser.h"
#include "FakeCursor.h"
#include "FakeLanguageSelection.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"
#include "FakePrinterSearch.h"
#include "TempDir.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The real main window over fakes: the search finds scripted tables, message boxes answer from a script,
// the browser and the language choice record what they were asked.
struct MainWindowHarness {
    // sheetPages: the value of "PREFERENCE[4]" (nothing: no preferences file) in a preferences file of the
    // harness's own.
    explicit MainWindowHarness(std::optional<std::string> sheetPages = std::nullopt)
        : m_ownPreferences(true) {
        if (sheetPages)
            dir.write("Tool.INI", "[Tool]\nPREFERENCE[4]=" + *sheetPages + "\n");
        InitPreference(AppPaths::FromExecutable(dir.file("Tool")));
        Build(language);
    }
    // The window as start-up builds it: over the preferences start-up has read, with the application's
    // language choice.
    explicit MainWindowHarness(ILanguageSelection& applicationLanguage) : m_ownPreferences(false) {
        Build(applicationLanguage);
    }
    ~MainWindowHarness() {
        view.reset();
        dlg.reset();
        if (m_ownPreferences)
            ResetPreferences();
    }
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    template <typename T> T* child(const char* name) const {
        T* found = view->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QTableWidget* list() const { return child<QTableWidget>("listPrinter"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString field(const char* name) const { return child<QLineEdit>(name)->text(); }
    QTabWidget* mainSheet() const { return child<QTabWidget>("mainSheet"); }
    QTabWidget* settingsSheet() const { return child<QTabWidget>("settingsSheet"); }
    int selectedRow() const {
        const auto rows = list()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
    QString text(int row, int column) const {
        const auto* item = list()->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list()->rowCount(); ++row)
            texts << text(row, column);
        return texts;
    }
    QPoint cellCentre(int row, int column) const {
        return list()->visualRect(list()->model()->index(row, column)).center();
    }
    void clickCell(int row, int column = 1) const {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }
    void doubleClickCell(int row, int column = 1) const {
        // A double click comes after a click, as on the screen.
        clickCell(row, column);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }
    // Presses Search; the search finds ethernet and wlan.
    void searchFinds(EthernetInfoMap ethernet, WLanInfoMap wlan) {
        search.Script({std::move(wlan), std::move(ethernet)});
        QTest::mouseClick(button("btnSearch"), Qt::LeftButton);
    }

    TempDir dir;
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    FakeBrowser browser;
    FakeLanguageSelection language;
    FakePrinterSearch search;
    std::unique_ptr<CVrxQuorlink2ndDlg> dlg;
    std::unique_ptr<CVrxQuorlink2ndDlgView> view;

private:
    void Build(ILanguageSelection& languageSelection) {
        dlg = std::make_unique<CVrxQuorlink2ndDlg>(endpoint, messages, cursor, browser, languageSelection,
                                                   search);
        view = std::make_unique<CVrxQuorlink2ndDlgView>(*dlg);
    }

    bool m_ownPreferences;
};

// What the language menu showed when it was up.
struct LanguageMenuSeen {
    QStringList texts;
    QList<bool> checked;
    bool oneChoice = false; // the items are one exclusive group (radio marks)
    bool shown = false;
};

// Clicks the Language button of window and, once its menu is up, triggers the item at index (-1: closes the
// menu without a choice).
inline LanguageMenuSeen ChooseFromLanguageMenu(QWidget* window, int index) {
    LanguageMenuSeen seen;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, index] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        seen.shown = true;
        const auto actions = menu->actions();
        QActionGroup* group = actions.isEmpty() ? nullptr : actions.front()->actionGroup();
        seen.oneChoice = group && group->isExclusive() &&
                         std::all_of(actions.begin(), actions.end(),
                                     [group](QAction* action) { return action->actionGroup() == group; });
        for (QAction* action : menu->actions()) {
            seen.texts << action->text();
            seen.checked << action->isChecked();
        }
        if (index >= 0 && index < menu->actions().size())
            menu->actions().at(index)->trigger();
        menu->close();
    });
    poll->start();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnLanguage")), Qt::LeftButton);
    delete poll;
    return seen;
}
