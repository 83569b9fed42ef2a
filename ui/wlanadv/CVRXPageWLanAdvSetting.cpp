#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"

#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "devcfg/PropertyIds.h"

#include <cstring>

namespace {

// The text table: entry 0 is text 112, entry 1 text 145, entry i text 158 + i.
int TextIdOfEntry(int index) {
    return index == 0 ? 112 : index == 1 ? 145 : 158 + index;
}

constexpr int kTextSuccessToGet = 160;
constexpr int kTextFailedToGet = 161;
constexpr int kTextChangesApplied = 162;
constexpr int kTextSave = 267;
constexpr int kTextConnect = 268;
constexpr int kTextFactoryResetQuestion = 274;
constexpr int kTextFactoryResetFailed = 276;

// The spooler target of the connection dialog's port test, before the user has chosen: both kinds.
constexpr int kSpoolerBothPorts = 2;

} // namespace

CVRXPageWLanAdvSetting::CVRXPageWLanAdvSetting(DeviceConfigState& state, Services services, IWindowLoop& loop,
                                               IMessageBox& messages, ICursor& cursor, IPageTimer& timer,
                                               IWaitingDialog& waiting, IFileDialogs& files,
                                               IDeviceConnectionDialog& connection,
                                               IMainWindowMessages& mainWindow, IGroupEditor& editor)
    : m_state(state), m_messages(messages), m_cursor(cursor), m_timer(timer), m_waiting(waiting),
      m_files(files), m_connection(connection), m_mainWindow(mainWindow), m_editor(editor),
      m_spooler(services.spooler), m_sleeper(services.sleeper, [this] { return m_timer.Now(); }),
      m_worker(loop), m_windowThread(m_worker, {&messages, &cursor, this, this, &editor.Validator()}),
      m_configurationFile(m_windowThread) {
    DeviceExchangeServices exchange;
    exchange.ports = services.ports;
    exchange.spooler = services.spooler;
    exchange.sleeper = &m_sleeper;
    exchange.messages = &m_windowThread;
    exchange.cursor = &m_windowThread;
    exchange.waiting = &m_windowThread;
    exchange.validator = &m_windowThread;
    exchange.grid = &m_windowThread;
    exchange.fileReader = &m_configurationFile;
    m_exchange = std::make_unique<DeviceConfigExchange>(m_state, exchange);
    Grid1().SetChangeHandler([this](PropertyItem& item) { OnPropertyChanged(&item); });
    Grid2().SetChangeHandler([this](PropertyItem& item) { OnPropertyChanged(&item); });
}

CVRXPageWLanAdvSetting::~CVRXPageWLanAdvSetting() = default;

std::string CVRXPageWLanAdvSetting::Text(int id) const {
    for (int index = 0; index < kTextTableSize; ++index)
        if (TextIdOfEntry(index) == id && !m_texts[static_cast<std::size_t>(index)].empty())
            return m_texts[static_cast<std::size_t>(index)];
    return LoadString(id);
}

bool CVRXPageWLanAdvSetting::OnInitDialog() {
    WriteLog("CVRXPageWLanAdvSetting::OnInitDialog : START");
    for (int index = 0; index < kTextTableSize; ++index)
        m_texts[static_cast<std::size_t>(index)] = LoadString(TextIdOfEntry(index));
    m_state.m_bRefusal = false;
    m_bConnected = false;
    m_state.m_nCertificateType = -1;
    m_bIconToggle = true;

    Grid1().Show(true);
    Grid2().Show(false);
    Grid1().Enable(false);
    Grid2().Enable(false);

    m_controls.connectText = Text(kTextConnect);
    m_controls.connectIcon = IDI_CONNECT;
    m_controls.disconnectVisible = false;
    m_controls.saveAsFileVisible = false;
    m_controls.fileOpenVisible = false;
    m_controls.factoryResetVisible = false;
    m_controls.iconButtonIcon = IDI_TOGGLE_SET;
    m_controls.pageButtonsEnabled = false;
    m_controls.raisedPageButton = 1;
    m_controls.selectorItems = {Text(112), Text(145)};
    m_controls.selectorSelected = 0;
    m_controls.selectorEnabled = false;

    m_bExpand = ParseExpandedGroups(VRXReadConfigurationInfoFromFile(PreferenceKey::ExpandedGroups));
    m_bExpand[0] = false;
    for (int group = 1; group <= 9; ++group)
        m_editor.SetGroupExpanded(group, m_bExpand[static_cast<std::size_t>(group)]);
    WriteLog("CVRXPageWLanAdvSetting::OnInitDialog : END");
    Changed();
    return true;
}

