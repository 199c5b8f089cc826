#include "platform/db/readahead.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sqlite3.h>

namespace orupim::db {

namespace {

constexpr int FirstBlock = 32 * 1024;
constexpr int LargestBlock = 512 * 1024;

sqlite3_vfs* lower() {
    static sqlite3_vfs* const vfs = sqlite3_vfs_find(nullptr);
    return vfs;
}

// SQLite allocates this for each open file; the lower layer's own file follows it.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
    bool mainFile;      // the table file itself, not a journal
    bool writeAheadLog; // shared memory was asked for: the file is in write-ahead-log mode
    int lock;
    char* block; // the bytes from blockAt, blockLength of them, read under the lock held now
    int blockCapacity;
    sqlite3_int64 blockAt;
    int blockLength;
    int nextBlock;           // the size of the next block, should the walk go on in order
    sqlite3_int64 directEnd; // where the last read straight from the file ended (-1: none)
};

File* fileOf(sqlite3_file* file) {
    return reinterpret_cast<File*>(file);
}

const sqlite3_io_methods& realMethods(sqlite3_file* file) {
    return *fileOf(file)->real->pMethods;
}

// The block's bytes are no longer taken; its memory is kept for the next block until the file is closed.
void dropBlock(File& file) {
    file.blockLength = 0;
    file.nextBlock = FirstBlock;
    file.directEnd = -1;
}

int directRead(File& file, void* out, int amount, sqlite3_int64 offset) {
    file.directEnd = offset + amount;
    return file.real->pMethods->xRead(file.real, out, amount, offset);
}

// Reads `size` bytes from `offset` into the block, fewer where the file ends first; false when none could be
// read.
bool fillBlock(File& file, sqlite3_int64 offset, int size) {
    sqlite3_int64 fileSize = 0;
    if (file.real->pMethods->xFileSize(file.real, &fileSize) != SQLITE_OK || offset >= fileSize)
        return false;
    size = int(std::min<sqlite3_int64>(size, fileSize - offset));
    if (size > file.blockCapacity) {
        char* larger = static_cast<char*>(std::realloc(file.block, std::size_t(size)));
        if (!larger)
            return false;
        file.block = larger;
        file.blockCapacity = size;
    }
    if (file.real->pMethods->xRead(file.real, file.block, size, offset) != SQLITE_OK) {
        dropBlock(file);
        return false;
    }
    file.blockAt = offset;
    file.blockLength = size;
    file.directEnd = -1;
    return true;
}

int readFile(sqlite3_file* handle, void* out, int amount, sqlite3_int64 offset) {
    File& file = *fileOf(handle);
    if (!file.mainFile || file.writeAheadLog || file.lock == SQLITE_LOCK_NONE || amount > FirstBlock)
        return directRead(file, out, amount, offset);
    const sqlite3_int64 blockEnd = file.blockAt + file.blockLength;
    if (file.blockLength > 0 && offset >= file.blockAt && offset + amount <= blockEnd) {
        std::memcpy(out, file.block + (offset - file.blockAt), std::size_t(amount));
        return SQLITE_OK;
    }
    // In order: just past the block (a page skipped, such as a parent page read earlier, still counts), or
    // right after the last read that went straight to the file.
    const bool afterBlock = file.blockLength > 0 && offset >= blockEnd && offset - blockEnd < file.nextBlock;
    const bool afterDirect = offset == file.directEnd;
    if (!afterBlock && !afterDirect) {
        file.nextBlock = FirstBlock;
        return directRead(file, out, amount, offset);
    }
    const int size = afterBlock ? file.nextBlock : FirstBlock;
    if (!fillBlock(file, offset, size) || file.blockLength < amount)
        return directRead(file, out, amount, offset);
    file.nextBlock = std::min(size * 2, LargestBlock);
    std::memcpy(out, file.block, std::size_t(amount));
    return SQLITE_OK;
}

int closeFile(sqlite3_file* handle) {
    File& file = *fileOf(handle);
    std::free(file.block);
    file.block = nullptr;
    return file.real->pMethods->xClose(file.real);
}

int writeFile(sqlite3_file* handle, const void* data, int amount, sqlite3_int64 offset) {
    dropBlock(*fileOf(handle));
    return realMethods(handle).xWrite(fileOf(handle)->real, data, amount, offset);
}

int truncateFile(sqlite3_file* handle, sqlite3_int64 size) {
    dropBlock(*fileOf(handle));
    return realMethods(handle).xTruncate(fileOf(handle)->real, size);
}

int syncFile(sqlite3_file* handle, int flags) {
    return realMethods(handle).xSync(fileOf(handle)->real, flags);
}

int fileSize(sqlite3_file* handle, sqlite3_int64* size) {
    return realMethods(handle).xFileSize(fileOf(handle)->real, size);
}

int lockFile(sqlite3_file* handle, int level) {
    File& file = *fileOf(handle);
    dropBlock(file);
    const int rc = file.real->pMethods->xLock(file.real, level);
    if (rc == SQLITE_OK)
        file.lock = level;
    return rc;
}

int unlockFile(sqlite3_file* handle, int level) {
    File& file = *fileOf(handle);
    dropBlock(file);
    const int rc = file.real->pMethods->xUnlock(file.real, level);
    // Whatever the answer, the lock may be gone: read straight from the file until the next one is taken.
    file.lock = rc == SQLITE_OK ? level : SQLITE_LOCK_NONE;
    return rc;
}

int checkReservedLock(sqlite3_file* handle, int* reserved) {
    return realMethods(handle).xCheckReservedLock(fileOf(handle)->real, reserved);
}

int fileControl(sqlite3_file* handle, int op, void* argument) {
    return realMethods(handle).xFileControl(fileOf(handle)->real, op, argument);
}

int sectorSize(sqlite3_file* handle) {
    return realMethods(handle).xSectorSize(fileOf(handle)->real);
}

int deviceCharacteristics(sqlite3_file* handle) {
    return realMethods(handle).xDeviceCharacteristics(fileOf(handle)->real);
}

int mapShared(sqlite3_file* handle, int region, int size, int extend, void volatile** memory) {
    File& file = *fileOf(handle);
    file.writeAheadLog = true;
    dropBlock(file);
    return file.real->pMethods->xShmMap(file.real, region, size, extend, memory);
}

int lockShared(sqlite3_file* handle, int offset, int count, int flags) {
    return realMethods(handle).xShmLock(fileOf(handle)->real, offset, count, flags);
}

void sharedBarrier(sqlite3_file* handle) {
    realMethods(handle).xShmBarrier(fileOf(handle)->real);
}

int unmapShared(sqlite3_file* handle, int deleteFlag) {
    return realMethods(handle).xShmUnmap(fileOf(handle)->real, deleteFlag);
}

int fetch(sqlite3_file* handle, sqlite3_int64 offset, int amount, void** page) {
    return realMethods(handle).xFetch(fileOf(handle)->real, offset, amount, page);
}

int unfetch(sqlite3_file* handle, sqlite3_int64 offset, void* page) {
    return realMethods(handle).xUnfetch(fileOf(handle)->real, offset, page);
}

// One set of methods for each version the lower layer's files may have, so that SQLite asks for no method
// the lower file lacks.
const sqlite3_io_methods* methodsFor(int version) {
    static const sqlite3_io_methods methods[] = {
        {1, closeFile, readFile, writeFile, truncateFile, syncFile, fileSize, lockFile, unlockFile,
         checkReservedLock, fileControl, sectorSize, deviceCharacteristics, nullptr, nullptr, nullptr,
         nullptr, nullptr, nullptr},
        {2, closeFile, readFile, writeFile, truncateFile, syncFile, fileSize, lockFile, unlockFile,
         checkReservedLock, fileControl, sectorSize, deviceCharacteristics, mapShared, lockShared,
         sharedBarrier, unmapShared, nullptr, nullptr},
        {3, closeFile, readFile, writeFile, truncateFile, syncFile, fileSize, lockFile, unlockFile,
         checkReservedLock, fileControl, sectorSize, deviceCharacteristics, mapShared, lockShared,
         sharedBarrier, unmapShared, fetch, unfetch},
    };
    return &methods[std::clamp(version, 1, 3) - 1];
}

constexpr int FileSpace = int((sizeof(File) + 7) / 8 * 8);

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* handle, int flags, int* outFlags) {
    File& file = *fileOf(handle);
    file.real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(handle) + FileSpace);
    file.mainFile = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    file.writeAheadLog = false;
    file.lock = SQLITE_LOCK_NONE;
    file.block = nullptr;
    file.blockCapacity = 0;
    dropBlock(file);
    const int rc = lower()->xOpen(lower(), name, file.real, flags, outFlags);
    // Without methods SQLite takes the file for unopened and never closes it.
    handle->pMethods = file.real->pMethods ? methodsFor(file.real->pMethods->iVersion) : nullptr;
    return rc;
}

