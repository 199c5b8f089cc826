#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "windowsfit.h"

namespace orupim::catalogue::test {

INSTANTIATE_TEST_SUITE_P(Editions, WindowsFit,
                         ::testing::Values(&editions::softwareEdition(), &editions::audioEdition(),
                                           &editions::printedMediaEdition()),
                         [](const auto& info) { return info.param->deliverable; });

} // namespace orupim::catalogue::test
