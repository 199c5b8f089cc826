// The REGEDIT4 text in which each hive is kept: the first line "REGEDIT4"; each key on a line of its own,
// "[HKEY_CURRENT_USER\Software\...]" with the root in full, after a blank line; below it one line per value:
// "Name"="text" (@ for the default value), "Name"=dword:0000002a, "Name"=hex:01,02 for binary data and
// "Name"=hex(N):... for any other type N. A UTF-8 byte-order mark before the first line is passed over.
// Inside quotes "\\" stands for a backslash and "\"" for a quote. Lines starting with ";" are comments, and a
// hex list may go on after a trailing "\" on the next (indented) line.
#pragma once

#include "platform/registry/regkey.h"
#include "platform/registry/rootkey.h"

#include <string>
#include <string_view>

namespace orupim::registry {

// The deepest a key may lie below its hive's root. A deeper key line makes the file damaged, and no key is
// created deeper, so that every hive written can be read again.
constexpr std::size_t MaxKeyDepth = 512;

// Reads a hive's text into its top key. Text that does not follow the format raises a RegistryError naming
// `fileName` and the line. Comments are not kept; duplicate keys merge, and a repeated value takes the last.
RegKey parseHive(std::string_view text, Hive hive, std::string_view fileName);

// The hive's text: every key that has values or no subkeys (so that created keys persist; a key with
// subkeys is implied by them), parents first, CRLF line ends; its size grows with the hive's, not with the
// square of its depth. Texts that cannot stand in quotes (line breaks, zero bytes) are written as hex(1)
// data.
std::string formatHive(const RegKey& top, Hive hive);

} // namespace orupim::registry
