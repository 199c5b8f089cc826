#include "catalogue/videoedition.h"
#include "editionwindows.h"

namespace orupim::catalogue::test {

ORUPIM_EDITION_WINDOW_TESTS(Video, ::testing::Values(&videoEdition()));

} // namespace orupim::catalogue::test
