#include "devcfg/DeviceLink.h"

#include "app/DiagnosticLog.h"

#include <string>

namespace {

// A reply without its end byte is taken as it stands after this many reads in a row that brought nothing:
// one empty read may be a pause in the middle of a reply.
constexpr int kQuietReads = 2;

// quietReads: the reads in a row, since bytes arrived, that brought nothing.
bool ShouldStop(const ReadRule& rule, const std::vector<std::uint8_t>& reply, std::size_t received,
                int quietReads) {
    switch (rule.stop) {
    case ReadRule::Stop::EndByte:
        return received > 0 && reply[received - 1] == DeviceFrame::kEndOfFrame;
    case ReadRule::Stop::EndByteOrQuiet:
        return received > 0 && (reply[received - 1] == DeviceFrame::kEndOfFrame || quietReads >= kQuietReads);
    case ReadRule::Stop::EndByteAndMinimum:
        return received >= rule.minimum && received > 0 && reply[received - 1] == DeviceFrame::kEndOfFrame;
    case ReadRule::Stop::AnyBytes:
        return received > 0;
    case ReadRule::Stop::Never:
        break;
    }
    return false;
}

} // namespace

int DeviceLink::ReadAttempts(const CPortMng& port, const ReadRule& rule) {
    const std::uint32_t baud = port.LineBaudRate();
    if (baud == 0 || baud >= kSlowLineBaudRate || rule.delay.count() <= 0)
        return rule.attempts;
    const std::uint64_t lineMs = (std::uint64_t{rule.largestReply} * 10 * 1000 + baud - 1) / baud;
    const std::uint64_t delayMs = static_cast<std::uint64_t>(rule.delay.count());
    return rule.attempts + static_cast<int>((lineMs + delayMs - 1) / delayMs);
}

std::size_t DeviceLink::ReadReply(CPortMng& port, const ReadRule& rule, std::vector<std::uint8_t>& reply,
                                  std::string_view operation) {
    const std::string name(operation);
    // One byte more than the rule's buffer: a reply that fills it is longer than any the exchange takes.
    reply.assign(rule.bufferSize + 1, 0);
    std::size_t received = 0;
    const int attempts = ReadAttempts(port, rule);
    int quietReads = 0;
    if (attempts != rule.attempts)
        WriteLog("%s : %d reads for the line's rate", name.c_str(), attempts);
    for (int dwReadTry = 0; dwReadTry < attempts; ++dwReadTry) {
        m_sleeper.Sleep(rule.delay);
        if (m_sleeper.Cancelled()) {
            WriteLog("%s : given up", name.c_str());
            break;
        }
        const std::size_t room = reply.size() - received;
        std::uint32_t got =
            port.Read(reply.data() + received, static_cast<std::uint32_t>(room), kReadTimeoutMs);
        if (got > room) // a port never returns more than asked; do not trust it to
            got = static_cast<std::uint32_t>(room);
        received += got;
        if (received > rule.bufferSize) {
            WriteLog("%s : the reply is longer than %zu bytes; refused", name.c_str(), rule.bufferSize);
            reply.assign(rule.bufferSize, 0);
            return 0;
        }
        quietReads = received > 0 && got == 0 ? quietReads + 1 : 0;
        if (ShouldStop(rule, reply, received, quietReads))
            break;
    }
    reply.resize(received);
    WriteLog("%s : received = %zu", name.c_str(), received);
    return received;
}

std::uint32_t DeviceLink::WriteBytes(CPortMng& port, const std::uint8_t* bytes, std::size_t count,
                                     std::string_view operation) {
    const std::uint32_t written = port.Write(bytes, static_cast<std::uint32_t>(count));
    WriteLog("%.*s : written = %u", static_cast<int>(operation.size()), operation.data(), written);
    return written;
}

std::uint32_t DeviceLink::WriteMessage(CPortMng& port, const std::vector<std::uint8_t>& message,
                                       std::string_view operation) {
    const std::vector<std::uint8_t> frame = DeviceFrame::Frame(m_state.m_byModeLetter, message);
    return WriteBytes(port, frame.data(), frame.size(), operation);
}

bool DeviceLink::SendConfigStartMessage(CPortMng* pPortHandle, std::uint32_t* received, int maxTry) {
    WriteLog("SendConfigStartMessage : START");
    if (m_state.m_bRefusal) {
        WriteLog("SendConfigStartMessage : refused mode");
        const bool result = HandleRefusalMessage(pPortHandle, received, maxTry);
        WriteLog("SendConfigStartMessage : END");
        return result;
    }
    if (received)
        *received = 0;
    if (!pPortHandle) {
        WriteLog("SendConfigStartMessage : pPortHandle is NULL.");
        return false;
    }
    const auto command = DeviceFrame::ConfigStartCommand(m_state.m_byModeLetter);
    WriteBytes(*pPortHandle, command.data(), command.size(), "SendConfigStartMessage");
    std::vector<std::uint8_t> reply;
    const std::size_t count =
        ReadReply(*pPortHandle, ReadRules::ConfigStart(maxTry), reply, "SendConfigStartMessage");
    if (received)
        *received = static_cast<std::uint32_t>(count);

    bool result = false;
    switch (DeviceFrame::ClassifyStartReply(reply.data(), count)) {
    case DeviceFrame::StartReply::Accepted:
        result = true;
        break;
    case DeviceFrame::StartReply::Refused:
        WriteLog("SendConfigStartMessage : refused by the module");
        result = HandleRefusalMessage(pPortHandle, received, maxTry);
        break;
    case DeviceFrame::StartReply::Invalid:
        WriteLog("SendConfigStartMessage : invalid reply");
        break;
    }
    WriteLog("SendConfigStartMessage : END");
    return result;
}

bool DeviceLink::HandleRefusalMessage(CPortMng* pPortHandle, std::uint32_t* received, int maxTry) {
    WriteLog("HandleRefusalMessage : START");
    if (received)
        *received = 0;
    if (!pPortHandle) {
        WriteLog("HandleRefusalMessage : pPortHandle is NULL.");
        return false;
    }
    m_state.m_byModeLetter = DeviceFrame::kModeRefused;
    const auto command = DeviceFrame::ConfigStartCommand(m_state.m_byModeLetter);
    WriteBytes(*pPortHandle, command.data(), command.size(), "HandleRefusalMessage");
    std::vector<std::uint8_t> reply;
    const std::size_t count =
        ReadReply(*pPortHandle, ReadRules::RefusedStart(maxTry), reply, "HandleRefusalMessage");
    if (received)
        *received = static_cast<std::uint32_t>(count);
    const bool result =
        DeviceFrame::ClassifyStartReply(reply.data(), count) == DeviceFrame::StartReply::Accepted;
    if (result)
        m_state.m_bRefusal = true;
    else
        WriteLog("HandleRefusalMessage : not accepted");
    WriteLog("HandleRefusalMessage : END");
    return result;
}