void CVRXPageWLanAdvSetting::BeginBusy() {
    if (m_nBusy++ > 0)
        return;
    Grid1().Lock(true);
    Grid2().Lock(true);
    m_controls.busy = true;
    Changed();
}

void CVRXPageWLanAdvSetting::EndBusy() {
    if (--m_nBusy > 0)
        return;
    Grid1().Lock(false);
    Grid2().Lock(false);
    m_controls.busy = false;
    Changed();
}

bool CVRXPageWLanAdvSetting::RunExchange(const std::function<void()>& work) {
    if (IsBusy() || m_worker.IsRunning()) {
        WriteLog("CVRXPageWLanAdvSetting : an exchange is running already");
        return false;
    }
    BeginBusy();
    const bool ran = m_worker.Run(work);
    EndBusy();
    return ran;
}

void CVRXPageWLanAdvSetting::HoldPort(int nTargetPort) {
    if (m_spooler)
        RunExchange([this, nTargetPort] { m_exchange->HoldSpooler(nTargetPort); });
}

void CVRXPageWLanAdvSetting::RestorePort() {
    if (m_spooler)
        RunExchange([this] { m_exchange->RestoreSpooler(); });
}

bool CVRXPageWLanAdvSetting::HasUnsavedEdits() {
    if (!m_bConnected)
        return false;
    if (m_recordSavedToFile && std::memcmp(&*m_recordSavedToFile, &m_state.m_ConfigurationInfo,
                                           sizeof(WLAN_ADVANCED_CONFIG_INFO)) == 0)
        return false;
    for (const int grid : {1, 2})
        for (const PropertyItem* item : m_editor.Grid(grid).Items())
            if (item->IsModified())
                return true;
    return false;
}

// ---- Connect / Save ---------------------------------------------------------------------------------------

void CVRXPageWLanAdvSetting::OnBnClickedConnectBtn() {
    if (IsBusy())
        return;
    WriteLog("OnBnClickedConnectBtn : START, m_bConnected = %d", m_bConnected ? 1 : 0);
    if (!m_bConnected)
        ConnectAndRead();
    else
        SaveToPrinter();
    WriteLog("OnBnClickedConnectBtn : END");
}

void CVRXPageWLanAdvSetting::SaveToPrinter() {
    WriteLog("SaveNewConfiguration : START");
    BeginBusy();
    // The checks, the question and the record to send, here on the window thread; the worker gets a copy
    // that nothing here touches while it is on the line.
    const std::optional<WLAN_ADVANCED_CONFIG_INFO> record = m_exchange->PrepareConfigurationToSend(false);
    bool saved = false;
    if (record) {
        m_cursor.ShowWait();
        m_worker.Run([this, &record, &saved] { saved = m_exchange->SendNewConfiguration(*record); });
        m_cursor.ShowArrow();
        // The printer took the record: it is the working record now. A refused save keeps the edits as
        // the grids show them.
        if (saved)
            m_state.m_ConfigurationInfo = *record;
    }
    EndBusy();
    WriteLog("SaveNewConfiguration : END");
    if (!record)
        ShowFailedItem();
    if (saved) {
        m_messages.ShowInformation(Text(kTextChangesApplied));
        OnBnClickedDisconnectBtn();
    }
}

void CVRXPageWLanAdvSetting::ShowFailedItem() {
    const std::uint32_t id = m_editor.Validator().FailedItem();
    if (id == 0 || !m_bConnected)
        return;
    const int grid = GridOfProperty(id);
    PropertyItem* item = m_editor.Grid(grid).FindItem(id);
    if (!item)
        return;
    if (grid == 2)
        OnBnClickedPage2Btn();
    else
        OnBnClickedPage1Btn();
    if (PropertyGroup* group = item->Group())
        group->Expand(true);
    m_editor.Grid(grid).SelectItem(id);
}

