// The contact edition's description (OruPPL): its own three pages "Main", "Others" and "Notes", the two check
// boxes under one shared label, the page control entering the Notes memo, two lookup lists, a caption table
// with one empty entry, a Duplicate that keeps the address, and its own clipboard and search rules per field.
#pragma once

#include "catalogue/edition.h"

namespace orupim::editions {

const catalogue::Edition& contactEdition();

} // namespace orupim::editions
