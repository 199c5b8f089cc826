// The hive files under the platform root and how several processes share them. Reading takes the file as it
// is now (each change replaces it whole, so a reader never sees half a change); a text that is the same as
// the one last read in this process is not parsed again. A change takes the store lock of the root
// (files::StoreLock), reads the latest file, applies itself and replaces the file atomically, so that two
// programs changing different values at the same time lose neither. A new root's system hive is seeded from
// the host on first use.
#pragma once

#include "platform/registry/regkey.h"
#include "platform/registry/rootkey.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace orupim::registry {

std::filesystem::path hivePath(Hive hive);

// The hive's latest content. A damaged file raises a RegistryError naming the file and the line.
std::shared_ptr<const RegKey> readHive(Hive hive);

// Runs `change` on the latest content under the lock; when it answers true the file is replaced with the
// result. Answers false when the file could not be written (it is then unchanged). A damaged file raises a
// RegistryError before `change` runs and is never written.
bool modifyHive(Hive hive, const std::function<bool(RegKey&)>& change);

} // namespace orupim::registry
