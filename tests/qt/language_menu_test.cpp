// The language menu of the printer list page: its twelve commands with the current one checked, the
// question before a switch, and a switch that restarts the program in the chosen language.

#include "MainWindowHarness.h"
#include "app/CVrxQuorlink2ndApp.h"
#include "app/DialogResult.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QtAppPlatform.h"
#include "ui/qt/QtTextCatalog.h"

#include <QMessageBox>
#include <QPushButton>

#include <filesystem>

using printers::MacOf;
using printers::Wired;

namespace {

// Start-up's platform as the program has it, except that the executable lives in a test folder and a
// restart is only recorded.
class RecordingPlatform : public QtAppPlatform {
public:
    RecordingPlatform(std::string executable, std::function<int()> runMainWindow)
        : QtAppPlatform(std::move(runMainWindow)), m_executable(std::move(executable)) {}
    void InitToolkit() override {}
    std::string ExecutablePath(int&) override { return m_executable; }
    bool StartProcess(const std::string& program, const std::string&) override {
        started.push_back(program);
        return true;
    }
    std::vector<std::string> started;

private:
    std::string m_executable;
};

QStringList MenuTexts() {
    QStringList texts;
    for (const auto& entry : LanguageTable::Entries())
        texts << QString::fromUtf8(entry.menuText);
    return texts;
}

} // namespace

class LanguageMenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuListsTheLanguagesWithTheCurrentOneChecked_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("checked");
        QTest::newRow("English") << 0 << 0;
        QTest::newRow("Español") << 3 << 3;
        QTest::newRow("繁體中文") << 11 << 11;
        QTest::newRow("beyond the table") << 15 << 0;
    }
    void menuListsTheLanguagesWithTheCurrentOneChecked() {
        QFETCH(int, current);
        QFETCH(int, checked);
        MainWindowHarness h;
        h.language.current = current;
        h.view->show();
        const LanguageMenuSeen seen = ChooseFromLanguageMenu(h.view.get(), -1);
        QVERIFY(seen.shown);
        QCOMPARE(seen.texts, MenuTexts());
        QVERIFY(seen.oneChoice);
        for (int i = 0; i < seen.checked.size(); ++i)
            QCOMPARE(seen.checked[i], i == checked);
        QVERIFY(h.messages.shown().empty());
        QVERIFY(!h.dlg->IsEnded());
    }

    void choosingTheCurrentLanguageAsksNothing() {
        MainWindowHarness h;
        h.language.current = 5;
        h.view->show();
        ChooseFromLanguageMenu(h.view.get(), 5);
        QVERIFY(h.messages.shown().empty());
        QVERIFY(h.language.switches.empty());
        QVERIFY(!h.dlg->IsEnded());
    }

    void answeringNoChangesNothing() {
        MainWindowHarness h;
        h.view->show();
        h.searchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}}, {});
        h.messages.answers = {false};
        ChooseFromLanguageMenu(h.view.get(), 1);
        QCOMPARE(h.messages.Questions(),
                 std::vector<std::string>{LoadString(StringId::SwitchLanguageQuestion)});
        QVERIFY(h.language.switches.empty());
        QVERIFY(!h.dlg->IsEnded());
        QVERIFY(h.view->isVisible());
        QCOMPARE(h.list()->rowCount(), 1);
        QCOMPARE(h.dlg->GetPageBasicSetting().m_nLanguage, 0);
    }

    void answeringYesRestartsIntoTheChosenLanguage() {
        // The German catalog as the build puts it beside the programs.
        const auto self = AppPaths::CurrentExecutable();
        QVERIFY(self);
        const std::filesystem::path catalog =
            std::filesystem::path(AppPaths::FromExecutable(*self).directory) /
            LanguageTable::CatalogRelativePath(1);
        if (!std::filesystem::exists(catalog))
            QFAIL(qPrintable(QStringLiteral("%1 is missing; build the quorlink-translations target")
                                 .arg(QString::fromStdString(catalog.string()))));
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "Languages");
        std::filesystem::copy_file(catalog, dir.path() / LanguageTable::CatalogRelativePath(1));
        const std::string executable = dir.file("quorlink-tool");

        // The first instance: English; the user picks Deutsch and agrees to the restart.
        CVrxQuorlink2ndApp* running = nullptr;
        int firstResult = 0;
        std::vector<std::string> questions;
        RecordingPlatform firstPlatform(executable, [&] {
            MainWindowHarness window(*running);
            window.messages.answers = {true};
            window.view->show();
            QTimer::singleShot(0, window.view.get(), [&] { ChooseFromLanguageMenu(window.view.get(), 1); });
            firstResult = window.view->DoModal();
            questions = window.messages.Questions();
            return firstResult;
        });
        CVrxQuorlink2ndApp firstApp(firstPlatform);
        running = &firstApp;
        QCOMPARE(firstApp.InitInstance(), false);
        QCOMPARE(firstResult, int(IDOK));
        // Asked in the language of the running instance, English.
        QCOMPARE(questions, std::vector<std::string>{StringTable::English(StringId::SwitchLanguageQuestion)});
        QCOMPARE(firstPlatform.started, std::vector<std::string>{executable});
        QCOMPARE(VRXReadConfigurationInfoFromFile(PreferenceKey::Language), std::optional<std::string>("1"));

        // The new instance comes up in German.
        int language = -1;
        QString header;
        QString searchText;
        QStringList questionButtons;
        RecordingPlatform secondPlatform(executable, [&] {
            MainWindowHarness window(*running);
            language = running->CurrentLanguage();
            // Qt's own texts come in the same language: the buttons of a question.
            QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
            questionButtons << box.button(QMessageBox::Yes)->text() << box.button(QMessageBox::No)->text();
            header = window.list()->horizontalHeaderItem(1)->text();
            window.searchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}}, {});
            searchText = Mnemonics::Strip(window.button("btnSearch")->text());
            return int(IDCANCEL);
        });
        CVrxQuorlink2ndApp secondApp(secondPlatform);
        running = &secondApp;
        secondApp.InitInstance();

        int error = 0;
        const auto german = QtTextCatalog::Load(catalog.string(), error);
        QVERIFY(german);
        const auto ipAddress = german->Translate(StringTable::kContext, "IP Address", "103");
        const auto refresh = german->Translate(StringTable::kContext, "Refresh", "107");
        QVERIFY(ipAddress && *ipAddress != "IP Address");
        QVERIFY(refresh && *refresh != "Refresh");
        QCOMPARE(language, 1);
        QCOMPARE(header, QString::fromStdString(*ipAddress));
        QCOMPARE(searchText, QString::fromStdString(*refresh));
        QCOMPARE(questionButtons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QVERIFY(secondPlatform.started.empty());

        StringTable::SetCatalog(nullptr);
        ResetPreferences();
    }

    // Every language of the table but English has Qt's own catalog installed beside ours; English leaves
    // Qt's built-in texts, and a switch replaces the catalog of the language before.
    void toolkitTextsFollowTheLanguage() {
        RecordingPlatform platform("/nonexistent/quorlink-tool", [] { return int(IDCANCEL); });
        auto yes = [] {
            QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
            return box.button(QMessageBox::Yes)->text();
        };
        const QString english = yes();
        QCOMPARE(english, QStringLiteral("&Yes"));
        for (int index = 1; index < LanguageTable::kCount; ++index) {
            platform.UseToolkitLanguage(index);
            QVERIFY2(yes() != english, LanguageTable::ToolkitLocaleName(index));
        }
        platform.UseToolkitLanguage(6);
        QCOMPARE(yes(), QStringLiteral("&Igen"));
        platform.UseToolkitLanguage(0);
        QCOMPARE(yes(), english);
    }
};

QTEST_MAIN(LanguageMenuTest)
#include "language_menu_test.moc"
