// The software edition's description (OruPRG): the video edition's program with the software data.
#pragma once

#include "catalogue/edition.h"

namespace orupim::editions {

const catalogue::Edition& softwareEdition();

} // namespace orupim::editions
