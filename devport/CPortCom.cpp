#include "devport/CPortCom.h"

#include "app/DiagnosticLog.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

struct BaudConstant {
    std::uint32_t rate;
    speed_t constant;
};

constexpr BaudConstant kBaudRates[] = {
    {50, B50},           {75, B75},         {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},       {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},     {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200}, {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600}, {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000},
};

bool ModemStatusByIoctl(int fd, int& status) {
    return ::ioctl(fd, TIOCMGET, &status) == 0;
}

} // namespace

CPortCom* CPortCom::GetInstance() {
    static std::unique_ptr<CPortCom> instance;
    if (!instance) {
        WriteLog("CPortCom::GetInstance : START");
        instance = std::make_unique<CPortCom>();
        WriteLog("CPortCom::GetInstance : END");
    }
    return instance.get();
}

CPortCom::CPortCom(ModemStatusQuery modemStatus)
    : m_modemStatus(modemStatus ? std::move(modemStatus) : ModemStatusQuery(ModemStatusByIoctl)) {}

CPortCom::~CPortCom() {
    CloseHandle();
}

COMM_TIMEOUTS_MS CPortCom::TimeoutsFor(std::uint32_t dwBaudRate) {
    return dwBaudRate >= kFastBaudRate ? kFastTimeouts : kSlowTimeouts;
}

bool CPortCom::BuildLineSettings(const termios& reported, const DEVICE_OPTION& dop, termios& settings,
                                 std::string& error, std::vector<std::string>* notes) {
    termios t = reported;
    // The protocol's bytes pass untouched: no line editing, echo, signals, translation or stripping.
    ::cfmakeraw(&t);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;

    speed_t speed = 0;
    for (const auto& baud : kBaudRates)
        if (baud.rate == dop.dwBaudRate)
            speed = baud.constant;
    if (speed == 0) {
        error = "baud rate " + std::to_string(dop.dwBaudRate) + " is not supported";
        return false;
    }
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);

    t.c_cflag &= ~CSIZE;
    switch (dop.dwDataBits) {
    case 5:
        t.c_cflag |= CS5;
        break;
    case 6:
        t.c_cflag |= CS6;
        break;
    case 7:
        t.c_cflag |= CS7;
        break;
    case 8:
        t.c_cflag |= CS8;
        break;
    default:
        error = std::to_string(dop.dwDataBits) + " data bits are not supported";
        return false;
    }

    switch (dop.dwParity) {
    case 0:
        t.c_cflag &= ~(PARENB | PARODD);
        t.c_iflag &= ~INPCK;
        break;
    case 1:
        t.c_cflag |= PARENB | PARODD;
        t.c_iflag |= INPCK;
        break;
    case 2:
        t.c_cflag |= PARENB;
        t.c_cflag &= ~PARODD;
        t.c_iflag |= INPCK;
        break;
    default:
        error = "parity " + std::to_string(dop.dwParity) + " is not supported";
        return false;
    }

    switch (dop.dwStopBits) {
    case 0:
        t.c_cflag &= ~CSTOPB;
        break;
    case 1:
        t.c_cflag |= CSTOPB;
        if (notes)
            notes->push_back("one and a half stop bits have no termios form; two are used");
        break;
    case 2:
        t.c_cflag |= CSTOPB;
        break;
    default:
        error = "stop bits " + std::to_string(dop.dwStopBits) + " are not supported";
        return false;
    }

    // Output waits for CTS. RTS then also signals the printer whether we can take more; DSR has no
    // output flow control here (it is only looked at once, after opening).
    t.c_cflag |= CRTSCTS;
    if (notes)
        notes->push_back("CTS output flow control as CRTSCTS, which also drives RTS as input flow control; "
                         "DSR output flow control has no termios form");
    // XON/XOFF both ways for "Xon/Xoff" and for "None", off for "Hardware".
    if (dop.dwFlowControl != 0)
        t.c_iflag |= IXON | IXOFF;
    else
        t.c_iflag &= ~(IXON | IXOFF);
    t.c_iflag &= ~IXANY;
    // The receiver on; a cable without carrier detect must not block or hang up the line.
    t.c_cflag |= CREAD | CLOCAL;

    settings = t;
    return true;
}

