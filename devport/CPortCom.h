#pragma once

#include "devport/CPortMng.h"
#include "devport/CPortUtility.h"

#include <termios.h>

#include <functional>
#include <string>
#include <vector>

// The serial line: a tty device path (an adapter, an on-board UART, or any path the user typed, such as a
// pty or a Bluetooth serial link). The line is taken raw with the chosen settings, held exclusively while
// open, and every read and write is bounded by the time-outs the line's baud rate gives.
class CPortCom : public CPortMng, public CPortUtility {
public:
    // The modem lines of an open line (TIOCM_* bits), or false when the line cannot report them.
    using ModemStatusQuery = std::function<bool(int fd, int& status)>;

    // The time-outs OpenPort sets, by baud rate.
    static constexpr std::uint32_t kFastBaudRate = 9600; // this rate and above take the short read time-outs
    static constexpr COMM_TIMEOUTS_MS kFastTimeouts{10, 5, 20, 5, 3000};
    static constexpr COMM_TIMEOUTS_MS kSlowTimeouts{10, 10, 100, 5, 3000};

    // The process's serial port (made on the first call, destroyed at exit).
    static CPortCom* GetInstance();

    // modemStatus: how OpenPort asks for DSR; TIOCMGET on the line unless a test says otherwise.
    explicit CPortCom(ModemStatusQuery modemStatus = {});
    ~CPortCom() override;
    CPortCom(const CPortCom&) = delete;
    CPortCom& operator=(const CPortCom&) = delete;

    void ClosePort() override;
    bool OpenPort() override;
    PortOpenFailure LastOpenFailure() const override { return m_lastFailure; }
    bool SetDeviceOption(DEVICE_OPTION dop) override;
    std::uint32_t GetInterfaceType() override;
    // Returns 0 at once when nothing waits in the input queue; otherwise reads up to dwToRead bytes
    // within the read time-outs (a gap longer than the interval time-out ends the read).
    std::uint32_t Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t dwTimeoutMs) override;
    // Writes and waits until the bytes have left: the output queue drained and the bytes' own time on the
    // line passed, all within the write time-outs (5 ms a byte + 3000 ms). The count written; 0 when the
    // line failed or the bytes did not leave in time (what was still queued is then discarded).
    std::uint32_t Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) override;
    std::uint32_t LineBaudRate() const override { return m_dop.dwBaudRate; }

    // Milliseconds that bytes take on the line with the stored settings (a start bit, the data bits, the
    // parity bit and the stop bits a byte), rounded up.
    std::uint32_t LineTimeMs(std::uint32_t bytes) const;

    const DEVICE_OPTION& GetDeviceOption() const { return m_dop; }
    bool IsOpen() const { return m_hPort >= 0; }

    // The time-outs of the table for a baud rate.
    static COMM_TIMEOUTS_MS TimeoutsFor(std::uint32_t dwBaudRate);
    // The line settings for dop, starting from what the system reported: raw bytes, the baud rate, data
    // bits, parity with input checking, stop bits, CTS output flow control, XON/XOFF exactly when the
    // flow-control choice is not "Hardware", the receiver on and the modem's carrier line ignored. False
    // (and why in error) for a value the line cannot take. Notes on settings that have no exact form here
    // go to notes, one line each.
    static bool BuildLineSettings(const termios& reported, const DEVICE_OPTION& dop, termios& settings,
                                  std::string& error, std::vector<std::string>* notes = nullptr);

private:
    // Waits until the output queue is empty and the line time of the last write (ending at lineDoneMs)
    // has passed, at most until deadlineMs. False on time-out.
    bool WaitUntilSent(std::int64_t lineDoneMs, std::int64_t deadlineMs) const;
    void CloseHandle();

    ModemStatusQuery m_modemStatus;
    int m_hPort = -1;
    DEVICE_OPTION m_dop;
    PortOpenFailure m_lastFailure;
};
