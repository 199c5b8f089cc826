#include "catalogue/videoedition.h"
#include "windowsfit.h"

namespace orupim::catalogue::test {

INSTANTIATE_TEST_SUITE_P(Video, WindowsFit, ::testing::Values(&videoEdition()),
                         [](const auto& info) { return info.param->deliverable; });

} // namespace orupim::catalogue::test
