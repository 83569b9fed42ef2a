#include "app/CVrxQuorlink2ndApp.h"

#include "app/DiagnosticLog.h"
#include "app/DialogResult.h"
#include "app/LanguageTable.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "devport/CCupsSpoolerHold.h"

#include <cstring>

CVrxQuorlink2ndApp::CVrxQuorlink2ndApp(IAppPlatform& platform) : m_platform(platform) {}

bool CVrxQuorlink2ndApp::InitInstance() {
    m_platform.InitToolkit();

    int pathError = 0;
    const std::string executable = m_platform.ExecutablePath(pathError);
    if (executable.empty())
        ResetPreferences();
    else
        InitPreference(AppPaths::Locate(executable));
    // Print queues that an earlier run left paused when it ended without giving them back.
    CCupsSpoolerHold::ResumeQueuesOfEndedRuns();

    int language = 0;
    if (const auto stored = ReadPreferenceInt(PreferenceKey::Language)) {
        language = *stored;
        WriteLog("InitInstance : nLanguage = %d", language);
        if (language < 0)
            language = LanguageTable::IndexForLanguageId(GetUserInterfaceLanguage());
    }

    m_hDefResource = StringTable::Catalog();
    SetLanguageResource(language);

    const int result = m_platform.RunMainWindow();
    if (result == IDOK && !executable.empty())
        m_platform.StartProcess(executable, AppPaths::FromExecutable(executable).directory);
    return false;
}

std::uint16_t CVrxQuorlink2ndApp::GetUserInterfaceLanguage() {
    return LanguageTable::LanguageIdFromLocaleName(m_platform.UserInterfaceLocale());
}

void CVrxQuorlink2ndApp::SetLanguageResource(int index) {
    WriteLog("SetLanguageResource : START");
    WriteLog("SetLanguageResource : nLanguage = %d", index);

    if (VRXWriteConfigurationInfoFromFile(PreferenceKey::Language, std::to_string(index)))
        m_nLanguage = index;
    else
        WriteLog("SetLanguageResource : VRXWriteConfigurationInfoFromFile failed.");

    int pathError = 0;
    const std::string module = m_platform.ExecutablePath(pathError);
    if (module.empty()) {
        WriteLog("SetLanguageResource : GetModuleFileName failed with (%d)", pathError);
        WriteLog("SetLanguageResource : END");
        return;
    }
    WriteLog("SetLanguageResource : szModuleName (0) = %s", module.c_str());
    const std::string directory = module.substr(0, module.rfind('/') + 1);
    WriteLog("SetLanguageResource : szModuleName (1) = %s", directory.c_str());
    WriteLog("SetLanguageResource : szModuleDirectory = %s", directory.c_str());
    // Installed, the catalogs lie in the share folder; otherwise beside the executable.
    const std::string catalogPath =
        AppPaths::Locate(module).dataDirectory + LanguageTable::CatalogRelativePath(index);
    WriteLog("SetLanguageResource : szModuleName (2) = %s", catalogPath.c_str());

    int catalogLanguage = -1; // the language whose catalog this call put in use
    if (index != 0) {
        int error = 0;
        std::shared_ptr<const ITextCatalog> catalog;
        if (index >= 1 && index < LanguageTable::kCount)
            catalog = m_platform.LoadCatalog(catalogPath, error);
        else
            error = EISDIR; // the folder itself is no catalog
        WriteLog("SetLanguageResource : hResource == 0x%lx", reinterpret_cast<unsigned long>(catalog.get()));
        if (catalog) {
            m_hCurrResource = catalog;
            m_bHaveCurrResource = true;
            catalogLanguage = index;
        } else {
            WriteLog("SetLanguageResource : LoadLibrary failed with (%d)", error);
        }
        WriteLog("SetLanguageResource : LoadLibrary");
    } else {
        m_hCurrResource = m_hDefResource;
        m_bHaveCurrResource = true;
        catalogLanguage = 0;
    }

    // A failed first load leaves no catalog in use: the texts stay as they are, unswitched.
    if (m_bHaveCurrResource) {
        WriteLog("SetLanguageResource : m_hCurrResource == 0x%lx",
                 reinterpret_cast<unsigned long>(m_hCurrResource.get()));
        WriteLog("SetLanguageResource : m_hDefResource == 0x%lx",
                 reinterpret_cast<unsigned long>(m_hDefResource.get()));
        StringTable::SetCatalog(m_hCurrResource);
        WriteLog("SetLanguageResource : AfxSetResourceHandle");
        if (catalogLanguage >= 0)
            m_platform.UseToolkitLanguage(catalogLanguage);
    }
    WriteLog("SetLanguageResource : END");
}
