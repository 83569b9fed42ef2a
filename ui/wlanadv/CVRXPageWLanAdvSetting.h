#pragma once

#include "devcfg/CConfigurationFile.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devcfg/DeviceConfigState.h"
#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IExchangeWaiting.h"
#include "devcfg/InterruptibleSleeper.h"
#include "ui/ICursor.h"
#include "ui/IMainWindowMessages.h"
#include "ui/IMessageBox.h"
#include "ui/wlanadv/DeviceWorker.h"
#include "ui/wlanadv/IDeviceConnectionDialog.h"
#include "ui/wlanadv/IFileDialogs.h"
#include "ui/wlanadv/IGroupEditor.h"
#include "ui/wlanadv/IPageTimer.h"
#include "ui/wlanadv/IWaitingDialog.h"
#include "ui/wlanadv/PropertyGrid.h"
#include "ui/wlanadv/WindowThreadServices.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The WLAN (Advanced) page: over a USB or serial cable it reads the configuration of the printer's network
// module, shows it in two property grids (groups 1 to 5 in "Configuration #1", 6 to 9 in "Configuration
// #2"), lets the user edit it and sends it back, saves it to a .qlt file or loads one, and resets the module
// to its factory settings.
//
// Every exchange with the printer runs on the device worker while the window thread goes on handling its
// events (under the waiting dialog, or the wait cursor); the exchange's questions, messages, grid rebuild
// and field checks come back to the window thread. One exchange at a time: while one runs (or a file is
// written) the page is busy: the buttons and the timers' ticks do nothing, and both grids are locked, so
// that no edit, option or item button reaches the rules. A save's checks, question and record are the
// window thread's, done before the worker starts; the worker sends a copy and touches no grid.
//
// The controls are plain state here; the Qt view mirrors them and forwards the user's actions.
class CVRXPageWLanAdvSetting : public IConfigurationGrid, public IExchangeWaiting {
public:
    enum ControlId : int {
        IDC_BTN_PAGE1 = 1165,
        IDC_BTN_PAGE2 = 1166,
        IDC_BTN_CONNECT = 1167,
        IDC_BTN_DISCONNECT = 1168,
        IDC_BTN_CLOSE = 1169,
        IDC_BTN_SAVE_AS_FILE = 1170,
        IDC_BTN_FILE_OPEN = 1171,
        IDC_BTN_FACTORY_RESET = 1172,
        IDC_BTN_ICON = 1173,
        IDC_COMBO_PAGE = 1174,
    };

    // Icons of the resources, by number.
    enum IconId : int {
        IDI_FACTORY_RESET = 164,
        IDI_CLOSE = 207,
        IDI_SAVE_AS_FILE = 216,
        IDI_DISCONNECT = 217,
        IDI_FILE_OPEN = 221,
        IDI_SAVE = 223,
        IDI_CONNECT = 224,
        IDI_TOGGLE_CLEAR = 225,
        IDI_TOGGLE_SET = 226,
    };

    static constexpr int TIMER_ID_1 = 103; // the retries of a failed first read
    static constexpr int TIMER_ID_2 = 104; // the factory reset's wait
    static constexpr int kTimerPeriodMs = 1000;
    static constexpr int kRetryCountdownMs = 17500;
    static constexpr int kTextTableSize = 125;

    // Everything the view shows besides the grids.
    struct Controls {
        std::string connectText; // "Connect", or "Save" while connected
        int connectIcon = IDI_CONNECT;
        bool disconnectVisible = false;
        bool saveAsFileVisible = false;
        bool fileOpenVisible = false;
        bool factoryResetVisible = false;
        bool iconButtonEnabled = false;
        int iconButtonIcon = IDI_TOGGLE_SET;
        bool pageButtonsEnabled = false; // "1" and "2"
        int raisedPageButton = 1;        // the other one is drawn flat
        std::vector<std::string> selectorItems;
        int selectorSelected = -1;
        bool selectorEnabled = false;
        int focusControl = 0; // the control that gets the focus when focusSerial changes
        unsigned focusSerial = 0;
        bool busy = false; // an exchange runs: every button, grid and item button takes no input
    };

    struct Services {
        DevicePorts ports;
        ISpoolerHold* spooler = nullptr;
        IDeviceSleeper* sleeper = nullptr;
    };

    // state: what the page shares with its exchanges and the editor. The window thread's own services; the
    // page hands the exchanges their window-thread proxies.
    CVRXPageWLanAdvSetting(DeviceConfigState& state, Services services, IWindowLoop& loop,
                           IMessageBox& messages, ICursor& cursor, IPageTimer& timer, IWaitingDialog& waiting,
                           IFileDialogs& files, IDeviceConnectionDialog& connection,
                           IMainWindowMessages& mainWindow, IGroupEditor& editor);
    ~CVRXPageWLanAdvSetting() override;

    // Set-up: texts, grids, buttons, the expand flags of "PREFERENCE[5]".
    bool OnInitDialog();

