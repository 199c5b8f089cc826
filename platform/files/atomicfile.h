// Writing a file so that a crash never leaves half of it: the text goes to a temporary file beside the
// target, which is flushed and then renamed over it. Every store of the platform layer writes this way, and
// so does a file copy. A file whose mode bits let no one write it is read-only for every user, root included,
// as the old platform's read-only attribute was: such a file is never replaced. A write also removes the
// temporary files that killed writers of the same target left behind (only names of our own pattern,
// "<target>.tmpXXXXXX", and only those no live writer holds).
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace orupim::files {

// Writes `content` to `hostPath` atomically; false (and the old file untouched) when anything fails. A new
// file gets mode 0600 (the stores are their owner's alone), a replaced one keeps its mode. A symbolic link is
// followed: the file it names is replaced.
bool writeFileAtomically(const std::filesystem::path& hostPath, std::string_view content);

// Copies the host file `source` to `destination` the same way: the destination is either its old self or a
// whole copy, with the source's mode bits. With failIfExists an existing destination (even one that appears
// while the copy is made) is kept and the copy fails. False when anything fails.
bool copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& destination,
                        bool failIfExists);

// Whether an existing file is read-only: no write bit for anyone in its mode.
bool isReadOnlyFile(const std::filesystem::path& hostPath);

// Makes every write or copy whose target `shouldFail` accepts fail before touching anything, so that tests
// can prove a failed write loses nothing; an empty function makes writes real again. Answers the predicate
// it replaces (empty while writes were real).
using WriteFailureFunction = std::function<bool(const std::filesystem::path& target)>;
WriteFailureFunction setWriteFailure(WriteFailureFunction shouldFail);

} // namespace orupim::files
