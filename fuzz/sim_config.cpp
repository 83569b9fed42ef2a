// The printer simulator's configuration text.

#include "FuzzSupport.h"
#include "sim/SimConfig.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<SimPrinter> printers;
    std::string error;
    const bool parsed = SimConfig::Parse(text, printers, error);
    FUZZ_REQUIRE(parsed || !error.empty());
    return 0;
}
