// REGEDIT4 text: any bytes parse or raise RegistryError; a hive that parses writes back to a text that
// parses to the same hive and writes back the same.
#include "fuzz/fuzzroot.h"
#include "platform/core/errors.h"
#include "platform/registry/regeditformat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orupim::registry;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Hive hive = size > 0 && (data[0] & 1) ? Hive::System : Hive::User;
    RegKey top;
    try {
        top = parseHive(text, hive, "fuzz.reg");
    } catch (const orupim::RegistryError&) {
        return 0;
    }
    const std::string written = formatHive(top, hive);
    const RegKey again = parseHive(written, hive, "written.reg");
    orupim::fuzz::require(again == top, "the written hive reads back the same");
    orupim::fuzz::require(formatHive(again, hive) == written, "the written text is stable");
    return 0;
}
