#include "netsearch/SettingConfirmation.h"

#include "netsearch/QlinkProtocol.h"

SettingConfirmation ClassifySettingConfirmation(const std::uint8_t* data, std::size_t length) {
    using namespace QlinkProtocol;
    constexpr std::size_t kLong = kSettingsReplyHeader.size();
    if (length >= kLong && StartsWith(data, length, kSettingsReplyHeader))
        return SettingConfirmation::SetResponse;
    if (length >= kLong && StartsWith(data, length, kSettingsCompleteHeader))
        return SettingConfirmation::CompleteLong;
    if (StartsWith(data, length, kSettingsCompleteHeader))
        return SettingConfirmation::CompleteShort;
    return SettingConfirmation::None;
}
