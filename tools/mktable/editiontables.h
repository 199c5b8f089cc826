// The record layouts of the five editions, by edition code, for the table-creating tool.
#pragma once

#include "platform/db/fielddef.h"

#include <string_view>
#include <utility>
#include <vector>

namespace orupim::tools {

// {edition code, layout}: FLX, PRG, SND, BKS, PPL.
const std::vector<std::pair<std::string_view, const db::RecordLayout*>>& editionTables();

// The layout of an edition code in any letter case, or nullptr.
const db::RecordLayout* editionTable(std::string_view code);

} // namespace orupim::tools
