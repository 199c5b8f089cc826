#include "platform/registry/hivestore.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/files/atomicfile.h"
#include "platform/files/platformroot.h"
#include "platform/files/storelock.h"
#include "platform/registry/hostseed.h"
#include "platform/registry/regeditformat.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace orupim::registry {

namespace {

// The text a hive was last parsed from in this process, and what it gave.
struct CachedHive {
    std::string text;
    std::shared_ptr<const RegKey> content;
};

std::map<std::filesystem::path, CachedHive>& cache() {
    static std::map<std::filesystem::path, CachedHive> hives;
    return hives;
}

std::shared_ptr<const RegKey> load(Hive hive, const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::make_shared<const RegKey>();
        throw RegistryError(formatText("Cannot read registry file %s", {path.string()}));
    }
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    ::close(fd);
    if (n < 0)
        throw RegistryError(formatText("Cannot read registry file %s", {path.string()}));
    auto cached = cache().find(path);
    if (cached != cache().end() && cached->second.text == text)
        return cached->second.content;
    auto content = std::make_shared<const RegKey>(parseHive(text, hive, path.string()));
    cache()[path] = {std::move(text), content};
    return content;
}

// A root without a system hive is new: give it the host's registration and browser values.
void ensureSeeded() {
    std::filesystem::path system = hivePath(Hive::System);
    struct stat info {};
    if (::stat(system.c_str(), &info) == 0)
        return;
    files::StoreLock lock(system);
    if (!lock.held() || ::stat(system.c_str(), &info) == 0)
        return;
    files::writeFileAtomically(system, formatHive(seededSystemHive(), Hive::System));
}

} // namespace

std::filesystem::path hivePath(Hive hive) {
    return files::platformRoot() / (hive == Hive::User ? "user.reg" : "system.reg");
}

std::shared_ptr<const RegKey> readHive(Hive hive) {
    ensureSeeded();
    return load(hive, hivePath(hive));
}

bool modifyHive(Hive hive, const std::function<bool(RegKey&)>& change) {
    ensureSeeded();
    std::filesystem::path path = hivePath(hive);
    files::StoreLock lock(path);
    if (!lock.held())
        return false;
    RegKey content = *load(hive, path);
    if (!change(content))
        return true;
    std::string text = formatHive(content, hive);
    if (!files::writeFileAtomically(path, text))
        return false;
    cache()[path] = {std::move(text), std::make_shared<const RegKey>(std::move(content))};
    return true;
}

} // namespace orupim::registry