void CVRXPageWLanAdvSetting::ConnectAndRead() {
    m_bRetryResult = false;
    m_bWaitingCancelled = false;
    // The queues are held once, from before the connection dialog's port test (which opens the port, so
    // both kinds) to after the last retry: a job let go between two reads would be stopped mid-label by the
    // next.
    HoldPort(m_state.m_strFilePath.empty() ? kSpoolerBothPorts
                                           : static_cast<int>(m_state.m_dwConnectionType));
    if (m_state.m_strFilePath.empty()) {
        const IDeviceConnectionDialog::Choice choice = m_connection.Run();
        WriteLog("OnBnClickedConnectBtn : connection dialog result = %d", choice.result);
        if (choice.result != 1) {
            RestorePort();
            // A port that cannot be opened is a failure like any other: the user is told, and what to do
            // about it where the port knows why it did not open.
            if (choice.result == 2 && !choice.openFailureAdvice.empty())
                m_messages.ShowError(Text(kTextFailedToGet) + "\n\n" + choice.openFailureAdvice);
            else if (choice.result == 2 || choice.result == 3)
                m_messages.ShowError(Text(kTextFailedToGet));
            return;
        }
        m_state.m_dwConnectionType = choice.interfaceType;
    }

    std::uint32_t received = 0;
    bool read = false;
    m_cursor.ShowWait();
    RunExchange([this, &read, &received] { read = m_exchange->GetCurrentConfiguration(&received); });
    m_cursor.ShowArrow();
    WriteLog("OnBnClickedConnectBtn : GetCurrentConfiguration = %d, received = %u", read ? 1 : 0, received);
    // A module that answered the start with one or two bytes is not worth asking again.
    if (!read && (received == 0 || received > 2)) {
        m_nCountdown = kRetryCountdownMs;
        // The countdown is wall time too: on a silent line a read takes seconds, not the tick's moment.
        m_retryDeadline = m_timer.Now() + std::chrono::milliseconds(kRetryCountdownMs);
        m_sleeper.SetDeadline(m_retryDeadline);
        m_timer.StartTimer(TIMER_ID_1, kTimerPeriodMs);
        m_waiting.RunModalCancellable([this] { OnWaitingCancelled(); });
        m_sleeper.Reset();
        if (m_bWaitingCancelled)
            m_bRetryResult = false;
    }
    RestorePort();
    if (read || m_bRetryResult) {
        EnterConnectedState();
        m_messages.ShowInformation(Text(kTextSuccessToGet));
    } else {
        m_messages.ShowError(Text(kTextFailedToGet));
    }
}

void CVRXPageWLanAdvSetting::EnterConnectedState() {
    m_bConnected = true;
    m_recordSavedToFile.reset();
    m_controls.connectIcon = IDI_SAVE;
    m_controls.connectText = Text(kTextSave);
    m_controls.disconnectVisible = true;
    m_controls.iconButtonEnabled = true;
    m_controls.factoryResetVisible = m_state.m_bFactoryReset;
    m_controls.saveAsFileVisible = true;
    m_controls.fileOpenVisible = true;
    if (m_state.m_bRefusal)
        m_controls.iconButtonEnabled = false;
    Grid1().Enable(true);
    Grid2().Enable(true);
    m_controls.pageButtonsEnabled = true;
    m_controls.selectorEnabled = true;
    Grid1().Show(true);
    Grid2().Show(false);
    m_controls.selectorSelected = 0;
    m_controls.raisedPageButton = 1; // grid #1 is shown, whichever was shown before the last Disconnect
    Changed();
}