bool CPortCom::SetDeviceOption(DEVICE_OPTION dp) {
    WriteLog("CPortCom::SetDeviceOption : START");
    if (dp.strPort.empty()) {
        WriteLog("CPortCom::SetDeviceOption : dp.strPort is empty");
        WriteLog("CPortCom::SetDeviceOption : END");
        return false;
    }
    m_dop = std::move(dp);
    WriteLog("CPortCom::SetDeviceOption : m_dop.strPort = %s", m_dop.strPort.c_str());
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwInterfaceType = %u", m_dop.dwInterfaceType);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwBaudRate = %u", m_dop.dwBaudRate);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwDataBits = %u", m_dop.dwDataBits);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwStopBits = %u", m_dop.dwStopBits);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwParity = %u", m_dop.dwParity);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwFlowControl = %u", m_dop.dwFlowControl);
    WriteLog("CPortCom::SetDeviceOption : m_dop.stTimeouts.dwReadIntervalTimeout = %u",
             m_dop.stTimeouts.dwReadIntervalTimeout);
    WriteLog("CPortCom::SetDeviceOption : m_dop.stTimeouts.dwReadTotalTimeoutMultiplier = %u",
             m_dop.stTimeouts.dwReadTotalTimeoutMultiplier);
    WriteLog("CPortCom::SetDeviceOption : m_dop.stTimeouts.dwReadTotalTimeoutConstant = %u",
             m_dop.stTimeouts.dwReadTotalTimeoutConstant);
    WriteLog("CPortCom::SetDeviceOption : m_dop.stTimeouts.dwWriteTotalTimeoutMultiplier = %u",
             m_dop.stTimeouts.dwWriteTotalTimeoutMultiplier);
    WriteLog("CPortCom::SetDeviceOption : m_dop.stTimeouts.dwWriteTotalTimeoutConstant = %u",
             m_dop.stTimeouts.dwWriteTotalTimeoutConstant);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwInBufSize = %u", m_dop.dwInBufSize);
    WriteLog("CPortCom::SetDeviceOption : m_dop.dwOutBufSize = %u", m_dop.dwOutBufSize);
    WriteLog("CPortCom::SetDeviceOption : END");
    return true;
}

std::uint32_t CPortCom::GetInterfaceType() {
    return m_dop.dwInterfaceType;
}

bool CPortCom::OpenPort() {
    WriteLog("CPortCom::OpenPort : START");
    ClosePort();
    m_lastFailure = {};
    const auto fail = [this](const char* format, int code) {
        WriteLog(format, code);
        m_lastFailure = PortOpenFailure::FromErrno(VRX_DEVICE_INTERFACE_SERIAL, m_dop.strPort, code);
        WriteLog("CPortCom::OpenPort : %s", PortOpenFailureLogText(m_lastFailure).c_str());
        CloseHandle();
        WriteLog("CPortCom::OpenPort : END");
        return false;
    };

    // No controlling terminal, and no wait for a carrier that a printer's cable may never raise.
    m_hPort = ::open(m_dop.strPort.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_hPort < 0)
        return fail("CPortCom::OpenPort : CreateFile failed with (%d)", errno);
    termios reported{};
    if (::tcgetattr(m_hPort, &reported) != 0)
        return fail("CPortCom::OpenPort : GetCommState failed with (%d)", errno);
    // Nobody else talks to the printer in the middle of an exchange.
    if (::ioctl(m_hPort, TIOCEXCL) != 0)
        return fail("CPortCom::OpenPort : TIOCEXCL failed with (%d)", errno);

    termios settings{};
    std::string error;
    std::vector<std::string> notes;
    if (!BuildLineSettings(reported, m_dop, settings, error, &notes)) {
        WriteLog("CPortCom::OpenPort : %s", error.c_str());
        return fail("CPortCom::OpenPort : SetCommState failed with (%d)", EINVAL);
    }
    for (const std::string& note : notes)
        WriteLog("CPortCom::OpenPort : %s", note.c_str());
    if (::tcsetattr(m_hPort, TCSANOW, &settings) != 0)
        return fail("CPortCom::OpenPort : SetCommState failed with (%d)", errno);

    // DTR and RTS raised (RTS stays under CRTSCTS's control afterwards).
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(m_hPort, TIOCMBIS, &lines) != 0)
        WriteLog("CPortCom::OpenPort : DTR and RTS cannot be raised (%d)", errno);

    // The read and write time-outs are kept here and applied by Read and Write.
    m_dop.stTimeouts = TimeoutsFor(m_dop.dwBaudRate);
    WriteLog("CPortCom::OpenPort : stTimeouts = %u, %u, %u, %u, %u", m_dop.stTimeouts.dwReadIntervalTimeout,
             m_dop.stTimeouts.dwReadTotalTimeoutMultiplier, m_dop.stTimeouts.dwReadTotalTimeoutConstant,
             m_dop.stTimeouts.dwWriteTotalTimeoutMultiplier, m_dop.stTimeouts.dwWriteTotalTimeoutConstant);

    ::tcflush(m_hPort, TCIOFLUSH);

    int status = 0;
    if (!m_modemStatus(m_hPort, status)) {
        // A line that cannot tell (a pty, some adapters) counts as having the printer there.
        WriteLog("CPortCom::OpenPort : GetCommModemStatus failed with (%d)", errno);
        WriteLog("CPortCom::OpenPort : END");
        return true;
    }
    if (status & TIOCM_DSR) {
        WriteLog("CPortCom::OpenPort : END");
        return true;
    }
    // DSR off: no printer at the other end.
    WriteLog("CPortCom::OpenPort : MS_DSR_ON");
    m_lastFailure = PortOpenFailure::DsrOff(m_dop.strPort);
    WriteLog("CPortCom::OpenPort : %s", PortOpenFailureLogText(m_lastFailure).c_str());
    CloseHandle();
    WriteLog("CPortCom::OpenPort : END");
    return false;
}