    void OnBnClickedConnectBtn();
    void OnBnClickedDisconnectBtn();
    void OnBnClickedCloseBtn();
    void OnBnClickedPage1Btn();
    void OnBnClickedPage2Btn();
    // The page selector's item index (0 or 1) was chosen.
    void OnPageSelected(int index);
    void OnBnClickedFileOpenBtn();
    void OnBnClickedSaveAsFileBtn();
    void OnBnClickedFactoryResetBtn();
    void OnBnClickedIconBtn();
    // A tick of TIMER_ID_1 or TIMER_ID_2.
    void OnTimer(int id);
    // Cancel (or Escape) in the waiting dialog while it waits for a printer: the retries end at once, the
    // read under way is given up, and Connect says text 161.
    void OnWaitingCancelled();
    // The grid reports that the user changed item (nullptr: no item).
    void OnPropertyChanged(PropertyItem* item);

    // IConfigurationGrid: what the exchanges see of the grids.
    std::vector<int> VisibleItemIdentifiers(int nGrid) override;
    void RebuildGroups() override;
    // IExchangeWaiting: the factory reset's wait behind the waiting dialog and TIMER_ID_2.
    void WaitFor(int nCountdownMs) override;
    // Text id of the page's text table (the string table for a number outside it).
    std::string Text(int id) const;

    // Runs work on the device worker with the page busy (see above); false, work not run, when the page is
    // busy already. The grid items' scans and uploads run through here as well.
    bool RunExchange(const std::function<void()>& work);
    bool IsBusy() const { return m_nBusy > 0; }
    // Whether the grids hold edits that were neither sent nor written to a file (a changed row is marked,
    // and the record is not the one last written by Save as a file).
    bool HasUnsavedEdits();

    const Controls& GetControls() const { return m_controls; }
    PropertyGrid& Grid1() { return m_editor.Grid(1); }
    PropertyGrid& Grid2() { return m_editor.Grid(2); }
    DeviceConfigState& State() { return m_state; }
    DeviceConfigExchange& Exchange() { return *m_exchange; }
    DeviceWorker& Worker() { return m_worker; }
    bool IsConnected() const { return m_bConnected; }
    int Countdown() const { return m_nCountdown; }
    bool RetryResult() const { return m_bRetryResult; }
    bool WaitingCancelled() const { return m_bWaitingCancelled; }
    const std::array<bool, 10>& ExpandFlags() const { return m_bExpand; }
    // The n-th entry of the text table (0: text 112, 1: text 145, i: text 158 + i).
    const std::string& TextTableEntry(int index) const { return m_texts[static_cast<std::size_t>(index)]; }

    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }

    // The file filters of File Open and Save as a file.
    static std::vector<IFileDialogs::Filter> OpenFilters();
    static std::vector<IFileDialogs::Filter> SaveFilters();

private:
    // The spooler hold of a whole operation (a Connect with its retries, a save, a factory reset with its
    // wait), taken and given back on the device worker; the exchanges' own holds nest inside it.
    void HoldPort(int nTargetPort);
    void RestorePort();
    void BeginBusy();
    void EndBusy();
    // The save mode of the Connect button.
    void SaveToPrinter();
    // After a field check failed at a save: the grid that holds the row is shown and the row selected.
    void ShowFailedItem();
    // The connect mode of the Connect button, for the printer or (file path set) a file.
    void ConnectAndRead();
    void EnterConnectedState();
    void ShowPage(int page);
    void Changed();

    DeviceConfigState& m_state;
    IMessageBox& m_messages;
    ICursor& m_cursor;
    IPageTimer& m_timer;
    IWaitingDialog& m_waiting;
    IFileDialogs& m_files;
    IDeviceConnectionDialog& m_connection;
    IMainWindowMessages& m_mainWindow;
    IGroupEditor& m_editor;
    ISpoolerHold* m_spooler;

    // The exchanges' delays: the retries' deadline and the waiting dialog's Cancel cut them short.
    InterruptibleSleeper m_sleeper;
    DeviceWorker m_worker;
    WindowThreadServices m_windowThread;
    CConfigurationFile m_configurationFile;
    std::unique_ptr<DeviceConfigExchange> m_exchange;

    std::vector<std::string> m_texts = std::vector<std::string>(kTextTableSize);
    std::array<bool, 10> m_bExpand{}; // index n for group n

    int m_nBusy = 0;
    // The working record as Save as a file last wrote it (while connected).
    std::optional<WLAN_ADVANCED_CONFIG_INFO> m_recordSavedToFile;
    bool m_bConnected = false;
    bool m_bIconToggle = true;
    int m_nCountdown = 0;
    bool m_bRetryResult = false;
    bool m_bWaitingCancelled = false;
    // The retries end by then, whatever the countdown says: a read takes longer than a tick on a silent
    // line.
    std::chrono::steady_clock::time_point m_retryDeadline{};
    Controls m_controls;
    std::function<void()> m_changeListener;
};
