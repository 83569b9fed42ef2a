#pragma once

#include "app/CVrxQuorlink2ndApp.h"
#include "netsearch/INetworkEndpoint.h"
#include "ui/CVRXPageBasicSetting.h"
#include "ui/CVRXPageNetConnectionSetting.h"
#include "ui/CVrxQuorlink2ndPropSheet.h"
#include "ui/IBrowser.h"
#include "ui/ICursor.h"
#include "ui/IMainWindowMessages.h"
#include "ui/IMessageBox.h"
#include "ui/IPrinterSearch.h"

#include <deque>
#include <functional>
#include <string>

// The program's only top-level window: a caption bar of its own at the top, a second bar at the bottom,
// and between them either the main sheet (the printer list page and the WLAN (Advanced) page as tabs) or
// the settings sheet (the network settings page). The pages never call one another; they send this window
// its private messages, and its handlers switch the sheets and call into the pages.
//
// The window's state is plain data here; the Qt view shows it, forwards the user's actions and runs the
// modal loop until the window has ended.
class CVrxQuorlink2ndDlg : public IMainWindowMessages {
public:
    // Control identifiers of the window.
    enum ControlId : int {
        IDC_STATIC_SHEET_PLACE = 1118, // hidden; marks where the sheets go
        IDC_CAPTION_TOP = 1125,
        IDC_CAPTION_BOTTOM = 1126,
        IDC_COMBO_HIDDEN = 1164,
    };

    CVrxQuorlink2ndDlg(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor, IBrowser& browser,
                       ILanguageSelection& language, IPrinterSearch& search);

    // Initialisation: the title, the pages of the two sheets ("PREFERENCE[4]") and the pages themselves.
    void OnInitDialog();

    // The window title: title followed by " V" and the file version cut before its last part, "," turned
    // into "." ("1.0.0.0" gives "V1.0.0", "1, 0, 0, 0" gives "V1. 0. 0"); the title alone without a
    // version.
    static std::string ComposeTitle(const std::string& title, const std::string& fileVersion);
    const std::string& GetTitle() const { return m_strTitle; }

    // Runs the handler of message now.
    int SendMessage(unsigned message, const void* first = nullptr, const void* second = nullptr) override;
    // Queues message; the view's event loop runs it later through DispatchPostedMessage.
    void PostMessage(unsigned message, const void* first = nullptr, const void* second = nullptr) override;
    // Runs the oldest queued message; false when none was waiting.
    bool DispatchPostedMessage();
    size_t GetPostedCount() const { return m_posted.size(); }

    // The one dispatcher of the window's private messages; every handler returns 1, anything else 0.
    int WindowProc(unsigned message, const void* first, const void* second);
    int M1MessageHandler(const void* activeIndex);
    int M2MessageHandler(const void* printerTable, const void* macText);
    int M3MessageHandler();
    int M4MessageHandler();

    // The system asks the window to close: it ends cancelled.
    void OnClose();
    // Ends the modal run with result (IDOK or IDCANCEL); the first end counts.
    void EndDialog(int result);
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }

    CVRXPageBasicSetting& GetPageBasicSetting() { return m_pageBasicSetting; }
    CVRXPageNetConnectionSetting& GetPageNetConnectionSetting() { return m_pageNetConnectionSetting; }
    CVrxQuorlink2ndPropSheet& GetMainSheet() { return m_mainSheet; }
    CVrxQuorlink2ndPropSheet& GetSettingsSheet() { return m_settingsSheet; }
    const CVrxQuorlink2ndPropSheet& GetMainSheet() const { return m_mainSheet; }
    const CVrxQuorlink2ndPropSheet& GetSettingsSheet() const { return m_settingsSheet; }

    // Called after every change of the sheets' visibility and when the window has ended.
    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }
    // Called whenever a message has been queued.
    void SetPostListener(std::function<void()> listener) { m_postListener = std::move(listener); }

private:
    struct PostedMessage {
        unsigned message;
        const void* first;
        const void* second;
    };

    void ShowListState();
    void Changed();

    CVRXPageBasicSetting m_pageBasicSetting;
    CVRXPageNetConnectionSetting m_pageNetConnectionSetting;
    CVrxQuorlink2ndPropSheet m_mainSheet;
    CVrxQuorlink2ndPropSheet m_settingsSheet;

    std::string m_strTitle;
    std::deque<PostedMessage> m_posted;
    bool m_bEnded = false;
    int m_nResult = 0;
    std::function<void()> m_changeListener;
    std::function<void()> m_postListener;
};
