#pragma once

#include <cstddef>
#include <cstdint>

// Which confirmation of a settings message a datagram is, in the order they are tested.
enum class SettingConfirmation {
    None,
    SetResponse,   // at least 18 bytes, "__[I_F]__[SET_RSP]"  (SET COMPLETED-1)
    CompleteLong,  // at least 18 bytes, "SETC"               (SET COMPLETED-2)
    CompleteShort, // 4 to 17 bytes, "SETC"                   (SET COMPLETED-3)
};

SettingConfirmation ClassifySettingConfirmation(const std::uint8_t* data, std::size_t length);
