#include "services/progman/programgroups.h"

#include "platform/core/text.h"
#include "platform/core/textlines.h"
#include "platform/files/atomicfile.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace orupim::progman {

ProgramGroups ProgramGroups::load(const std::filesystem::path& file) {
    ProgramGroups result;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return result;
    std::ifstream in(file, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(file, error))
        throw StoreError("cannot read " + file.string());
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    enum class Section { none, manager, group } section = Section::none;
    std::size_t number = 0;
    auto fault = [&] {
        return StoreError(file.string() + ": line " + std::to_string(number) + " is not understood");
    };
    for (std::string_view line : splitLines(content, LineEnds::LineFeed).lines) {
        ++number;
        if (line.empty())
            continue;
        if (line == "[Program Manager]") {
            section = Section::manager;
            continue;
        }
        if (line == "[Group]") {
            section = Section::group;
            result.groups_.push_back({});
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            throw fault();
        std::string_view key = line.substr(0, equals);
        std::string value(line.substr(equals + 1));
        if (section == Section::manager && key == "Active") {
            result.active_ = value;
        } else if (section == Section::group && key == "Name") {
            result.groups_.back().name = value;
        } else if (section == Section::group && key == "Item") {
            result.groups_.back().items.push_back({value, {}});
        } else if (section == Section::group && key == "Command" && !result.groups_.back().items.empty()) {
            result.groups_.back().items.back().commandLine = value;
        } else {
            throw fault();
        }
    }
    return result;
}

void ProgramGroups::save(const std::filesystem::path& file) const {
    std::ostringstream out;
    out << "[Program Manager]\r\nActive=" << active_ << "\r\n";
    for (const ProgramGroup& group : groups_) {
        out << "\r\n[Group]\r\nName=" << group.name << "\r\n";
        for (const ProgramItem& item : group.items)
            out << "Item=" << item.name << "\r\nCommand=" << item.commandLine << "\r\n";
    }
    if (!files::writeFileAtomically(file, out.str()))
        throw StoreError("cannot write " + file.string());
}

std::optional<std::size_t> ProgramGroups::groupIndex(std::string_view name) const {
    for (std::size_t i = 0; i < groups_.size(); ++i)
        if (equalsIgnoreCase(groups_[i].name, name))
            return i;
    return std::nullopt;
}

std::optional<std::size_t> ProgramGroups::activeIndex() const {
    return active_.empty() ? std::nullopt : groupIndex(active_);
}

std::size_t ProgramGroups::createGroup(std::string_view name) {
    active_ = std::string(name);
    if (std::optional<std::size_t> index = groupIndex(name))
        return *index;
    groups_.push_back({std::string(name), {}});
    return groups_.size() - 1;
}

const ProgramGroup* ProgramGroups::active() const {
    std::optional<std::size_t> index = activeIndex();
    return index ? &groups_[*index] : nullptr;
}

std::optional<std::size_t> ProgramGroups::addItem(std::string_view commandLine, std::string_view name) {
    std::optional<std::size_t> index = activeIndex();
    if (!index)
        return std::nullopt;
    std::vector<ProgramItem>& items = groups_[*index].items;
    for (ProgramItem& item : items)
        if (equalsIgnoreCase(item.name, name)) {
            item.commandLine = std::string(commandLine);
            return index;
        }
    items.push_back({std::string(name), std::string(commandLine)});
    return index;
}

std::optional<std::size_t> ProgramGroups::showGroup(std::string_view name) {
    std::optional<std::size_t> index = groupIndex(name);
    if (index)
        active_ = groups_[*index].name;
    return index;
}

std::optional<std::size_t> ProgramGroups::deleteItem(std::string_view name) {
    std::optional<std::size_t> index = activeIndex();
    if (!index)
        return std::nullopt;
    std::vector<ProgramItem>& items = groups_[*index].items;
    for (auto item = items.begin(); item != items.end(); ++item)
        if (equalsIgnoreCase(item->name, name)) {
            items.erase(item);
            return index;
        }
    return std::nullopt;
}

bool ProgramGroups::deleteGroup(std::string_view name) {
    std::optional<std::size_t> index = groupIndex(name);
    if (!index)
        return false;
    if (equalsIgnoreCase(active_, name))
        active_.clear();
    groups_.erase(groups_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

} // namespace orupim::progman
