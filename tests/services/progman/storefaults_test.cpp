// progman.ini under writers killed in the middle of their writes: never damaged, no confirmed item lost, no
// temporary file left after the next write. (Only the one Program Manager process writes it, so there are no
// concurrent writers to test.)
#include "services/progman/programgroups.h"
#include "storeharness.h"
#include "temproot.h"

#include <gtest/gtest.h>

namespace orupim::progman {
namespace {

TEST(ProgramGroupsFaults, KilledWritersDamageNothingAndLoseNothing) {
    const std::filesystem::path file = orupim::test::tempRoot() / test::storeNameOfThisTest() / "progman.ini";
    std::filesystem::create_directories(file.parent_path());
    const test::StoreUnderTest store{
        "progman.ini",
        [file] {
            return [file](int value) {
                try {
                    const std::string text = std::to_string(value);
                    ProgramGroups groups = ProgramGroups::load(file);
                    groups.createGroup("Faults");
                    groups.addItem("C:\\FAULTS\\P" + text + ".EXE", "Item " + text);
                    groups.save(file);
                    return true;
                } catch (const StoreError&) {
                    return false;
                }
            };
        },
        [file] {
            std::set<int> values;
            const ProgramGroups stored = ProgramGroups::load(file); // raises when damaged
            for (const ProgramGroup& group : stored.groups())
                for (const ProgramItem& item : group.items) {
                    const std::string text = item.name.substr(5);
                    if (item.commandLine != "C:\\FAULTS\\P" + text + ".EXE")
                        throw std::runtime_error("an item that was never written: " + item.name);
                    values.insert(std::stoi(text));
                }
            return values;
        },
        file};
    test::expectKilledWritersHarmNothing(store);
}

} // namespace
} // namespace orupim::progman
