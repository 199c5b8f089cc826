// The command-line rules: any text splits into arguments, none longer than the text.
#include "fuzz/fuzzroot.h"
#include "platform/shell/commandline.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& argument : orupim::shell::splitCommandLine(text))
        total += argument.size();
    orupim::fuzz::require(total <= size, "the arguments come from the text");
    return 0;
}
