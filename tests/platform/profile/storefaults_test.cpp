// An INI file under writers killed in the middle of their writes, and under writers changing it at once:
// never damaged, no confirmed value lost, no temporary file left after the next write.
#include "platform/files/drivepath.h"
#include "platform/profile/privateprofile.h"
#include "storeharness.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace orupim::profile {
namespace {

// The values of the file, each written as "v<n>=<n>" in section [Values]; any other line is damage.
std::set<int> storedValues(const std::string& file) {
    std::set<int> values;
    const std::string bytes = test::fileBytes(file);
    if (bytes == "<missing>")
        return values;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            throw std::runtime_error("a line without its end");
        const std::string line = bytes.substr(start, end - start);
        start = end + 2;
        if (line == "[Values]")
            continue;
        const std::size_t eq = line.find('=');
        if (line.size() < 2 || line[0] != 'v' || eq == std::string::npos ||
            line.substr(1, eq - 1) != line.substr(eq + 1))
            throw std::runtime_error("a damaged line: " + line);
        values.insert(std::stoi(line.substr(eq + 1)));
    }
    return values;
}

test::StoreUnderTest iniStore() {
    const std::string dir = "C:\\FAULTS\\" + test::storeNameOfThisTest();
    const std::string file = dir + "\\STORE.INI";
    test::putFile(dir + "\\OTHER.INI", ""); // the directory
    return {"INI file",
            [file] {
                return [file](int value) {
                    const std::string text = std::to_string(value);
                    return writeProfileString("Values", "v" + text, text, file);
                };
            },
            [file] { return storedValues(file); }, files::toHost(file)};
}

TEST(IniFileFaults, KilledWritersDamageNothingAndLoseNothing) {
    test::expectKilledWritersHarmNothing(iniStore());
}

TEST(IniFileFaults, ConcurrentWritersLoseNothing) {
    test::expectConcurrentWritersLoseNothing(iniStore());
}

} // namespace
} // namespace orupim::profile
