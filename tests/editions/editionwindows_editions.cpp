#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "editionwindows.h"

namespace orupim::catalogue::test {

ORUPIM_EDITION_WINDOW_TESTS(Editions,
                            ::testing::Values(&editions::softwareEdition(), &editions::audioEdition(),
                                              &editions::printedMediaEdition()));

} // namespace orupim::catalogue::test
