#pragma once

#include "devport/DEVICE_OPTION.h"
#include "devport/PortOpenFailure.h"

#include <cstdint>

// A printer port: serial line or USB. Every device operation opens the port, writes and reads what the
// protocol needs and closes it again. Failures are logged and reported by the result only.
class CPortMng {
public:
    virtual ~CPortMng() = default;

    // Closes the device if open; closing a closed port does nothing.
    virtual void ClosePort() = 0;
    // Opens the device named by the stored settings, closing any device still open first.
    virtual bool OpenPort() = 0;
    // Why the last OpenPort failed (no failure after one that succeeded, or before the first).
    virtual PortOpenFailure LastOpenFailure() const { return {}; }
    // Takes over the settings; false (and nothing changed) when strPort is empty.
    virtual bool SetDeviceOption(DEVICE_OPTION dop) = 0;
    virtual std::uint32_t GetInterfaceType() = 0;
    // The line's rate in bits a second; 0 for a port whose line never holds a reply back (USB).
    virtual std::uint32_t LineBaudRate() const { return 0; }
    // Up to dwToRead bytes into pByte; the count read (0 on failure or when nothing came). The time-out
    // argument is passed by the callers (1000) and not used: each port bounds its own waits.
    virtual std::uint32_t Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t dwTimeoutMs) = 0;
    // Writes dwToWrite bytes; the count written (0 on failure).
    virtual std::uint32_t Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) = 0;
};
