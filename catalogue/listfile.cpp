#include "catalogue/listfile.h"

namespace orupim::catalogue {

// FIXME: the INI service is not in the tree yet; until it is, the list file reads as missing (empty lists,
// Sound off).
void readListSection(const std::string&, std::string_view, StringList& entries) {
    entries.clear();
}

std::int32_t readListSound(const std::string&) {
    return 0;
}

} // namespace orupim::catalogue
