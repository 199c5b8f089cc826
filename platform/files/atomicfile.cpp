#include "platform/files/atomicfile.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orupim::files {

namespace {
std::function<bool(const std::filesystem::path&)>& failureHook() {
    static std::function<bool(const std::filesystem::path&)> hook;
    return hook;
}
} // namespace

void setWriteFailureForTesting(std::function<bool(const std::filesystem::path&)> shouldFail) {
    failureHook() = std::move(shouldFail);
}

bool writeFileAtomically(const std::filesystem::path& hostPath, std::string_view content) {
    if (failureHook() && failureHook()(hostPath))
        return false;
    // A file whose mode bits allow no one to write is read-only, also for root: the old platform's read-only
    // attribute held for every user, and tests run as root.
    struct stat old {};
    bool replacing = ::stat(hostPath.c_str(), &old) == 0;
    if (replacing && (old.st_mode & 0222) == 0)
        return false;
    std::string temp = hostPath.string() + ".tmpXXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    // Keep the mode of the file being replaced, so a read-only mark or a shared file's bits survive the write.
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    const char* data = content.data();
    std::size_t left = content.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            ok = false;
            break;
        }
        data += n;
        left -= std::size_t(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), hostPath.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

} // namespace orupim::files
