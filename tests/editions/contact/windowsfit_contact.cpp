#include "editions/contact/contactedition.h"
#include "windowsfit.h"

namespace orupim::catalogue::test {

INSTANTIATE_TEST_SUITE_P(Contact, WindowsFit, ::testing::Values(&editions::contactEdition()),
                         [](const auto& info) { return info.param->deliverable; });

} // namespace orupim::catalogue::test
