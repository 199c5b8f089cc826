#include "menutest.h"

#include "platform/files/drivepath.h"
#include "temproot.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace orupim::progman {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& content, bool executable) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    if (executable)
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

void MenuTest::SetUp() {
    base = test::caseDirectory();
    root = test::tempRoot();
    // The system's own menus and entries stay out of what the menu library shows.
    setenv("XDG_CONFIG_DIRS", (base / "system-config").c_str(), 1);
    setenv("XDG_DATA_DIRS", (base / "system-data").c_str(), 1);
}

void MenuTest::TearDown() {
    expectValidMenus();
    unsetenv("XDG_CONFIG_DIRS");
    unsetenv("XDG_DATA_DIRS");
}

std::string MenuTest::driveC() const {
    std::string host = files::toHost("C:\\").string();
    return host.back() == '/' ? host.substr(0, host.size() - 1) : host;
}

void MenuTest::expectValidMenus() const {
    std::error_code ignored;
    for (const std::filesystem::path& directory : {applications(), directories()})
        for (const auto& file : std::filesystem::directory_iterator(directory, ignored)) {
            CommandResult check = runCommand("desktop-file-validate " + quoted(file.path()));
            EXPECT_TRUE(check.status == 0 && check.output.empty()) << file.path() << ":\n"
                                                                   << check.output << readFile(file.path());
        }
    std::filesystem::path catalog = std::filesystem::path(ORUPIM_TEST_DATA) / "menu/catalog.xml";
    for (const auto& file : std::filesystem::directory_iterator(merged(), ignored)) {
        CommandResult check = runCommand("XML_CATALOG_FILES=" + quoted(catalog) +
                                         " xmllint --noout --nonet --valid " + quoted(file.path()));
        EXPECT_TRUE(check.status == 0 && check.output.empty()) << file.path() << ":\n"
                                                               << check.output << readFile(file.path());
    }
}

std::string MenuTest::menuLibraryView() const {
    // The desktop's main menu, as a distribution ships it: every entry directory and every merge file.
    std::filesystem::path menu = base / "system-config/menus/applications.menu";
    writeFile(menu, "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                    " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
                    "<Menu><Name>Applications</Name><DefaultAppDirs/><DefaultDirectoryDirs/>"
                    "<DefaultMergeDirs/></Menu>\n");
    CommandResult view =
        runCommand("/usr/bin/python3 " + quoted(ORUPIM_PROGMAN_SHOWMENU) + " " + quoted(menu));
    EXPECT_EQ(view.status, 0) << view.output;
    return view.output;
}

} // namespace orupim::progman
