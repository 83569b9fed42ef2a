#include "ui/wlanadv/WLanAdvItemHost.h"

#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "devcfg/PropertyIds.h"

#include <thread>

WLanAdvItemHost::WLanAdvItemHost(WLanAdvGroupEditor& editor, DeviceConfigExchange& exchange,
                                 IWLanAdvDialogs& dialogs, IMessageBox& messages, ISpoolerHold* spooler,
                                 ExchangeRunner runner, IDeviceSleeper* sleeper)
    : m_editor(editor), m_exchange(exchange), m_dialogs(dialogs), m_messages(messages), m_spooler(spooler),
      m_runner(std::move(runner)), m_sleeper(sleeper) {}

std::optional<int> WLanAdvItemHost::ShowPasswordPreference() const {
    return ReadPreferenceInt(PreferenceKey::ShowPassword);
}

bool WLanAdvItemHost::ValidateItemText(std::uint32_t id, const std::string& text) {
    return m_editor.Validator().DataValidation4Item(id, text);
}

void WLanAdvItemHost::ReportChanged(PropertyItem& item) {
    m_editor.Grid(GridOfProperty(item.Id())).ReportChanged(item);
}

// The spooler's calls go to the print server: off the window thread, like the exchanges. A hold that did not
// run (another exchange was running) is not given back either, so that it cannot end that one's hold.
void WLanAdvItemHost::ReleasePort() {
    if (!m_spooler || m_bReleased)
        return;
    const int target = m_editor.State().m_dwConnectionType == VRX_DEVICE_INTERFACE_SERIAL ? 1 : 0;
    m_bReleased = RunExchange([this, target] { m_spooler->ChangeWinDrvPortName(target); });
}

void WLanAdvItemHost::RestorePort() {
    if (!m_spooler || !m_bReleased)
        return;
    if (RunExchange([this] { m_spooler->RestoreWinDrvPortName(); }))
        m_bReleased = false;
}

bool WLanAdvItemHost::RunExchange(const std::function<void()>& work) {
    if (!m_runner) {
        work();
        return true;
    }
    if (!m_runner(work)) {
        WriteLog("WLanAdvItemHost : an exchange is running already");
        return false;
    }
    return true;
}

int WLanAdvItemHost::ScanAccessPoints(BSS_INFO (&table)[VRX_MAX_BSS_INFO]) {
    int count = 0;
    const bool ran = RunExchange([&] {
        if (!m_exchange.GetBSSInfoList())
            WriteLog("ScanAccessPoints : GetBSSInfoList failed");
        if (!m_exchange.GetBSSInfoData(table, count))
            count = 0;
    });
    return ran ? count : 0;
}

void WLanAdvItemHost::Wait(std::chrono::milliseconds duration) {
    // On the device worker, so that the window goes on painting meanwhile.
    RunExchange([this, duration] {
        if (m_sleeper)
            m_sleeper->Sleep(duration);
        else
            std::this_thread::sleep_for(duration);
    });
}

bool WLanAdvItemHost::UpdateCurrentConfiguration(int index) {
    return m_editor.UpdateCurrentConfiguration(index);
}

bool WLanAdvItemHost::DataValidation4Certificate(const std::string& path) {
    return m_exchange.Certificates().DataValidation4Certificate(path);
}

bool WLanAdvItemHost::LoadedCertificateIsPemOrDer() const {
    const DeviceConfigState& state = m_editor.State();
    return DeviceCertificateExchange::IsPemOrDer(state.m_Certificate.data(), state.m_dwCertificateSize);
}

bool WLanAdvItemHost::UploadCertificateDocument(const std::string& name) {
    WriteLog("UploadCertificateDocument : START");
    bool result = false;
    if (!RunExchange([&] { result = m_exchange.SendCertificateDocument(name); }))
        result = false;
    if (result)
        m_editor.ShowUploadedCertificate(name);
    WriteLog("UploadCertificateDocument : result = %d", result ? 1 : 0);
    WriteLog("UploadCertificateDocument : END");
    return result;
}