std::uint32_t CPortCom::LineTimeMs(std::uint32_t bytes) const {
    if (m_dop.dwBaudRate == 0)
        return 0;
    const std::uint64_t stopBits = m_dop.dwStopBits == 0 ? 1 : 2;
    const std::uint64_t bitsPerByte = 1 + m_dop.dwDataBits + (m_dop.dwParity != 0 ? 1 : 0) + stopBits;
    const std::uint64_t ms =
        (std::uint64_t{bytes} * bitsPerByte * 1000 + m_dop.dwBaudRate - 1) / m_dop.dwBaudRate;
    return ms > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(ms);
}

bool CPortCom::WaitUntilSent(std::int64_t lineDoneMs, std::int64_t deadlineMs) const {
    for (;;) {
        int queued = 0;
        if (::ioctl(m_hPort, TIOCOUTQ, &queued) != 0)
            queued = 0; // a line that cannot tell: its bytes' time on the line is all there is to wait
        const std::int64_t now = NowMs();
        if (queued <= 0 && now >= lineDoneMs)
            return true;
        if (now >= deadlineMs)
            return false;
        // The queue's own time on the line, or what is left of the write's, a few milliseconds at most
        // at a time so that a drained queue is seen soon.
        std::int64_t wait = queued > 0 ? LineTimeMs(static_cast<std::uint32_t>(queued)) : lineDoneMs - now;
        wait = std::clamp<std::int64_t>(wait, 1, 20);
        wait = std::min<std::int64_t>(wait, deadlineMs - now);
        ::poll(nullptr, 0, static_cast<int>(wait));
    }
}

void CPortCom::CloseHandle() {
    if (m_hPort < 0)
        return;
    // What has been written still goes out (within the write time-outs for what is queued); only what
    // came in and was not read is thrown away.
    int queued = 0;
    if (::ioctl(m_hPort, TIOCOUTQ, &queued) == 0 && queued > 0) {
        const std::int64_t now = NowMs();
        const std::uint32_t bound =
            TotalTimeoutMs(m_dop.stTimeouts.dwWriteTotalTimeoutMultiplier,
                           m_dop.stTimeouts.dwWriteTotalTimeoutConstant, static_cast<std::uint32_t>(queued));
        if (!WaitUntilSent(now, now + bound)) {
            WriteLog("CPortCom::ClosePort : %d bytes not sent within %u ms; discarded", queued, bound);
            ::tcflush(m_hPort, TCOFLUSH);
        }
    }
    ::tcflush(m_hPort, TCIFLUSH);
    // The exclusive flag outlives the close on a pty: give the line back as it was.
    ::ioctl(m_hPort, TIOCNXCL);
    ::close(m_hPort);
    m_hPort = -1;
}

void CPortCom::ClosePort() {
    WriteLog("CPortCom::ClosePort : START");
    CloseHandle();
    WriteLog("CPortCom::ClosePort : END");
}

