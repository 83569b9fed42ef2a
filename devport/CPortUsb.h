#pragma once

#include "devport/CPortMng.h"
#include "devport/CPortUtility.h"
#include "devport/IUsbBackend.h"

#include <memory>

// A USB printer of the maker: its printer-class interface, reached by the identity text in strPort
// (UsbDeviceIdentity). Every wait is bounded: a read at most 3000 ms, a write 5 ms per byte plus 3000 ms,
// and no transfer is left outstanding when a call returns.
class CPortUsb : public CPortMng, public CPortUtility {
public:
    static constexpr std::uint32_t kReadTimeoutMs = 3000;
    static constexpr std::uint32_t kWriteTimeoutPerByteMs = 5;
    static constexpr std::uint32_t kWriteTimeoutConstantMs = 3000;

    // The process's USB port over libusb (made on the first call, destroyed at exit).
    static CPortUsb* GetInstance();

    // backend: how the devices are reached; libusb-1.0 when none is given.
    explicit CPortUsb(std::shared_ptr<IUsbBackend> backend = nullptr);
    ~CPortUsb() override;
    CPortUsb(const CPortUsb&) = delete;
    CPortUsb& operator=(const CPortUsb&) = delete;

    void ClosePort() override;
    bool OpenPort() override;
    PortOpenFailure LastOpenFailure() const override { return m_lastFailure; }
    // Takes strPort, the buffer sizes and the interface type; the serial fields keep their values.
    bool SetDeviceOption(DEVICE_OPTION dop) override;
    std::uint32_t GetInterfaceType() override;
    // One transfer of up to dwToRead bytes, waiting at most kReadTimeoutMs; 0 when nothing came.
    std::uint32_t Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t dwTimeoutMs) override;
    std::uint32_t Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) override;

    const DEVICE_OPTION& GetDeviceOption() const { return m_dop; }
    bool IsOpen() const { return m_hPort != nullptr; }

private:
    std::shared_ptr<IUsbBackend> m_backend;
    DEVICE_OPTION m_dop;
    std::unique_ptr<IUsbPrinterInterface> m_hPort;
    PortOpenFailure m_lastFailure;
};
