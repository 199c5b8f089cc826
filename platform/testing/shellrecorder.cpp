#include "platform/testing/shellrecorder.h"

namespace orupim::testing {

ShellRecorder::ShellRecorder()
    : previousShell_(shell::setShellImplementation([this](const shell::ShellRequest& request) {
          starts.push_back(request);
          if (failure)
              shell::reportOpenFailure({shell::requestDocument(request), *failure});
          return answer;
      })),
      previousHelp_(shell::setHelpImplementation([this](const shell::HelpRequest& request) {
          helps.push_back(request);
          if (failure)
              shell::reportOpenFailure({shell::helpFilePath(request.helpFile), *failure});
          return answer;
      })) {}

ShellRecorder::~ShellRecorder() {
    shell::setShellImplementation(std::move(previousShell_));
    shell::setHelpImplementation(std::move(previousHelp_));
}

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
