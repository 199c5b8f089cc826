// The engine configuration file <root>/engine.cfg: the aliases with their type and parameters. Read and
// written by this small reader of its own rather than by the INI rules, because a parameter must come back
// exactly as it was stored, and INI reading trims blanks and strips outer quotes from values. Layout:
//
//   [ORUPIM]
//   TYPE=STANDARD
//   PARAM=PATH=Z:\opt\oru\ (the path ends in a backslash)
//   PARAM=DEFAULT DRIVER=PARADOX
//
// Everything after "TYPE=" or "PARAM=" up to the line end is the value, blanks included; lines end in LF, one
// CR before it belonging to the line end (platform/core/textlines.h), and are written with CR LF, so that a
// value's own CRs come back as they were stored; a byte-order mark before the first line is passed over.
// Lines starting with ";" and empty lines are skipped. Any other line makes the whole file rejected, so that
// a damaged file is reported and never silently overwritten with less.
#pragma once

#include "platform/core/stringlist.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::db {

struct AliasEntry {
    std::string name;
    std::string type;
    StringList params;
};

// The aliases of a configuration text; DatabaseError naming `fileName` and the line when it is malformed.
std::vector<AliasEntry> parseEngineConfig(std::string_view text, std::string_view fileName);
std::string formatEngineConfig(const std::vector<AliasEntry>& aliases);

} // namespace orupim::db