std::uint32_t CPortCom::Write(const std::uint8_t* pByte, std::uint32_t dwToWrite) {
    WriteLog("CPortCom::Write : START");
    if (!pByte || dwToWrite == 0) {
        WriteLog("CPortCom::Write : pByte is NULL");
        WriteLog("CPortCom::Write : dwWrite = %u", dwToWrite);
        WriteLog("CPortCom::Write : END");
        return 0;
    }
    std::uint32_t written = 0;
    if (m_hPort < 0) {
        WriteLog("CPortCom::Write : dwLastError = %d", EBADF);
    } else {
        const std::int64_t started = NowMs();
        const std::int64_t deadline =
            started + TotalTimeoutMs(m_dop.stTimeouts.dwWriteTotalTimeoutMultiplier,
                                     m_dop.stTimeouts.dwWriteTotalTimeoutConstant, dwToWrite);
        bool pendingLogged = false;
        bool failed = false;
        while (written < dwToWrite) {
            const ssize_t n = ::write(m_hPort, pByte + written, dwToWrite - written);
            if (n > 0) {
                written += static_cast<std::uint32_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno != EAGAIN) {
                WriteLog("CPortCom::Write : dwLastError = %d", errno);
                failed = true;
                break;
            }
            // The line's output buffer is full (or flow control holds it): wait within the time-out.
            if (!pendingLogged) {
                WriteLog("CPortCom::Write : ERROR_IO_PENDING");
                pendingLogged = true;
            }
            const int left = RemainingMs(deadline);
            if (left == 0)
                break;
            pollfd p{m_hPort, POLLOUT, 0};
            const int ready = ::poll(&p, 1, left);
            if (ready < 0 && errno != EINTR) {
                WriteLog("CPortCom::Write : dwLastError = %d", errno);
                failed = true;
                break;
            }
            if (ready > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(p.revents & POLLOUT)) {
                WriteLog("CPortCom::Write : dwLastError = %d", EIO);
                failed = true;
                break;
            }
        }
        // The write has completed once the bytes are on their way to the printer, not when they are in the
        // kernel's buffer: the reply windows start after it. A pty and many USB adapters report an empty
        // queue while bytes are still to go, so the bytes' own time on the line is waited out too.
        if (!failed && (written < dwToWrite || !WaitUntilSent(started + LineTimeMs(dwToWrite), deadline))) {
            WriteLog("CPortCom::Write : %u bytes not sent within %lld ms; discarded", dwToWrite,
                     static_cast<long long>(deadline - started));
            ::tcflush(m_hPort, TCOFLUSH);
            failed = true;
        }
        if (failed)
            written = 0;
    }
    WriteLog("CPortCom::Write : dwNumberOfBytesWritten = %u", written);
    WriteLog("CPortCom::Write : END");
    return written;
}

std::uint32_t CPortCom::Read(std::uint8_t* pByte, std::uint32_t dwToRead, std::uint32_t /*dwTimeoutMs*/) {
    WriteLog("CPortCom::Read : START");
    if (!pByte) {
        WriteLog("CPortCom::Read : pByte is NULL");
        WriteLog("CPortCom::Read : END");
        return 0;
    }
    std::uint32_t got = 0;
    int queued = 0;
    if (m_hPort >= 0 && dwToRead > 0 && ::ioctl(m_hPort, FIONREAD, &queued) != 0) {
        // EIO: the line has hung up (the device went away); every read gives nothing from now on.
        WriteLog("CPortCom::Read : dwLastError = %d", errno);
        queued = 0;
    }
    if (m_hPort >= 0 && dwToRead > 0 && queued > 0) {
        // Something waits: read up to what was wanted, within the total time-out, and stop at a gap
        // between bytes longer than the interval time-out.
        const COMM_TIMEOUTS_MS& t = m_dop.stTimeouts;
        const std::int64_t deadline =
            NowMs() + TotalTimeoutMs(t.dwReadTotalTimeoutMultiplier, t.dwReadTotalTimeoutConstant, dwToRead);
        while (got < dwToRead) {
            const ssize_t n = ::read(m_hPort, pByte + got, dwToRead - got);
            if (n > 0) {
                got += static_cast<std::uint32_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 0 || errno != EAGAIN) {
                if (n < 0)
                    WriteLog("CPortCom::Read : dwLastError = %d", errno);
                break;
            }
            int wait = RemainingMs(deadline);
            if (t.dwReadIntervalTimeout > 0 && static_cast<std::uint32_t>(wait) > t.dwReadIntervalTimeout)
                wait = static_cast<int>(t.dwReadIntervalTimeout);
            if (wait == 0)
                break;
            pollfd p{m_hPort, POLLIN, 0};
            const int ready = ::poll(&p, 1, wait);
            if (ready == 0)
                break;
            if (ready < 0 && errno != EINTR)
                break;
            if (ready > 0 && !(p.revents & POLLIN))
                break;
        }
    }
    WriteLog("CPortCom::Read : dwRead = %u", got);
    WriteLog("CPortCom::Read : END");
    return got;
}
