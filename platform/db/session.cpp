#include "platform/db/session.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/db/table.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/files/platformroot.h"

#include <fstream>
#include <sstream>

namespace orupim::db {

namespace {

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void checkParams(std::string_view alias, const StringList& params) {
    for (const auto& param : params)
        if (holdsLineBreak(param))
            throw DatabaseError(formatText("Invalid parameter of alias %s: a line break", {alias}));
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
    }
    return session;
}

Session::Session(std::filesystem::path configFile) : configFile_(std::move(configFile)) {}

void Session::load() const {
    if (loaded_)
        return;
    std::error_code error;
    if (std::filesystem::exists(configFile_, error)) {
        std::ifstream in(configFile_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in)
            throw DatabaseError(
                formatText("Cannot read the engine configuration %s", {configFile_.string()}));
        aliases_ = parseEngineConfig(text.str(), configFile_.string());
    } else {
        aliases_.clear();
    }
    loaded_ = true;
}

void Session::reload() {
    loaded_ = false;
    aliases_.clear();
    load();
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
}

void Session::aliasParams(std::string_view name, StringList& params) const {
    params = existing(name).params;
}

void Session::modifyAlias(std::string_view name, const StringList& params) {
    checkParams(name, params);
    existing(name).params = params;
}

void Session::deleteAlias(std::string_view name) {
    const AliasEntry* alias = &existing(name);
    aliases_.erase(aliases_.begin() + (alias - aliases_.data()));
}

void Session::saveConfig() {
    load();
    std::error_code error;
    std::filesystem::create_directories(configFile_.parent_path(), error);
    if (!files::writeFileAtomically(configFile_, formatEngineConfig(aliases_)))
        throw DatabaseError(formatText("Cannot write the engine configuration %s", {configFile_.string()}));
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
