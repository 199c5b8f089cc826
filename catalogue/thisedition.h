// The edition an executable is built for. Each catalogue executable is built with exactly one definition of
// this function, which the build generates from the edition named for that executable.
#pragma once

#include "catalogue/edition.h"

namespace orupim::catalogue {

const Edition& thisEdition();

} // namespace orupim::catalogue
