#include "setupprogram.h"

#include "platform/files/filesystem.h"
#include "setup/modulevalues.h"
#include "temproot.h"

#include <fstream>

namespace orupim::setup::test {

SetupDirectory::SetupDirectory() : path_(orupim::test::tempRoot() / "drive_c" / "disk1") {
    std::filesystem::create_directories(path_);
    files::setProgramFileImplementation([program = path_ / "OruInst"] { return program; });
    resetModuleValues();
}

SetupDirectory::~SetupDirectory() {
    files::setProgramFileImplementation({});
    resetModuleValues();
    std::filesystem::remove_all(path_);
}

void SetupDirectory::copyPackage(const std::string& fixture) const {
    std::filesystem::copy_file(std::filesystem::path(ORUPIM_TEST_DATA) / "setup" / fixture,
                               path_ / PackageFileName, std::filesystem::copy_options::overwrite_existing);
}

void SetupDirectory::writePackage(const std::string& text) const {
    std::ofstream(path_ / PackageFileName, std::ios::binary) << text;
}

} // namespace orupim::setup::test
