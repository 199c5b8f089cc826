// The package description: any file is read to its values and lists without a crash.
#include "fuzz/fuzzroot.h"
#include "platform/files/drivepath.h"
#include "setup/packagereader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path root = orupim::fuzz::useTemporaryRoot();
    static const std::filesystem::path file = [] {
        std::filesystem::create_directories(root / "drive_c");
        return orupim::files::toHost("C:\\FUZZ.IPI");
    }();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    orupim::setup::readPackage("C:\\FUZZ.IPI");
    return 0;
}
