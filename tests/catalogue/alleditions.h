// The five editions, for the tests that check each of them and what they have in common.
#pragma once

#include "catalogue/edition.h"
#include "catalogue/videoedition.h"
#include "editions/audio/audioedition.h"
#include "editions/contact/contactedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"

namespace orupim::catalogue::test {

inline const Edition* const AllEditions[] = {&videoEdition(), &editions::softwareEdition(),
                                             &editions::audioEdition(), &editions::printedMediaEdition(),
                                             &editions::contactEdition()};

} // namespace orupim::catalogue::test
