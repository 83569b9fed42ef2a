#pragma once

#include "app/CVrxQuorlink2ndApp.h"

#include <QTranslator>

#include <functional>
#include <memory>

// Start-up's platform on Qt: the running executable, Qt Linguist catalogs, the desktop's locale, the main
// window and the restart by re-executing the program.
class QtAppPlatform : public IAppPlatform {
public:
    // runMainWindow builds and runs the main window for the application object; it returns IDOK or IDCANCEL.
    explicit QtAppPlatform(std::function<int()> runMainWindow);

    void InitToolkit() override;
    std::string ExecutablePath(int& errorCode) override;
    std::unique_ptr<ITextCatalog> LoadCatalog(const std::string& path, int& errorCode) override;
    std::string UserInterfaceLocale() override;
    // Installs Qt's own catalog of the language (qtbase_xx.qm from Qt's translations folder) beside ours;
    // English, or a language Qt has no catalog for, leaves Qt's built-in texts.
    void UseToolkitLanguage(int index) override;
    int RunMainWindow() override;
    bool StartProcess(const std::string& program, const std::string& workingDirectory) override;

private:
    std::function<int()> m_runMainWindow;
    std::unique_ptr<QTranslator> m_toolkitTranslator;
};
