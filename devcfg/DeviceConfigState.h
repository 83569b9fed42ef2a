#pragma once

#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecords.h"
#include "devport/DEVICE_OPTION.h"

#include <cstdint>
#include <string>
#include <vector>

// What the device exchanges and the advanced settings page share about the printer's network module: the
// records read and edited, the last scan, the certificate names and the loaded certificate, the capability
// flags of the last read, and the settings of the next exchange. One object lives as long as the page; the
// exchanges read and write it, the page builds its grids from it.
struct DeviceConfigState {
    static constexpr std::size_t kCertificateBufferSize = 10240;
    static constexpr int kNumCertificateTypes = 3;

    // Working copy, edited by the grids and merged into the record sent.
    WLAN_ADVANCED_CONFIG_INFO m_ConfigurationInfo{};
    // The copy taken after each successful read: the base of every record sent.
    WLAN_ADVANCED_CONFIG_INFO m_ConfigurationInfoAsRead{};
    WLAN_ADVANCED_SYS_INFO m_SystemInformation{};

    // The last access-point scan.
    BSS_INFO m_BSSInfo[VRX_MAX_BSS_INFO]{};
    int m_nNumBSSInfo = 0;

    // Names of the stored CA, client key and client PEM certificates, by type.
    CERT_NAME_INFO m_CertificateName[kNumCertificateTypes]{};
    // The type of the next upload: 0 CA, 1 client key, 2 client PEM; -1 before the first read.
    int m_nCertificateType = -1;
    // The certificate file loaded for upload and its size.
    std::vector<std::uint8_t> m_Certificate = std::vector<std::uint8_t>(kCertificateBufferSize);
    std::uint32_t m_dwCertificateSize = 0;

    // Capability flags, set by every configuration read.
    bool m_bWifiDirect = false;
    bool m_bRfModeSelection = false;
    bool m_bSoftAP = false;
    bool m_bCertificateUpload = false;
    bool m_bCertificateName = false;
    bool m_bSNMP = false;
    // The module answers the factory-reset query with "_OK".
    bool m_bFactoryReset = false;
    // The module refused the normal start: requests carry the mode letter 'N' until the next read.
    bool m_bRefusal = false;
    // The mode letter of every request: 'C', or 'N' after a refusal.
    std::uint8_t m_byModeLetter = DeviceFrame::kModeNormal;

    // When not empty, the next read takes the record from this configuration file instead of the printer.
    std::string m_strFilePath;

    // DHCP options 12 and 77: the state when the record was read and the state selected now (0 disabled,
    // 1 enabled). Every save writes the selected states into byDummy3.
    int m_nDhcpOption12AsRead = 1;
    int m_nDhcpOption12 = 1;
    int m_nDhcpOption77AsRead = 1;
    int m_nDhcpOption77 = 1;

    // The connection chosen on the connection page: VRX_DEVICE_INTERFACE_USB or _SERIAL.
    std::uint32_t m_dwConnectionType = VRX_DEVICE_INTERFACE_USB;

    // The wire variant the flags of the last read select: the variant every save and file uses.
    DeviceRecords::ConfigVariant Variant() const {
        return DeviceRecords::VariantForFlags(m_bWifiDirect, m_bRfModeSelection);
    }
};
