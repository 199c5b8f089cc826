#include "platform/files/atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orupim::files {

namespace {

std::function<bool(const std::filesystem::path&)>& failureHook() {
    static std::function<bool(const std::filesystem::path&)> hook;
    return hook;
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

// The file a write really replaces: a symbolic link is followed, so that a link to a store stays a link.
std::filesystem::path targetOf(const std::filesystem::path& hostPath) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(hostPath, ec))
        return hostPath;
    auto resolved = std::filesystem::weakly_canonical(hostPath, ec);
    return ec ? hostPath : resolved;
}

// Replaces `hostPath` by what `fill` writes into a temporary file beside it; `mode` is the new file's mode
// when the target does not exist yet (an existing one keeps its own unless `keepMode` is false).
bool replaceFile(const std::filesystem::path& hostPath, mode_t mode, bool keepMode,
                 const std::function<bool(int fd)>& fill) {
    if (failureHook() && failureHook()(hostPath))
        return false;
    std::filesystem::path target = targetOf(hostPath);
    struct stat old {};
    bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0))
        return false;
    std::string temp = target.string() + ".tmpXXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, (replacing && keepMode ? old.st_mode : mode) & 07777);
    bool ok = fill(fd);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) {
        // The rename itself is made durable by flushing the directory that holds it.
        std::filesystem::path dir = target.parent_path().empty() ? "." : target.parent_path();
        if (int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

} // namespace

void setWriteFailureForTesting(std::function<bool(const std::filesystem::path&)> shouldFail) {
    failureHook() = std::move(shouldFail);
}

bool writeFileAtomically(const std::filesystem::path& hostPath, std::string_view content) {
    return replaceFile(hostPath, 0644, true,
                       [&](int fd) { return writeAll(fd, content.data(), content.size()); });
}

bool copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& destination) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode);
    ok = ok && replaceFile(destination, info.st_mode, false, [in](int out) {
             char buffer[65536];
             for (;;) {
                 ssize_t n = ::read(in, buffer, sizeof buffer);
                 if (n < 0 && errno == EINTR)
                     continue;
                 if (n < 0)
                     return false;
                 if (n == 0)
                     return true;
                 if (!writeAll(out, buffer, std::size_t(n)))
                     return false;
             }
         });
    ::close(in);
    return ok;
}

bool isReadOnlyFile(const std::filesystem::path& hostPath) {
    struct stat info {};
    return ::stat(hostPath.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

} // namespace orupim::files
