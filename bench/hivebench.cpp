// orupim-bench-hive [KEYS]: how reading and writing a hive's text grows with its size. For hives of KEYS/8,
// KEYS/4, KEYS/2 and KEYS sibling keys (100,000 by default), and for one key at the depth limit, measures
// parsing the text and writing it back (best of three) and prints the time per key, which stays flat when
// both are linear in the text's size, and the written text's size against the read one.
#include "bench/benchsupport.h"
#include "platform/registry/regeditformat.h"

#include <cstdio>
#include <string>

namespace {

using namespace orupim::registry;
using orupim::bench::bestSeconds;

void measure(const char* what, const std::string& text, std::size_t keys) {
    RegKey top;
    const double parse = bestSeconds([&] { top = parseHive(text, Hive::User, "bench.reg"); });
    std::string written;
    const double format = bestSeconds([&] { written = formatHive(top, Hive::User); });
    std::printf(
        "%-22s %8zu keys  parse %8.3f s (%6.2f us/key)  write %8.3f s (%6.2f us/key)  %zu -> %zu bytes\n",
        what, keys, parse, parse * 1e6 / double(keys), format, format * 1e6 / double(keys), text.size(),
        written.size());
}

} // namespace

int main(int argc, char** argv) {
    const auto keys = std::size_t(orupim::bench::countArgument(argc, argv, 100000));
    for (std::size_t count : {keys / 8, keys / 4, keys / 2, keys}) {
        std::string text = "REGEDIT4\r\n";
        for (std::size_t i = 0; i < count; ++i)
            text += "\r\n[HKEY_CURRENT_USER\\Software\\Key" + std::to_string(i) + "]\r\n\"v\"=\"x\"\r\n";
        measure("siblings", text, count);
    }
    std::string deep = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER";
    for (std::size_t i = 0; i < MaxKeyDepth; ++i)
        deep += "\\level" + std::to_string(i);
    measure("one key at the limit", deep + "]\r\n\"v\"=\"x\"\r\n", MaxKeyDepth);
}
