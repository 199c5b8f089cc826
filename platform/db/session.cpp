#include "platform/db/session.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/db/table.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/files/platformroot.h"
#include "platform/files/storelock.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace orupim::db {

namespace {

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A parameter is kept byte for byte; only a line feed would end its line early (a carriage return is kept,
// as the file's lines end in CR LF and only the last CR before the LF belongs to the line end).
void checkParams(std::string_view alias, const StringList& params) {
    for (const auto& param : params)
        if (param.find('\n') != std::string::npos)
            throw DatabaseError(formatText("Invalid parameter of alias %s: a line break", {alias}));
}

// The aliases the file holds now; none when it does not exist.
std::vector<AliasEntry> readConfigFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return {};
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in)
        throw DatabaseError(formatText("Cannot read the engine configuration %s", {file.string()}));
    return parseEngineConfig(text.str(), file.string());
}

std::vector<AliasEntry>::iterator findAlias(std::vector<AliasEntry>& aliases, std::string_view name) {
    return std::find_if(aliases.begin(), aliases.end(),
                        [&](const AliasEntry& alias) { return equalsIgnoreCase(alias.name, name); });
}

} // namespace

// The session follows the platform root: a process whose root changes (a test between its cases) reads the
// new root's configuration, as a program started there would.
Session& Session::instance() {
    static Session session(files::platformRoot() / "engine.cfg");
    if (std::filesystem::path file = files::platformRoot() / "engine.cfg"; file != session.configFile_) {
        session.configFile_ = std::move(file);
        session.loaded_ = false;
        session.aliases_.clear();
        session.changes_.clear();
    }
    return session;
}

Session::Session(std::filesystem::path configFile) : configFile_(std::move(configFile)) {}

void Session::load() const {
    if (loaded_)
        return;
    aliases_ = readConfigFile(configFile_);
    loaded_ = true;
}

void Session::reload() {
    loaded_ = false;
    aliases_.clear();
    changes_.clear();
    load();
}

void Session::noteChange(std::string_view name, std::optional<AliasEntry> alias) {
    // A later change of the same alias takes the first one's place, so new aliases keep the order they were
    // added in.
    for (Change& change : changes_)
        if (equalsIgnoreCase(change.name, name)) {
            change.alias = std::move(alias);
            return;
        }
    changes_.push_back({std::string(name), std::move(alias)});
}

void Session::aliasNames(StringList& names) const {
    load();
    names.clear();
    for (const auto& alias : aliases_)
        names.add(alias.name);
}

bool Session::isAlias(std::string_view name) const {
    return find(name) != nullptr;
}

void Session::addStandardAlias(std::string_view name, std::string_view path, std::string_view defaultDriver) {
    load();
    if (name.empty() || holdsLineBreak(name))
        throw DatabaseError(formatText("Invalid alias name: %s", {name}));
    if (find(name))
        throw DatabaseError(formatText("Alias already exists: %s", {name}));
    StringList params{formatText("%s=%s", {"PATH", path}),
                      formatText("%s=%s", {"DEFAULT DRIVER", defaultDriver})};
    checkParams(name, params);
    aliases_.push_back({std::string(name), "STANDARD", std::move(params)});
    noteChange(name, aliases_.back());
}

void Session::aliasParams(std::string_view name, StringList& params) const {
    params = existing(name).params;
}

void Session::modifyAlias(std::string_view name, const StringList& params) {
    checkParams(name, params);
    AliasEntry& alias = existing(name);
    alias.params = params;
    noteChange(alias.name, alias);
}

void Session::deleteAlias(std::string_view name) {
    const AliasEntry* alias = &existing(name);
    noteChange(alias->name, std::nullopt);
    aliases_.erase(aliases_.begin() + (alias - aliases_.data()));
}

void Session::saveConfig() {
    load();
    std::error_code error;
    std::filesystem::create_directories(configFile_.parent_path(), error);
    auto cannotWrite = [&] {
        return DatabaseError(formatText("Cannot write the engine configuration %s", {configFile_.string()}));
    };
    // This session's changes go onto the file as it is now, read under the store's lock, so that aliases
    // another program saved since this session read the file are kept.
    files::StoreLock lock(configFile_);
    if (!lock.held())
        throw cannotWrite();
    std::vector<AliasEntry> latest = readConfigFile(configFile_);
    for (const Change& change : changes_) {
        auto found = findAlias(latest, change.name);
        if (change.alias && found != latest.end())
            *found = *change.alias;
        else if (change.alias)
            latest.push_back(*change.alias);
        else if (found != latest.end())
            latest.erase(found);
    }
    if (!files::writeFileAtomically(configFile_, formatEngineConfig(latest)))
        throw cannotWrite();
    aliases_ = std::move(latest);
    changes_.clear();
}

std::string Session::aliasPath(std::string_view name) const {
    const AliasEntry& alias = existing(name);
    const int index = alias.params.indexOfName("PATH");
    if (index < 0)
        throw DatabaseError(formatText("Alias %s has no path", {alias.name}));
    return alias.params.valueFromIndex(index);
}

void Session::createTable(std::string_view directoryDrivePath, const RecordLayout& layout) {
    if (layout.table.empty() || !files::directoryExists(directoryDrivePath))
        throw DatabaseError(formatText("Cannot create table %s: the directory %s does not exist",
                                       {layout.table, directoryDrivePath}));
    std::string file(directoryDrivePath);
    if (file.back() != '\\' && file.back() != '/' && file.back() != ':')
        file += '\\';
    file += layout.table + ".db";
    // The name may exist in another letter case: the drive path resolves to that file then.
    const auto host = files::toHost(file);
    std::error_code error;
    if (std::filesystem::exists(host, error))
        throw DatabaseError(formatText("Table already exists: %s", {files::toDrive(host)}));
    Table::create(host, layout, files::toDrive(host));
}

void Session::createTableInHostDirectory(const std::filesystem::path& directory, const RecordLayout& layout) {
    std::error_code error;
    if (layout.table.empty() || !std::filesystem::is_directory(directory, error))
        throw DatabaseError(formatText("Cannot create table %s: the directory %s does not exist",
                                       {layout.table, directory.string()}));
    const auto file = directory / (layout.table + ".db");
    if (std::filesystem::exists(file, error))
        throw DatabaseError(formatText("Table already exists: %s", {file.string()}));
    Table::create(file, layout, file.string());
}

void Session::createAliasTable(std::string_view alias, const RecordLayout& layout) const {
    createTable(aliasPath(alias), layout);
}

const AliasEntry* Session::find(std::string_view name) const {
    load();
    for (const auto& alias : aliases_)
        if (equalsIgnoreCase(alias.name, name))
            return &alias;
    return nullptr;
}

AliasEntry* Session::find(std::string_view name) {
    return const_cast<AliasEntry*>(static_cast<const Session*>(this)->find(name));
}

const AliasEntry& Session::existing(std::string_view name) const {
    const auto* alias = find(name);
    if (!alias)
        throw DatabaseError(formatText("Unknown database: %s", {name}));
    return *alias;
}

AliasEntry& Session::existing(std::string_view name) {
    return const_cast<AliasEntry&>(static_cast<const Session*>(this)->existing(name));
}

} // namespace orupim::db
