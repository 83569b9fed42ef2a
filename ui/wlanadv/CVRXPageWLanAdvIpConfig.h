#pragma once

#include <array>
#include <cstdint>
#include <string>

// The IP address dialog of the advanced settings grid: the module's IP address, subnet mask and gateway
// together, whichever of the three items opened it. The caller sets the three addresses, runs the dialog
// and, after OK, reads them back.
class CVRXPageWLanAdvIpConfig {
public:
    using Address = std::array<std::uint8_t, 4>;

    enum Result : int {
        kResultNone = 0,
        kResultOk = 1,
        kResultCancel = 2,
    };

    void SetIPAddress(const Address& address) { m_IPAddress = address; }
    void SetSubnetMask(const Address& address) { m_SubnetMask = address; }
    void SetGateway(const Address& address) { m_Gateway = address; }
    const Address& GetIPAddress() const { return m_IPAddress; }
    const Address& GetSubnetMask() const { return m_SubnetMask; }
    const Address& GetGateway() const { return m_Gateway; }

    // Texts 156 (the caption) and 157 (the window's title).
    void OnInitDialog();
    const std::string& Caption() const { return m_strCaption; }
    const std::string& Title() const { return m_strTitle; }

    // OK, or Enter anywhere in the dialog: the three fields as they stand become the dialog's addresses.
    void OnOK(const Address& ip, const Address& subnetMask, const Address& gateway);
    void OnCancel();

    bool IsEnded() const { return m_nResult != kResultNone; }
    int GetResult() const { return m_nResult; }

private:
    Address m_IPAddress{};
    Address m_SubnetMask{};
    Address m_Gateway{};
    std::string m_strCaption;
    std::string m_strTitle;
    int m_nResult = kResultNone;
};
