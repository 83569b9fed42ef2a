#include "ui/qt/QtAppPlatform.h"

#include "app/ProcessLauncher.h"
#include "ui/qt/QtTextCatalog.h"

#include "app/LanguageTable.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>

QtAppPlatform::QtAppPlatform(std::function<int()> runMainWindow)
    : m_runMainWindow(std::move(runMainWindow)) {}

void QtAppPlatform::InitToolkit() {
    if (auto* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

std::string QtAppPlatform::ExecutablePath(int& errorCode) {
    return AppPaths::CurrentExecutable(&errorCode).value_or(std::string());
}

std::unique_ptr<ITextCatalog> QtAppPlatform::LoadCatalog(const std::string& path, int& errorCode) {
    return QtTextCatalog::Load(path, errorCode);
}

std::string QtAppPlatform::UserInterfaceLocale() {
    const QStringList languages = QLocale::system().uiLanguages();
    return (languages.isEmpty() ? QLocale::system().name() : languages.first()).toStdString();
}

void QtAppPlatform::UseToolkitLanguage(int index) {
    if (m_toolkitTranslator) {
        QCoreApplication::removeTranslator(m_toolkitTranslator.get());
        m_toolkitTranslator.reset();
    }
    if (index == 0)
        return;
    auto translator = std::make_unique<QTranslator>();
    const QString name =
        QStringLiteral("qtbase_") + QString::fromLatin1(LanguageTable::ToolkitLocaleName(index));
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        m_toolkitTranslator = std::move(translator);
}

int QtAppPlatform::RunMainWindow() {
    return m_runMainWindow();
}

bool QtAppPlatform::StartProcess(const std::string& program, const std::string& workingDirectory) {
    return StartDetachedProcess(program, workingDirectory).has_value();
}
