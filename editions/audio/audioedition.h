// The audio edition's description (OruSND): its data, its tab order on "Main", the Code control sharing the
// Date control's enter handler, and a Duplicate that does not keep Format.
#pragma once

#include "catalogue/edition.h"

namespace orupim::editions {

const catalogue::Edition& audioEdition();

} // namespace orupim::editions
