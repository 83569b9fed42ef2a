#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "ui/qt/QtTextCatalog.h"

#include <QCoreApplication>
#include <QTest>
#include <cerrno>

// The catalogs built from translations/ lie in Languages/ beside the programs.
class TextCatalogTest : public QObject {
    Q_OBJECT

    static std::string CatalogPath(int index) {
        return QCoreApplication::applicationDirPath().toStdString() + "/" +
               LanguageTable::CatalogRelativePath(index);
    }

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    void translatesStringTableEntriesByNumber() {
        int error = -1;
        std::shared_ptr<const ITextCatalog> german = QtTextCatalog::Load(CatalogPath(1), error);
        QVERIFY(german);
        QCOMPARE(error, 0);
        StringTable::SetCatalog(german);
        QCOMPARE(LoadString(StringId::Refresh), std::string("Aktualisieren"));
        // Entries 109 and 118 share their English text; each is found by its own number.
        QCOMPARE(LoadString(StringId::ListWired), std::string("Kabelgebunden"));
        QCOMPARE(LoadString(StringId::SettingsWired), std::string("Kabelgebunden"));
        QCOMPARE(StringTable::Dialog("NoSuchWindow", "Untranslated"), std::string("Untranslated"));
    }

    void everyLanguageOfTheTableHasACatalog() {
        for (int index = 1; index < LanguageTable::kCount; ++index) {
            int error = -1;
            QVERIFY2(QtTextCatalog::Load(CatalogPath(index), error), CatalogPath(index).c_str());
        }
    }

    // The settings page tells wired from wireless printers by the list's type text (109, 110) compared with
    // its own (118, 119): a catalog that translates one of a pair differently would break every save.
    void everyCatalogTranslatesTheTypeTextsOfListAndSettingsAlike() {
        for (int index = 1; index < LanguageTable::kCount; ++index) {
            int error = -1;
            std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(CatalogPath(index), error);
            QVERIFY2(catalog, CatalogPath(index).c_str());
            StringTable::SetCatalog(catalog);
            const QByteArray where = QByteArray::fromStdString(CatalogPath(index));
            QVERIFY2(LoadString(StringId::ListWired) == LoadString(StringId::SettingsWired), where);
            QVERIFY2(LoadString(StringId::ListWireless) == LoadString(StringId::SettingsWireless), where);
            QVERIFY2(LoadString(StringId::ListWired) != LoadString(StringId::ListWireless), where);
        }
    }

    // Every string-table entry is in every catalog, found by its number.
    void everyCatalogHasEveryStringTableEntry() {
        for (int index = 1; index < LanguageTable::kCount; ++index) {
            int error = -1;
            const auto catalog = QtTextCatalog::Load(CatalogPath(index), error);
            QVERIFY2(catalog, CatalogPath(index).c_str());
            for (const auto& [id, english] : StringTable::Entries()) {
                const auto translated =
                    catalog->Translate(StringTable::kContext, english, std::to_string(id));
                QVERIFY2(
                    translated && !translated->empty(),
                    qPrintable(
                        QStringLiteral("%1: %2").arg(QString::fromStdString(CatalogPath(index))).arg(id)));
            }
        }
    }

    void missingCatalogReportsWhy() {
        int error = 0;
        QVERIFY(!QtTextCatalog::Load("/nonexistent/HALDAQlinkDeu.qm", error));
        QCOMPARE(error, ENOENT);
    }
};

QTEST_GUILESS_MAIN(TextCatalogTest)
#include "text_catalog_test.moc"
