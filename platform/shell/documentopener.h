// The desktop's opener: the host program that opens a document with the application the user chose for its
// type. The program map falls back on it, and Program Manager's items that name a document start it.
#pragma once

namespace orupim::shell {

inline constexpr const char* kDocumentOpener = "xdg-open";

} // namespace orupim::shell
