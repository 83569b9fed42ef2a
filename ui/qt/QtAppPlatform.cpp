#include "ui/qt/QtAppPlatform.h"

#include "app/ProcessLauncher.h"
#include "ui/qt/QtTextCatalog.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

QtAppPlatform::QtAppPlatform(std::function<int()> runMainWindow)
    : m_runMainWindow(std::move(runMainWindow)) {}

void QtAppPlatform::InitToolkit() {
    if (auto* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

std::string QtAppPlatform::ExecutablePath() {
    return AppPaths::CurrentExecutable().value_or(std::string());
}

std::unique_ptr<ITextCatalog> QtAppPlatform::LoadCatalog(const std::string& path, int& errorCode) {
    return QtTextCatalog::Load(path, errorCode);
}

std::string QtAppPlatform::UserInterfaceLocale() {
    const QStringList languages = QLocale::system().uiLanguages();
    return (languages.isEmpty() ? QLocale::system().name() : languages.first()).toStdString();
}

int QtAppPlatform::RunMainWindow() {
    return m_runMainWindow();
}

bool QtAppPlatform::StartProcess(const std::string& program, const std::string& workingDirectory) {
    return StartDetachedProcess(program, workingDirectory).has_value();
}
