#include "platform/files/filesystem.h"

#include "platform/core/replaceable.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"

#include <system_error>

namespace orupim::files {

namespace {

std::filesystem::path hostProgramFile() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("/") : exe;
}

Replaceable<std::filesystem::path()>& programFileFinder() {
    static Replaceable<std::filesystem::path()> implementation(hostProgramFile);
    return implementation;
}

// Runs `operation` on the host path of a drive path: false for a path that has none, and for any failure, so
// that none of the file services ever throws.
template <typename Operation> bool onHostPath(std::string_view drivePath, Operation operation) noexcept {
    try {
        std::filesystem::path host = toHost(drivePath);
        std::error_code ec;
        return !host.empty() && operation(host, ec);
    } catch (...) {
        return false;
    }
}

} // namespace

ProgramFileFunction setProgramFileImplementation(ProgramFileFunction implementation) {
    return programFileFinder().replace(std::move(implementation));
}

std::string programFile() {
    return toDrive(programFileFinder()());
}

std::string programDirectory() {
    return directoryOf(programFile());
}

std::string windowsDirectory() {
    const std::string dir = "C:\\WINDOWS";
    std::error_code ec;
    std::filesystem::create_directories(toHost(dir), ec);
    return dir;
}

bool copyFile(std::string_view source, std::string_view destination, bool failIfExists) noexcept {
    try {
        std::filesystem::path from = toHost(source);
        std::filesystem::path to = toHost(destination);
        std::error_code ec;
        if (from.empty() || to.empty() || !std::filesystem::is_regular_file(from, ec))
            return false;
        return copyFileAtomically(from, to, failIfExists);
    } catch (...) {
        return false;
    }
}

bool fileExists(std::string_view drivePath) noexcept {
    return onHostPath(drivePath, [](const std::filesystem::path& host, std::error_code& ec) {
        return std::filesystem::is_regular_file(host, ec);
    });
}

bool directoryExists(std::string_view drivePath) noexcept {
    return onHostPath(drivePath, [](const std::filesystem::path& host, std::error_code& ec) {
        return std::filesystem::is_directory(host, ec);
    });
}

bool createDirectory(std::string_view drivePath) noexcept {
    return onHostPath(drivePath, [](const std::filesystem::path& host, std::error_code& ec) {
        return std::filesystem::create_directory(host, ec);
    });
}

bool forceDirectories(std::string_view drivePath) noexcept {
    return onHostPath(drivePath, [](const std::filesystem::path& host, std::error_code& ec) {
        std::filesystem::create_directories(host, ec);
        return std::filesystem::is_directory(host, ec);
    });
}

std::string currentDirectory() {
    std::error_code ec;
    return toDrive(std::filesystem::current_path(ec));
}

bool setCurrentDirectory(std::string_view drivePath) noexcept {
    return onHostPath(drivePath, [](const std::filesystem::path& host, std::error_code& ec) {
        if (!std::filesystem::is_directory(host, ec))
            return false;
        std::filesystem::current_path(host, ec);
        return !ec;
    });
}

} // namespace orupim::files
