// The video edition's description (OruFLX): the reference build of the catalogue program.
#pragma once

#include "catalogue/edition.h"

namespace orupim::catalogue {

const Edition& videoEdition();

} // namespace orupim::catalogue
