#pragma once

#include "ui/qt/QtCursor.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvSettingView.h"
#include "ui/qt/wlanadv/QtDeviceConnectionDialog.h"
#include "ui/qt/wlanadv/QtFileDialogs.h"
#include "ui/qt/wlanadv/QtPageTimer.h"
#include "ui/qt/wlanadv/QtWLanAdvDialogs.h"
#include "ui/qt/wlanadv/QtWaitingDialog.h"
#include "ui/qt/wlanadv/QtWindowLoop.h"
#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"
#include "ui/wlanadv/GroupEditorAdapter.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"
#include "ui/wlanadv/WLanAdvItemActions.h"
#include "ui/wlanadv/WLanAdvItemHost.h"

#include <QPointer>

#include <memory>

// The WLAN (Advanced) tab of the main window: the page over the program's ports, print spooler and device
// list, its desktop services (message boxes, cursor, timers, waiting dialog, file dialogs, connection
// dialog), the group editor, and the page's view.
class WLanAdvancedPage {
public:
    struct Parts {
        DevicePorts ports;
        ISpoolerHold* spooler = nullptr;
        IDeviceRecords* records = nullptr;
    };

    // The program's own ports, spooler hold and device list.
    static Parts ProcessParts();

    WLanAdvancedPage(IMainWindowMessages& mainWindow, QWidget* parent, Parts parts = ProcessParts());
    ~WLanAdvancedPage();
    WLanAdvancedPage(const WLanAdvancedPage&) = delete;
    WLanAdvancedPage& operator=(const WLanAdvancedPage&) = delete;

    CVRXPageWLanAdvSetting& Page() { return *m_page; }
    WLanAdvGroupEditor& Editor() { return *m_editor; }
    CVRXPageWLanAdvSettingView* View() const { return m_view.data(); }
    QtDeviceConnectionDialog& ConnectionDialog() { return m_connection; }
    QtWaitingDialog& WaitingDialog() { return m_waiting; }

private:
    QtWindowLoop m_loop;
    QtMessageBox m_messages;
    QtCursor m_cursor;
    std::unique_ptr<QtPageTimer> m_timer;
    QtWaitingDialog m_waiting;
    QtFileDialogs m_files;
    QtDeviceConnectionDialog m_connection;
    DeviceConfigState m_state;
    std::unique_ptr<WLanAdvGroupEditor> m_editor;
    std::unique_ptr<GroupEditorAdapter> m_editorAdapter;
    std::unique_ptr<CVRXPageWLanAdvSetting> m_page;
    QtWLanAdvDialogs m_dialogs;
    // The buttons and edit starts of the grids' own item kinds (password, addresses, SSID, certificate).
    std::unique_ptr<WLanAdvItemHost> m_itemHost;
    std::unique_ptr<WLanAdvItemActions> m_itemActions;
    // A child of the tab widget, but it goes with the page: before it, never after.
    QPointer<CVRXPageWLanAdvSettingView> m_view;
};
