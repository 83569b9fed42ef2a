#include "ui/wlanadv/CVRXPageWLanAdvIpConfig.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"

void CVRXPageWLanAdvIpConfig::OnInitDialog() {
    WriteLog("CVRXPageWLanAdvIpConfig::OnInitDialog : START");
    m_strCaption = LoadString(156);
    m_strTitle = LoadString(157);
    m_nResult = kResultNone;
    WriteLog("CVRXPageWLanAdvIpConfig::OnInitDialog : END");
}

void CVRXPageWLanAdvIpConfig::OnOK(const Address& ip, const Address& subnetMask, const Address& gateway) {
    m_IPAddress = ip;
    m_SubnetMask = subnetMask;
    m_Gateway = gateway;
    WriteLog("CVRXPageWLanAdvIpConfig::OnOK : %d.%d.%d.%d / %d.%d.%d.%d / %d.%d.%d.%d", ip[0], ip[1], ip[2],
             ip[3], subnetMask[0], subnetMask[1], subnetMask[2], subnetMask[3], gateway[0], gateway[1],
             gateway[2], gateway[3]);
    m_nResult = kResultOk;
}

void CVRXPageWLanAdvIpConfig::OnCancel() {
    m_nResult = kResultCancel;
}
