// Program Manager's command text: any bytes parse into the well-formed commands before the first fault.
#include "fuzz/fuzzroot.h"
#include "services/progman/commandparser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = orupim::progman::parseCommands(text);
    std::size_t brackets = 0;
    for (char c : text)
        brackets += c == '[';
    orupim::fuzz::require(parsed.commands.size() <= brackets, "each command has its bracket");
    return 0;
}
