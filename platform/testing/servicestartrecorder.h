// Replaces the DDE client's start of a service program for the life of the object: no program is started,
// the service of each start is recorded, and the start answers `answer`. With no server listening, a
// conversation then stays closed, so a test never starts the real Program Manager.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/dde/servicestarter.h"

#include <string>
#include <vector>

namespace orupim::testing {

class ServiceStartRecorder {
public:
    ServiceStartRecorder();
    ServiceStartRecorder(const ServiceStartRecorder&) = delete;
    ServiceStartRecorder& operator=(const ServiceStartRecorder&) = delete;

    std::vector<std::string> services; // the service of each start, in order
    bool answer = false;

private:
    Replacement<dde::StartFunction> replacement_;
};

} // namespace orupim::testing
