#include "platform/registry/hivestore.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/files/atomicfile.h"
#include "platform/files/platformroot.h"
#include "platform/registry/hostseed.h"
#include "platform/registry/regeditformat.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orupim::registry {

namespace {

// Identifies one version of a file: each atomic replace makes a new inode.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs;
    }
};

struct CachedHive {
    FileStamp stamp;
    std::shared_ptr<const RegKey> content;
};

std::map<std::filesystem::path, CachedHive>& cache() {
    static std::map<std::filesystem::path, CachedHive> hives;
    return hives;
}

// An exclusive lock on the root's lock file, held while it lives.
class RootLock {
public:
    RootLock() {
        fd_ = ::open((files::platformRoot() / "registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~RootLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    RootLock(const RootLock&) = delete;
    RootLock& operator=(const RootLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

std::shared_ptr<const RegKey> load(Hive hive, const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::make_shared<const RegKey>();
        throw RegistryError(formatText("Cannot read registry file %s", {path.string()}));
    }
    struct stat info {};
    ::fstat(fd, &info);
    FileStamp stamp{info.st_dev, info.st_ino, info.st_size,
                    (long long)info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
    auto cached = cache().find(path);
    if (cached != cache().end() && cached->second.stamp == stamp) {
        ::close(fd);
        return cached->second.content;
    }
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    ::close(fd);
    if (n < 0)
        throw RegistryError(formatText("Cannot read registry file %s", {path.string()}));
    auto content = std::make_shared<const RegKey>(parseHive(text, hive, path.string()));
    cache()[path] = {stamp, content};
    return content;
}

// A root without a system hive is new: give it the host's registration and browser values.
void ensureSeeded() {
    std::filesystem::path system = hivePath(Hive::System);
    struct stat info {};
    if (::stat(system.c_str(), &info) == 0)
        return;
    RootLock lock;
    if (!lock.held() || ::stat(system.c_str(), &info) == 0)
        return;
    files::writeFileAtomically(system, formatHive(seededSystemHive(), Hive::System));
}

} // namespace

std::filesystem::path hivePath(Hive hive) {
    return files::platformRoot() / (hive == Hive::User ? "user.reg" : "system.reg");
}

std::shared_ptr<const RegKey> readHive(Hive hive) {
    ensureSeeded();
    return load(hive, hivePath(hive));
}

bool modifyHive(Hive hive, const std::function<bool(RegKey&)>& change) {
    ensureSeeded();
    std::filesystem::path path = hivePath(hive);
    RootLock lock;
    if (!lock.held())
        return false;
    RegKey content = *load(hive, path);
    if (!change(content))
        return true;
    return files::writeFileAtomically(path, formatHive(content, hive));
}

} // namespace orupim::registry
