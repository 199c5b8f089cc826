#include "editions/contact/contactedition.h"
#include "editionwindows.h"

namespace orupim::catalogue::test {

ORUPIM_EDITION_WINDOW_TESTS(Contact, ::testing::Values(&editions::contactEdition()));

} // namespace orupim::catalogue::test
