// The desktop's opener: the host program that opens a document with the application the user chose for its
// type. Program Manager's items that name a document start it, and the shell reads its exit codes.
#pragma once

namespace orupim::shell {

inline constexpr const char* kDocumentOpener = "xdg-open";

} // namespace orupim::shell
