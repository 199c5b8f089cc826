// engine.cfg: any bytes parse or raise DatabaseError; aliases that parse write back to a text that parses to
// the same aliases, byte for byte.
#include "fuzz/fuzzroot.h"
#include "platform/core/errors.h"
#include "platform/db/engineconfig.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool same(const std::vector<orupim::db::AliasEntry>& a, const std::vector<orupim::db::AliasEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].type != b[i].type || !(a[i].params == b[i].params))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orupim::db;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<AliasEntry> aliases;
    try {
        aliases = parseEngineConfig(text, "engine.cfg");
    } catch (const orupim::DatabaseError&) {
        return 0;
    }
    const std::vector<AliasEntry> again = parseEngineConfig(formatEngineConfig(aliases), "written.cfg");
    orupim::fuzz::require(same(aliases, again), "the written aliases read back the same");
    return 0;
}
