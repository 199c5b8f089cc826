// The row ids of an open result, in the result's order, kept compactly: the ids are held in chunks of up to
// 256, and a chunk whose ids follow one another (the usual case for a whole table) is only its first id and
// its length, while any other chunk keeps 32-bit offsets from its smallest id. So a million-record result
// costs a few kilobytes when few records were ever deleted, and at most about four bytes a record otherwise.
#pragma once

#include <cstdint>
#include <vector>

namespace orupim::db {

class Keyset {
public:
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // The row id at a position (0 <= position < size()).
    std::int64_t at(int position) const;

    // Appends while the result is read; insert and erase serve posts and deletes.
    void append(std::int64_t rowid);
    // Appends the `count` ids that follow one another from `first` (first, first + 1, ...) without holding
    // each of them.
    void appendRun(std::int64_t first, int count);
    void finish(); // after the last append
    void insert(int position, std::int64_t rowid);
    void erase(int position);
    void clear();

private:
    struct Chunk {
        std::int64_t base = 0; // the smallest id
        int count = 0;
        std::vector<std::uint32_t> offsets; // empty when the ids are base, base + 1, ...
        std::int64_t at(int index) const { return offsets.empty() ? base + index : base + offsets[index]; }
    };
    static constexpr int ChunkSize = 256;

    void flushPending();
    static void addChunks(const std::int64_t* ids, int count, std::vector<Chunk>& out);
    int chunkOf(int position) const;
    void reindex();

    std::vector<Chunk> chunks_;
    std::vector<int> starts_; // the position of each chunk's first id
    std::vector<std::int64_t> pending_;
    int size_ = 0;
    mutable int lastChunk_ = 0;
};

} // namespace orupim::db
