#include "devport/CPortUsb.h"

#include "app/DiagnosticLog.h"
#include "devport/LibusbBackend.h"

CPortUsb* CPortUsb::GetInstance() {
    static std::unique_ptr<CPortUsb> instance;
    if (!instance) {
        WriteLog("CPortUsb::GetInstance : START");
        instance = std::make_unique<CPortUsb>();
        WriteLog("CPortUsb::GetInstance : END");
    }
    return instance.get();
}

CPortUsb::CPortUsb(std::shared_ptr<IUsbBackend> backend)
    : m_backend(backend ? std::move(backend) : std::make_shared<LibusbBackend>()) {}

CPortUsb::~CPortUsb() {
    m_hPort.reset();
}

bool CPortUsb::SetDeviceOption(DEVICE_OPTION dop) {
    WriteLog("CPortUsb::SetDeviceOption : START");
    if (dop.strPort.empty()) {
        WriteLog("CPortUsb::SetDeviceOption : port name is empty");
        WriteLog("CPortUsb::SetDeviceOption : END");
        return false;
    }
    m_dop.strPort = std::move(dop.strPort);
    m_dop.dwInBufSize = dop.dwInBufSize;
    m_dop.dwOutBufSize = dop.dwOutBufSize;
    m_dop.dwInterfaceType = dop.dwInterfaceType;
    WriteLog("CPortUsb::SetDeviceOption : m_dop.strPort = %s", m_dop.strPort.c_str());
    WriteLog("CPortUsb::SetDeviceOption : m_dop.dwInBufSize = %u", m_dop.dwInBufSize);
    WriteLog("CPortUsb::SetDeviceOption : m_dop.dwOutBufSize = %u", m_dop.dwOutBufSize);
    WriteLog("CPortUsb::SetDeviceOption : m_dop.dwInterfaceType = %u", m_dop.dwInterfaceType);
    WriteLog("CPortUsb::SetDeviceOption : END");
    return true;
}

std::uint32_t CPortUsb::GetInterfaceType() {
    return m_dop.dwInterfaceType;
}

bool CPortUsb::OpenPort() {
    WriteLog("CPortUsb::OpenPort : START");
    ClosePort();
    m_lastFailure = {};
    WriteLog("CPortUsb::OpenPort : m_dop.strPort = %s", m_dop.strPort.c_str());
    const auto identity = UsbDeviceIdentity::Parse(m_dop.strPort);
    int error = UsbError::NotFound;
    if (identity)
        m_hPort = m_backend->Open(*identity, error);
    if (!m_hPort) {
        WriteLog("CPortUsb::OpenPort : CreateFile failed with (%d)", error);
        // The user is told which file they may not open; any other failure names the printer as chosen.
        std::string node = identity && error == UsbError::Access ? m_backend->DeviceNode(*identity) : "";
        m_lastFailure = PortOpenFailure::FromUsbError(node.empty() ? m_dop.strPort : node, error);
        WriteLog("CPortUsb::OpenPort : %s", PortOpenFailureLogText(m_lastFailure).c_str());
        WriteLog("CPortUsb::OpenPort : END");
        return false;
    }
    WriteLog("CPortUsb::OpenPort : END");
    return true;
}

void CPortUsb::ClosePort() {
    WriteLog("CPortUsb::ClosePort : START");
    // The transfers are synchronous: none is pending here. Releasing the interface gives the kernel's
    // printer driver back.
    m_hPort.reset();
    WriteLog("CPortUsb::ClosePort : END");
}

std::uint32_t CPortUsb::Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) {
    WriteLog("CPortUsb::Write : START");
    if (!pByte || dwToWrite == 0) {
        WriteLog("CPortUsb::Write : pByte is NULL");
        WriteLog("CPortUsb::Write : dwToWrite = %u", dwToWrite);
        WriteLog("CPortUsb::Write : END");
        return 0;
    }
    std::uint32_t written = 0;
    if (!m_hPort) {
        WriteLog("CPortUsb::Write : dwLastError = %d", UsbError::NoDevice);
    } else {
        WriteLog("CPortUsb::Write : ERROR_IO_PENDING");
        const int result =
            m_hPort->BulkOut(pByte, dwToWrite, written,
                             TotalTimeoutMs(kWriteTimeoutPerByteMs, kWriteTimeoutConstantMs, dwToWrite));
        if (result != UsbError::Success)
            WriteLog("CPortUsb::Write : dwLastError = %d", result);
        if (written > dwToWrite)
            written = dwToWrite;
    }
    WriteLog("CPortUsb::Write : dwNumberOfBytesWritten = %u", written);
    WriteLog("CPortUsb::Write : END");
    return written;
}

std::uint32_t CPortUsb::Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t /*dwTimeoutMs*/) {
    WriteLog("CPortUsb::Read : START");
    if (!pByte) {
        WriteLog("CPortUsb::Read : pByte is NULL");
        WriteLog("CPortUsb::Read : END");
        return 0;
    }
    std::uint32_t got = 0;
    if (m_hPort && dwToRead > 0) {
        // A time-out cancels the transfer before the call returns; what came before it counts.
        const int result = m_hPort->BulkIn(pByte, dwToRead, got, kReadTimeoutMs);
        if (result != UsbError::Success && result != UsbError::Timeout)
            WriteLog("CPortUsb::Read : dwLastError = %d", result);
        if (got > dwToRead)
            got = dwToRead;
    }
    if (got > 0)
        WriteLog("CPortUsb::Read : dwNumberOfBytesRead = %u", got);
    else
        WriteLog("CPortUsb::Read : NO BYTES READ");
    WriteLog("CPortUsb::Read : END");
    return got;
}
