#include "platform/files/atomicfile.h"

#include "platform/core/replaceable.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orupim::files {

namespace {

bool noWriteFails(const std::filesystem::path&) {
    return false;
}

Replaceable<bool(const std::filesystem::path&)>& writeFails() {
    static Replaceable<bool(const std::filesystem::path&)> predicate(noWriteFails);
    return predicate;
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

// Moves the finished temporary file to the target. Without replacing, the move itself refuses an existing
// target, so that two processes making the same new file cannot both succeed; a file system that cannot do
// that gets a test and a plain rename.
bool moveIntoPlace(const std::string& temp, const std::filesystem::path& target, bool replace) {
    if (replace)
        return ::rename(temp.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat existing {};
    return ::lstat(target.c_str(), &existing) != 0 && ::rename(temp.c_str(), target.c_str()) == 0;
}

// Whether `name` is one of our temporary files for the file named `target`: the target's name, ".tmp" and
// the six letters or digits mkstemp puts in.
bool isTemporaryName(const std::string& name, const std::string& target) {
    constexpr std::string_view Suffix = ".tmp";
    if (name.size() != target.size() + Suffix.size() + 6 || name.compare(0, target.size(), target) != 0 ||
        name.compare(target.size(), Suffix.size(), Suffix) != 0)
        return false;
    for (std::size_t i = target.size() + Suffix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// Removes the temporary files that writers of `target` killed before their rename left beside it. A live
// writer holds a lock on its temporary file from the moment it has made it until the rename, so a temporary
// file that can be locked belongs to no live writer and is removed; one that cannot is left alone.
void removeStaleTemporaries(const std::filesystem::path& target, const std::string& own) {
    std::filesystem::path dir = target.parent_path().empty() ? "." : target.parent_path();
    std::string targetName = target.filename().string();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!isTemporaryName(name, targetName) || it->path().string() == own)
            continue;
        int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

// Replaces `hostPath` by what `fill` writes into a temporary file beside it (without `replace`, makes it only
// when it does not exist); `mode` is the new file's mode when the target does not exist yet (an existing one
// keeps its own unless `keepMode` is false).
bool replaceFile(const std::filesystem::path& hostPath, mode_t mode, bool keepMode, bool replace,
                 const std::function<bool(int fd)>& fill) {
    if (writeFails()(hostPath))
        return false;
    std::filesystem::path target = targetOf(hostPath);
    struct stat old {};
    bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && (!replace || !S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0))
        return false;
    std::string temp = target.string() + ".tmpXXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // Marks the temporary file as a live writer's until the rename (the lock goes with the descriptor).
    ::flock(fd, LOCK_EX);
    removeStaleTemporaries(target, temp);
    ::fchmod(fd, (replacing && keepMode ? old.st_mode : mode) & 07777);
    bool ok = fill(fd);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && moveIntoPlace(temp, target, replace)) {
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

WriteFailureFunction setWriteFailure(WriteFailureFunction shouldFail) {
    return writeFails().replace(std::move(shouldFail));
}

bool writeFileAtomically(const std::filesystem::path& hostPath, std::string_view content) {
    return replaceFile(hostPath, 0600, true, true,
                       [&](int fd) { return writeAll(fd, content.data(), content.size()); });
}

bool copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& destination,
                        bool failIfExists) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode);
    ok = ok && replaceFile(destination, info.st_mode, false, !failIfExists, [in](int out) {
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
