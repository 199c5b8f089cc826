#include "platform/testing/servicestartrecorder.h"

namespace orupim::testing {

ServiceStartRecorder::ServiceStartRecorder()
    : previous_(dde::setServiceStarter([this](std::string_view service) {
          services.emplace_back(service);
          return answer;
      })) {}

ServiceStartRecorder::~ServiceStartRecorder() {
    dde::setServiceStarter(std::move(previous_));
}

} // namespace orupim::testing