void CVRXPageWLanAdvSetting::OnBnClickedDisconnectBtn() {
    if (IsBusy())
        return;
    m_bConnected = false;
    m_controls.connectIcon = IDI_CONNECT;
    m_controls.connectText = Text(kTextConnect);
    m_bIconToggle = true;
    m_controls.iconButtonIcon = IDI_TOGGLE_SET;
    Grid1().Enable(false);
    Grid2().Enable(false);
    m_controls.pageButtonsEnabled = false;
    m_controls.selectorEnabled = false;
    m_controls.iconButtonEnabled = false;
    m_editor.Clear();
    Grid1().Show(false);
    Grid2().Show(false);
    m_controls.disconnectVisible = false;
    m_controls.saveAsFileVisible = false;
    m_controls.fileOpenVisible = false;
    m_controls.factoryResetVisible = false;
    Changed();
}

void CVRXPageWLanAdvSetting::OnBnClickedCloseBtn() {
    if (IsBusy())
        return;
    m_mainWindow.PostMessage(MainWindowMessage::Close);
}

// ---- the two grids ----------------------------------------------------------------------------------------

void CVRXPageWLanAdvSetting::ShowPage(int page) {
    const bool first = page == 1;
    Grid1().Show(first);
    Grid2().Show(!first);
    m_controls.selectorSelected = first ? 0 : 1;
    m_controls.raisedPageButton = page;
    Changed();
}

void CVRXPageWLanAdvSetting::OnBnClickedPage1Btn() {
    if (IsBusy())
        return;
    m_controls.iconButtonEnabled = !m_state.m_bRefusal;
    m_controls.focusControl = IDC_BTN_PAGE2;
    ++m_controls.focusSerial;
    ShowPage(1);
}

void CVRXPageWLanAdvSetting::OnBnClickedPage2Btn() {
    if (IsBusy())
        return;
    m_controls.iconButtonEnabled = false;
    m_controls.focusControl = IDC_BTN_PAGE1;
    ++m_controls.focusSerial;
    ShowPage(2);
}

void CVRXPageWLanAdvSetting::OnPageSelected(int index) {
    if (IsBusy() || index < 0 || index > 1)
        return;
    Grid1().Show(index == 0);
    Grid2().Show(index == 1);
    m_controls.selectorSelected = index;
    Changed();
}

void CVRXPageWLanAdvSetting::OnBnClickedIconBtn() {
    if (IsBusy())
        return;
    m_bIconToggle = !m_bIconToggle;
    m_controls.iconButtonIcon = m_bIconToggle ? IDI_TOGGLE_SET : IDI_TOGGLE_CLEAR;
    Changed();
}

std::vector<int> CVRXPageWLanAdvSetting::VisibleItemIdentifiers(int nGrid) {
    return m_editor.VisibleItemIdentifiers(nGrid);
}

void CVRXPageWLanAdvSetting::RebuildGroups() {
    m_editor.RebuildGroups();
    Changed();
}

void CVRXPageWLanAdvSetting::OnPropertyChanged(PropertyItem* item) {
    if (!item)
        return;
    const std::uint32_t id = item->Id();
    // 21 to 23 and 40 to 42 are read-only; nothing outside the groups' ranges is dispatched.
    const bool dispatched = (id >= VRX_GROUP1_PROPERTY_ID_1 && id <= VRX_GROUP3_PROPERTY_ID_7) ||
                            (id >= VRX_GROUP5_PROPERTY_ID_1 && id <= VRX_GROUP8_PROPERTY_ID_2);
    if (dispatched)
        m_editor.PropertyChanged(*item);
}

// ---- files ------------------------------------------------------------------------------------------------

std::vector<IFileDialogs::Filter> CVRXPageWLanAdvSetting::OpenFilters() {
    return {{"*.qlt", "*.qlt"}, {"*.*", "*"}};
}

std::vector<IFileDialogs::Filter> CVRXPageWLanAdvSetting::SaveFilters() {
    return {{"*.qlt", "*.qlt"}};
}

void CVRXPageWLanAdvSetting::OnBnClickedFileOpenBtn() {
    if (IsBusy())
        return;
    const std::optional<std::string> path = m_files.GetOpenFileName("qlt", OpenFilters());
    if (!path)
        return;
    WriteLog("OnBnClickedFileOpenBtn : %s", path->c_str());
    OnBnClickedDisconnectBtn();
    m_bConnected = false;
    m_state.m_strFilePath = *path;
    ConnectAndRead();
    m_state.m_strFilePath.clear();
}

