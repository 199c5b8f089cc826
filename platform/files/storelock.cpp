#include "platform/files/storelock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orupim::files {

StoreLock::StoreLock(const std::filesystem::path& store) {
    // The directory, not the store itself, is locked: a write replaces the store's file by another, and a
    // lock on the old file would not stop a writer that opened the new one.
    std::filesystem::path dir = store.parent_path().empty() ? "." : store.parent_path();
    fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    int result;
    while ((result = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (result != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

StoreLock::~StoreLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace orupim::files
