#include "platform/db/session.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/files/platformroot.h"

namespace orupim::db {

Session& Session::instance() {
    static Session session(files::platformRoot() / "engine.cfg");
    return session;
}

Session::Session(std::filesystem::path configFile) : configFile_(std::move(configFile)) {}

void Session::aliasNames(StringList& names) const {
    names.clear();
    for (const auto& alias : aliases_)
        names.add(alias.name);
}

bool Session::isAlias(std::string_view name) const {
    return find(name) != nullptr;
}

void Session::addStandardAlias(std::string_view name, std::string_view path, std::string_view defaultDriver) {
    aliases_.push_back(
        {std::string(name), "STANDARD",
         StringList{"PATH=" + std::string(path), "DEFAULT DRIVER=" + std::string(defaultDriver)}});
}

void Session::aliasParams(std::string_view name, StringList& params) const {
    const auto* alias = find(name);
    if (!alias)
        throw DatabaseError(formatText("Unknown database: %s", {name}));
    params = alias->params;
}

void Session::modifyAlias(std::string_view name, const StringList& params) {
    if (auto* alias = find(name))
        alias->params = params;
}

void Session::deleteAlias(std::string_view) {}
void Session::saveConfig() {}
void Session::reload() {}
std::string Session::aliasPath(std::string_view) const {
    return {};
}
void Session::createTable(std::string_view, const RecordLayout&) {}
void Session::createAliasTable(std::string_view, const RecordLayout&) const {}

const Session::Alias* Session::find(std::string_view name) const {
    for (const auto& alias : aliases_)
        if (equalsIgnoreCase(alias.name, name))
            return &alias;
    return nullptr;
}

Session::Alias* Session::find(std::string_view name) {
    return const_cast<Alias*>(static_cast<const Session*>(this)->find(name));
}

} // namespace orupim::db
