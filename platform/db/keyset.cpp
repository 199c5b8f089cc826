#include "platform/db/keyset.h"

#include <algorithm>
#include <limits>

namespace orupim::db {

void Keyset::addChunks(const std::int64_t* ids, int count, std::vector<Chunk>& out) {
    if (count == 0)
        return;
    const auto [low, high] = std::minmax_element(ids, ids + count);
    if (std::uint64_t(*high) - std::uint64_t(*low) > std::numeric_limits<std::uint32_t>::max()) {
        // Offsets would not fit: split until they do (a chunk of one id always fits).
        addChunks(ids, count / 2, out);
        addChunks(ids + count / 2, count - count / 2, out);
        return;
    }
    Chunk chunk;
    chunk.base = *low;
    chunk.count = count;
    bool consecutive = true;
    for (int i = 1; i < count && consecutive; ++i)
        consecutive = ids[i] == ids[i - 1] + 1;
    consecutive = consecutive && ids[0] == *low;
    if (!consecutive) {
        chunk.offsets.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            chunk.offsets.push_back(std::uint32_t(ids[i] - *low));
    }
    out.push_back(std::move(chunk));
}

void Keyset::append(std::int64_t rowid) {
    pending_.push_back(rowid);
    ++size_;
    if (int(pending_.size()) == ChunkSize)
        flushPending();
}

void Keyset::appendRun(std::int64_t first, int count) {
    flushPending();
    for (std::int64_t done = 0; done < count; done += ChunkSize) {
        Chunk chunk;
        chunk.base = first + done;
        chunk.count = int(std::min<std::int64_t>(ChunkSize, count - done));
        chunks_.push_back(std::move(chunk));
    }
    size_ += count;
}

void Keyset::flushPending() {
    addChunks(pending_.data(), int(pending_.size()), chunks_);
    pending_.clear();
}

void Keyset::finish() {
    flushPending();
    pending_.shrink_to_fit();
    reindex();
}

void Keyset::reindex() {
    starts_.resize(chunks_.size());
    int position = 0;
    for (std::size_t i = 0; i < chunks_.size(); ++i) {
        starts_[i] = position;
        position += chunks_[i].count;
    }
    lastChunk_ = 0;
}

int Keyset::chunkOf(int position) const {
    // Walks move one position at a time: try the chunk used last and its neighbours before searching.
    const int count = int(chunks_.size());
    for (int candidate : {lastChunk_, lastChunk_ + 1, lastChunk_ - 1})
        if (candidate >= 0 && candidate < count && position >= starts_[std::size_t(candidate)] &&
            position < starts_[std::size_t(candidate)] + chunks_[std::size_t(candidate)].count)
            return lastChunk_ = candidate;
    lastChunk_ = int(std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin()) - 1;
    return lastChunk_;
}

std::int64_t Keyset::at(int position) const {
    const int chunk = chunkOf(position);
    return chunks_[std::size_t(chunk)].at(position - starts_[std::size_t(chunk)]);
}

void Keyset::insert(int position, std::int64_t rowid) {
    if (chunks_.empty()) {
        addChunks(&rowid, 1, chunks_);
    } else {
        // Rebuild the chunk that takes the id (the last one when it goes at the end).
        const int chunk = position >= size_ ? int(chunks_.size()) - 1 : chunkOf(position);
        const Chunk& old = chunks_[std::size_t(chunk)];
        std::vector<std::int64_t> ids;
        ids.reserve(std::size_t(old.count) + 1);
        for (int i = 0; i < old.count; ++i)
            ids.push_back(old.at(i));
        ids.insert(ids.begin() + (position - starts_[std::size_t(chunk)]), rowid);
        std::vector<Chunk> rebuilt;
        for (std::size_t at = 0; at < ids.size(); at += ChunkSize)
            addChunks(ids.data() + at, int(std::min<std::size_t>(ChunkSize, ids.size() - at)), rebuilt);
        chunks_.erase(chunks_.begin() + chunk);
        chunks_.insert(chunks_.begin() + chunk, rebuilt.begin(), rebuilt.end());
    }
    ++size_;
    reindex();
}

void Keyset::erase(int position) {
    const int chunk = chunkOf(position);
    const Chunk& old = chunks_[std::size_t(chunk)];
    std::vector<std::int64_t> ids;
    for (int i = 0; i < old.count; ++i)
        if (i != position - starts_[std::size_t(chunk)])
            ids.push_back(old.at(i));
    std::vector<Chunk> rebuilt;
    addChunks(ids.data(), int(ids.size()), rebuilt);
    chunks_.erase(chunks_.begin() + chunk);
    chunks_.insert(chunks_.begin() + chunk, rebuilt.begin(), rebuilt.end());
    --size_;
    reindex();
}

void Keyset::clear() {
    chunks_.clear();
    chunks_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
    pending_.clear();
    size_ = 0;
    lastChunk_ = 0;
}

} // namespace orupim::db