int deleteFile(sqlite3_vfs*, const char* name, int syncDirectory) {
    return lower()->xDelete(lower(), name, syncDirectory);
}

int accessFile(sqlite3_vfs*, const char* name, int flags, int* result) {
    return lower()->xAccess(lower(), name, flags, result);
}

int fullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return lower()->xFullPathname(lower(), name, size, out);
}

void* openLibrary(sqlite3_vfs*, const char* name) {
    return lower()->xDlOpen(lower(), name);
}

void libraryError(sqlite3_vfs*, int size, char* out) {
    lower()->xDlError(lower(), size, out);
}

void (*librarySymbol(sqlite3_vfs*, void* library, const char* symbol))() {
    return lower()->xDlSym(lower(), library, symbol);
}

void closeLibrary(sqlite3_vfs*, void* library) {
    lower()->xDlClose(lower(), library);
}

int randomness(sqlite3_vfs*, int size, char* out) {
    return lower()->xRandomness(lower(), size, out);
}

int sleepFor(sqlite3_vfs*, int microseconds) {
    return lower()->xSleep(lower(), microseconds);
}

int currentTime(sqlite3_vfs*, double* now) {
    return lower()->xCurrentTime(lower(), now);
}

int lastError(sqlite3_vfs*, int size, char* out) {
    return lower()->xGetLastError(lower(), size, out);
}

int currentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
    return lower()->xCurrentTimeInt64(lower(), now);
}

} // namespace

const char* readAheadFileLayer() {
    static constexpr const char* Name = "orupim-readahead";
    static std::once_flag registered;
    std::call_once(registered, [] {
        static sqlite3_vfs layer{};
        layer.iVersion = 2;
        layer.szOsFile = FileSpace + lower()->szOsFile;
        layer.mxPathname = lower()->mxPathname;
        layer.zName = Name;
        layer.xOpen = openFile;
        layer.xDelete = deleteFile;
        layer.xAccess = accessFile;
        layer.xFullPathname = fullPathname;
        layer.xDlOpen = openLibrary;
        layer.xDlError = libraryError;
        layer.xDlSym = librarySymbol;
        layer.xDlClose = closeLibrary;
        layer.xRandomness = randomness;
        layer.xSleep = sleepFor;
        layer.xCurrentTime = currentTime;
        layer.xGetLastError = lastError;
        layer.xCurrentTimeInt64 = currentTimeInt64;
        sqlite3_vfs_register(&layer, 0);
    });
    return Name;
}

} // namespace orupim::db
