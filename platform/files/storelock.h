// The lock under which a store is changed: a process that reads a store, changes it and replaces it holds an
// exclusive lock on the directory that holds the store for the whole time, so that two programs changing the
// same store at once each read the other's change instead of writing over it. Readers take no lock: every
// write replaces the file whole, so a reader sees either the old or the new file. The lock is the host's
// advisory file lock and goes with the process, so a killed writer never leaves a store locked.
#pragma once

#include <filesystem>

namespace orupim::files {

class StoreLock {
public:
    // Waits for the lock of the directory holding `store`; held() says whether it was taken.
    explicit StoreLock(const std::filesystem::path& store);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace orupim::files
