#pragma once

#include "app/AppPaths.h"
#include "app/ITextCatalog.h"

#include <memory>
#include <string>

// What start-up needs of the platform and the window toolkit; the GUI implements it with Qt, tests with
// scripted fakes.
class IAppPlatform {
public:
    virtual ~IAppPlatform() = default;
    // The toolkit's own set-up (styles, fonts).
    virtual void InitToolkit() {}
    // The running program's full path, or "" with errorCode set (an errno value) when it cannot be had.
    virtual std::string ExecutablePath(int& errorCode) = 0;
    // Loads the language catalog at path; nullptr with errorCode set when it cannot be loaded.
    virtual std::unique_ptr<ITextCatalog> LoadCatalog(const std::string& path, int& errorCode) = 0;
    // Gives the toolkit's own texts (the buttons of message boxes and the like) the language of index,
    // whose catalog has just become the one in use.
    virtual void UseToolkitLanguage(int /*index*/) {}
    // The desktop's interface language as a locale name ("de_DE", "zh_TW").
    virtual std::string UserInterfaceLocale() = 0;
    // Builds and runs the main window modally; IDOK after a language switch, IDCANCEL otherwise.
    virtual int RunMainWindow() = 0;
    // Starts a new process of program; false when it cannot be started.
    virtual bool StartProcess(const std::string& program, const std::string& workingDirectory) = 0;
};

// The language choice as the language menu sees it.
class ILanguageSelection {
public:
    virtual ~ILanguageSelection() = default;
    virtual int CurrentLanguage() const = 0;
    virtual void SetLanguageResource(int index) = 0;
};

// The application object: reads the preferences, chooses the interface language, runs the main window
// and restarts the program after a language switch.
class CVrxQuorlink2ndApp : public ILanguageSelection {
public:
    explicit CVrxQuorlink2ndApp(IAppPlatform& platform);

    // The start-up sequence; always false, so the process ends when it returns.
    bool InitInstance();

    // Stores index in "PREFERENCE[1]" and makes its catalog the source of every later text.
    void SetLanguageResource(int index) override;
    int CurrentLanguage() const override { return m_nLanguage; }

    // The 16-bit language identifier of the desktop's interface language.
    std::uint16_t GetUserInterfaceLanguage();

    int m_nLanguage = 0;
    // The catalog in use, and the built-in one (a null catalog is the built-in English). Until a language
    // has been switched to successfully there is no catalog in use at all, which m_bHaveCurrResource tells
    // apart from the built-in one.
    std::shared_ptr<const ITextCatalog> m_hCurrResource;
    std::shared_ptr<const ITextCatalog> m_hDefResource;
    bool m_bHaveCurrResource = false;

private:
    IAppPlatform& m_platform;
};
