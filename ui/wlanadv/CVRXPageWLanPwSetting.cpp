#include "ui/wlanadv/CVRXPageWLanPwSetting.h"

#include "app/DiagnosticLog.h"
#include "app/Utf8.h"

CVRXPageWLanPwSetting::CVRXPageWLanPwSetting(bool bShowPasswordLock, std::string value, std::string title,
                                             std::uint32_t maxLength)
    : m_bShowPasswordLock(bShowPasswordLock) {
    m_controls.title = std::move(title);
    m_controls.text = std::move(value);
    m_controls.maxLength = maxLength;
}

void CVRXPageWLanPwSetting::OnInitDialog() {
    WriteLog("CVRXPageWLanPwSetting::OnInitDialog : START");
    m_nResult = kResultNone;
    m_controls.masked = true;
    m_controls.showPasswordChecked = false;
    m_controls.showPasswordEnabled = !m_bShowPasswordLock;
    if (m_controls.maxLength > 0)
        m_controls.text = std::string(Utf8::CutToBytes(m_controls.text, m_controls.maxLength));
    WriteLog("CVRXPageWLanPwSetting::OnInitDialog : lock = %d", m_bShowPasswordLock ? 1 : 0);
    WriteLog("CVRXPageWLanPwSetting::OnInitDialog : END");
}

bool CVRXPageWLanPwSetting::OnKeyTyped(const std::string& typed) const {
    return typed != " ";
}

const std::string& CVRXPageWLanPwSetting::OnTextEdited(const std::string& text) {
    m_controls.text =
        m_controls.maxLength > 0 ? std::string(Utf8::CutToBytes(text, m_controls.maxLength)) : text;
    return m_controls.text;
}

void CVRXPageWLanPwSetting::OnShowPasswordToggled(bool checked) {
    if (m_bShowPasswordLock)
        checked = false;
    m_controls.showPasswordChecked = checked;
    m_controls.masked = !checked;
}

std::string CVRXPageWLanPwSetting::PopupText(const std::string& typed) const {
    if (typed.empty() || typed == " ")
        return {};
    const auto first = static_cast<unsigned char>(typed[0]);
    if (first < 0x20 || first == 0x7F)
        return {};
    return m_bShowPasswordLock ? std::string("*") : typed;
}

void CVRXPageWLanPwSetting::OnOK() {
    m_strPassword = m_controls.text;
    m_nResult = kResultOk;
}

void CVRXPageWLanPwSetting::OnCancel() {
    m_nResult = kResultCancel;
}
