// A file layer under SQLite for table files that reads ahead where a statement walks the file in order.
// SQLite reads a table one page at a time; a walk of a whole table of a million records is then some thirty
// thousand reads of the file. Here, once two reads follow one another, the file is read in blocks (growing
// from 32 KiB to 512 KiB while the walk keeps in order) and the pages are taken from the block in memory.
// Reads out of order go straight to the file, as do all writes.
//
// A block is only ever used under the lock in which it was read: taking or giving up a lock, and any write,
// drop it. Under SQLite's rollback journal no other program can change the file while a lock is held, so a
// block never holds an old page. A file that another program has put into write-ahead-log mode changes under
// a held lock (checkpoints) and is never read ahead.
#pragma once

namespace orupim::db {

// The layer's name for sqlite3_open_v2; it is registered on the first call. It is not SQLite's default.
const char* readAheadFileLayer();

} // namespace orupim::db
