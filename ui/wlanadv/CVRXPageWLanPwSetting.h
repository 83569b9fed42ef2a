#pragma once

#include <cstdint>
#include <string>

// The password dialog of the advanced settings grid: a caption with the item's name, a masked edit that
// holds the password, "Show Password", OK and Cancel. Every typed character flashes large in a pop-up over
// the application so the user sees what went in; while the show-password lock is set the pop-up shows "*"
// instead, since the lock exists to keep the password off the screen.
//
// The view mirrors the controls and forwards the user's keys and clicks.
class CVRXPageWLanPwSetting {
public:
    enum Result : int {
        kResultNone = 0,
        kResultOk = 1,
        kResultCancel = 2,
    };

    struct Controls {
        std::string title;
        std::string text;                 // the edit's text
        bool masked = true;               // the edit shows "*" for every character
        bool showPasswordChecked = false; // "Show Password"
        bool showPasswordEnabled = true;
        std::uint32_t maxLength = 0; // bytes; 0 = no limit
    };

    // bShowPasswordLock: "Show Password" stays disabled and the password is never shown.
    CVRXPageWLanPwSetting(bool bShowPasswordLock, std::string value, std::string title,
                          std::uint32_t maxLength);

    void OnInitDialog();

    // A key the user typed, as text (UTF-8; empty for keys that type nothing). False when the key is
    // swallowed: a blank goes neither into the password nor to the check box.
    bool OnKeyTyped(const std::string& typed) const;
    // The edit's text after a change of the user's; a text over the maximum length is cut to it on a
    // character boundary. The text the edit must show.
    const std::string& OnTextEdited(const std::string& text);
    void OnShowPasswordToggled(bool checked);

    // The text the typed-character pop-up shows for typed; empty when it shows nothing (backspace, control
    // characters, blanks).
    std::string PopupText(const std::string& typed) const;

    void OnOK();
    void OnCancel();

    bool IsEnded() const { return m_nResult != kResultNone; }
    int GetResult() const { return m_nResult; }
    const Controls& GetControls() const { return m_controls; }
    bool IsShowPasswordLocked() const { return m_bShowPasswordLock; }
    // The text entered; set by OK.
    const std::string& GetPassword() const { return m_strPassword; }

private:
    bool m_bShowPasswordLock;
    Controls m_controls;
    std::string m_strPassword;
    int m_nResult = kResultNone;
};
