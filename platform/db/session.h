// The engine's session: the named aliases the programs open their tables through, kept in <root>/engine.cfg.
// An alias has a type and an ordered list of "name=value" parameters; a standard alias has "PATH" (a drive
// path of the directory holding the tables) and "DEFAULT DRIVER". Alias names match without regard to case.
#pragma once

#include "platform/core/stringlist.h"
#include "platform/db/engineconfig.h"
#include "platform/db/fielddef.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::db {

class Session {
public:
    // The default session, over the current platform root's engine.cfg. The file is read on first use; when
    // it is damaged every operation raises DatabaseError (so it is never overwritten) until it is mended.
    static Session& instance();

    // A session over another configuration file (read when it exists).
    explicit Session(std::filesystem::path configFile);

    void aliasNames(StringList& names) const;
    bool isAlias(std::string_view name) const;
    void addStandardAlias(std::string_view name, std::string_view path, std::string_view defaultDriver);
    // The alias's parameters as "name=value" lines; DatabaseError when there is no such alias.
    void aliasParams(std::string_view name, StringList& params) const;
    void modifyAlias(std::string_view name, const StringList& params);
    void deleteAlias(std::string_view name);
    // Writes this session's changes atomically onto the file as it is now (read again under the store's
    // lock, so that aliases other programs saved meanwhile are kept); DatabaseError when it cannot be
    // written or has been damaged meanwhile. The session then holds what the file holds.
    void saveConfig();
    // Reads the configuration file again, dropping unsaved changes.
    void reload();

    // The drive path of an alias's directory ("PATH"); DatabaseError for an unknown alias.
    std::string aliasPath(std::string_view name) const;
    // Creates the empty table of a layout as <directory>/<table>.db (directory a drive path), or in an
    // alias's directory. DatabaseError when the directory is missing or a table of that name exists.
    static void createTable(std::string_view directoryDrivePath, const RecordLayout& layout);
    void createAliasTable(std::string_view alias, const RecordLayout& layout) const;
    // The same in a host directory, for build-time tools (messages name host paths).
    static void createTableInHostDirectory(const std::filesystem::path& directory,
                                           const RecordLayout& layout);

    const std::filesystem::path& configFile() const { return configFile_; }

private:
    // An alias added, changed (its whole new entry) or deleted (nothing) since the last save.
    struct Change {
        std::string name;
        std::optional<AliasEntry> alias;
    };

    void load() const;
    void noteChange(std::string_view name, std::optional<AliasEntry> alias);
    const AliasEntry* find(std::string_view name) const;
    AliasEntry* find(std::string_view name);
    const AliasEntry& existing(std::string_view name) const;
    AliasEntry& existing(std::string_view name);

    std::filesystem::path configFile_;
    mutable bool loaded_ = false;
    mutable std::vector<AliasEntry> aliases_;
    std::vector<Change> changes_;
};

} // namespace orupim::db
