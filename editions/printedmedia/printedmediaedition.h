// The printed-media edition's description (OruBKS): its data, with required Author, Title and Publisher, the
// Subject list, and no web-browser look-up at creation.
#pragma once

#include "catalogue/edition.h"

namespace orupim::editions {

const catalogue::Edition& printedMediaEdition();

} // namespace orupim::editions
