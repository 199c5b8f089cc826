#include "platform/testing/shellrecorder.h"

namespace orupim::testing {

ShellRecorder::ShellRecorder()
    : shellReplacement_(shell::setShellImplementation,
                        [this](const shell::ShellRequest& request) {
                            starts.push_back(request);
                            if (failure)
                                shell::reportOpenFailure({shell::requestDocument(request), *failure});
                            return answer;
                        }),
      helpReplacement_(shell::setHelpImplementation, [this](const shell::HelpRequest& request) {
          helps.push_back(request);
          if (failure)
              shell::reportOpenFailure({shell::helpFilePath(request.helpFile), *failure});
          return answer;
      }) {}

} // namespace orupim::testing

namespace orupim::shell {

std::ostream& operator<<(std::ostream& out, const ShellRequest& request) {
    return out << "{\"" << request.operation << "\", \"" << request.file << "\", \"" << request.parameters
               << "\", \"" << request.directory << "\", " << request.showCommand << "}";
}

std::ostream& operator<<(std::ostream& out, const HelpRequest& request) {
    return out << "{\"" << request.helpFile << "\", " << request.command << ", " << request.data << "}";
}

} // namespace orupim::shell
