#pragma once

#include <cstdint>

// The field checks that run before a configuration is sent or saved: each walks the items of one grid and
// hands every item that qualifies to its validator, which shows its own message on a failure and stores the
// cleaned text in the item and the working record on success.
class IConfigurationValidator {
public:
    virtual ~IConfigurationValidator() = default;
    // Grid #1 (groups 1 to 5): items that are not hidden.
    virtual bool DataValidation4Group1() = 0;
    // Grid #2 (groups 6 to 9): items that are neither hidden nor disabled.
    virtual bool DataValidation4Group2() = 0;
    // The identifier of the item whose check failed in the last group check, 0 when none did.
    virtual std::uint32_t FailedItem() const { return 0; }
};