void CVRXPageWLanAdvSetting::OnBnClickedSaveAsFileBtn() {
    if (IsBusy())
        return;
    const std::optional<std::string> path = m_files.GetSaveFileName("qlt", SaveFilters());
    if (!path)
        return;
    // No printer takes part: the checks, the record and the file are the window thread's. The record is
    // a copy: the working record stays as the grids show it.
    BeginBusy();
    const bool saved = m_configurationFile.SaveAsFile(*m_exchange, *path);
    EndBusy();
    if (saved) {
        m_recordSavedToFile = m_state.m_ConfigurationInfo;
    } else {
        WriteLog("OnBnClickedSaveAsFileBtn : SaveNewConfiguration failed.");
        ShowFailedItem();
    }
}

// ---- factory reset ----------------------------------------------------------------------------------------

void CVRXPageWLanAdvSetting::OnBnClickedFactoryResetBtn() {
    if (IsBusy())
        return;
    if (!m_messages.AskYesNo(Text(kTextFactoryResetQuestion)))
        return;
    // The queues are held across the reset and its 20 s wait (WaitFor, behind the waiting dialog). The
    // page is idle and the queues given back before the user is told.
    HoldPort(static_cast<int>(m_state.m_dwConnectionType));
    bool reset = false;
    RunExchange([this, &reset] { reset = m_exchange->SendFactoryReset(); });
    OnBnClickedDisconnectBtn();
    RestorePort();
    if (reset)
        m_messages.ShowInformation(Text(kTextChangesApplied));
    else
        m_messages.ShowError(Text(kTextFactoryResetFailed));
}

void CVRXPageWLanAdvSetting::WaitFor(int nCountdownMs) {
    m_bRetryResult = false;
    m_nCountdown = nCountdownMs;
    m_timer.StartTimer(TIMER_ID_2, kTimerPeriodMs);
    m_waiting.RunModal();
}

void CVRXPageWLanAdvSetting::OnTimer(int id) {
    if (id != TIMER_ID_1 && id != TIMER_ID_2)
        return;
    if (id == TIMER_ID_1) {
        // A tick while the read still runs neither counts nor starts another one; nor does one after the
        // user cancelled.
        if (IsBusy() || m_bWaitingCancelled)
            return;
        if (m_timer.Now() >= m_retryDeadline) {
            // The countdown's time is over: no read starts after it.
            WriteLog("OnTimer : %d, the retries' time is over, countdown = %d", id, m_nCountdown);
            m_timer.StopTimer(id);
            m_waiting.Close();
            return;
        }
        m_cursor.ShowWait();
        bool result = false;
        RunExchange([this, &result] { result = m_exchange->GetCurrentConfiguration(nullptr); });
        if (m_bWaitingCancelled) {
            // Cancelled while the read ran: the dialog is closed already.
            m_cursor.ShowArrow();
            return;
        }
        m_bRetryResult = result;
    } else {
        m_cursor.ShowWait();
    }
    m_nCountdown -= kTimerPeriodMs;
    WriteLog("OnTimer : %d, countdown = %d, retry result = %d", id, m_nCountdown, m_bRetryResult ? 1 : 0);
    // A read cut short by the deadline ends the retries as well, without a tick to wait for.
    const bool timeOver = id == TIMER_ID_1 && m_timer.Now() >= m_retryDeadline;
    if (m_nCountdown < 1 || m_bRetryResult || timeOver) {
        m_timer.StopTimer(id);
        m_waiting.Close();
    }
    m_cursor.ShowArrow();
}

void CVRXPageWLanAdvSetting::OnWaitingCancelled() {
    if (m_bWaitingCancelled)
        return;
    WriteLog("OnWaitingCancelled : countdown = %d", m_nCountdown);
    m_bWaitingCancelled = true;
    m_bRetryResult = false;
    m_sleeper.Cancel();
    m_timer.StopTimer(TIMER_ID_1);
    m_waiting.Close();
    m_cursor.ShowArrow();
}

void CVRXPageWLanAdvSetting::Changed() {
    if (m_changeListener)
        m_changeListener();
}
