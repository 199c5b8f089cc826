#include "platform/testing/servicestartrecorder.h"

namespace orupim::testing {

ServiceStartRecorder::ServiceStartRecorder()
    : replacement_(dde::setServiceStarter, [this](std::string_view service) {
          services.emplace_back(service);
          return answer;
      }) {}

} // namespace orupim::testing
