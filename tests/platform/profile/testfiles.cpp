#include "testfiles.h"

#include "platform/files/drivepath.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orupim::test {

std::string putFile(std::string_view drivePath, std::string_view bytes) {
    std::filesystem::path host = files::toHost(drivePath);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return std::string(drivePath);
}

std::string fileBytes(std::string_view drivePath) {
    std::ifstream in(files::toHost(drivePath), std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace orupim::test
