// A Program Manager killed between saving its groups and writing their entries: the next start brings the
// entries in line with the store again.
#include "menutest.h"
#include "platform/files/atomicfile.h"
#include "services/progman/desktopentries.h"
#include "services/progman/programgroups.h"
#include "services/progman/programmanager.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orupim::progman {
namespace {

// The item entries that name the stored items, and whether the merge files list exactly them.
class MenuRepairTest : public MenuTest {
protected:
    // Carries the text out in a child process that is killed when it is about to write the entry number
    // `killAt` (counted from 0; -1: never) or after `delay`, whichever comes first. Answers whether it was
    // killed.
    bool executeKilled(const std::string& text, int killAt, std::chrono::microseconds delay) {
        pid_t child = fork();
        if (child == 0) {
            int written = 0;
            files::setWriteFailure([&](const std::filesystem::path& path) {
                if (path.extension() == ".desktop" && written++ == killAt)
                    raise(SIGKILL);
                return false;
            });
            ProgramManager(store()).execute(text);
            _exit(0);
        }
        if (delay.count() > 0) {
            std::this_thread::sleep_for(delay);
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

    // The items of the store that have no entry naming their program.
    std::size_t itemsWithoutEntries() const {
        std::string entries;
        std::error_code ignored;
        for (const auto& file : std::filesystem::directory_iterator(applications(), ignored))
            entries += readFile(file.path());
        std::size_t missing = 0;
        ProgramGroups stored = ProgramGroups::load(store());
        for (const ProgramGroup& group : stored.groups())
            for (const ProgramItem& item : group.items)
                if (entries.find("\nX-OruPIM-Item=" + item.name + "\n") == std::string::npos ||
                    entries.find("/" + item.name + ".exe\n") == std::string::npos)
                    ++missing;
        return missing;
    }

    // Whether every merge file lists exactly the entries there are.
    void expectMenusListEveryEntry() const {
        std::string menus;
        std::error_code ignored;
        for (const auto& file : std::filesystem::directory_iterator(merged(), ignored))
            menus += readFile(file.path());
        std::size_t entries = 0;
        for (const auto& file : std::filesystem::directory_iterator(applications(), ignored)) {
            ++entries;
            EXPECT_NE(menus.find("<Filename>" + file.path().filename().string() + "</Filename>"),
                      std::string::npos)
                << file.path();
        }
        std::size_t listed = 0;
        for (std::size_t at = menus.find("<Filename>"); at != std::string::npos;
             at = menus.find("<Filename>", at + 1))
            ++listed;
        EXPECT_EQ(listed, entries);
    }
};

TEST_F(MenuRepairTest, AKillBetweenSavingAndWritingEntriesIsRepairedAtTheNextStart) {
    std::mt19937 random(20261210);
    int kills = 0;
    int killedBeforeEntries = 0;
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        // Two groups, so that a repair also has other groups' entries to keep.
        std::string group = round % 2 ? "Odd" : "Even";
        std::string item = "item" + std::to_string(round);
        std::string text = "[CreateGroup(" + group + ")][AddItem(C:\\p\\" + item + ".exe," + item + ")]";
        // Killed at the new item's entry or an earlier one of its group, or at any moment.
        // The group's entries are written once for the group and once with the new item, whose entry is last.
        int before = 0;
        ProgramGroups stored = ProgramGroups::load(store());
        for (const ProgramGroup& existing : stored.groups())
            if (existing.name == group)
                before = static_cast<int>(existing.items.size());
        bool killed = round % 3 == 2
                          ? executeKilled(text, -1, std::chrono::microseconds(random() % 4000 + 1))
                          : executeKilled(text, before + static_cast<int>(random() % (before + 1)), {});
        kills += killed;
        if (killed && itemsWithoutEntries() > 0)
            ++killedBeforeEntries;
        // The next start: in-process mostly, now and then the real program.
        if (round % 6 == 5) {
            CommandResult start =
                runCommand("ORUPIM_PROGMAN_IDLE_MS=1 '" + std::string(ORUPIM_PROGMAN_PROGRAM) + "'");
            EXPECT_EQ(start.status, 0) << start.output;
        } else {
            EXPECT_EQ(ProgramManager(store()).publishAll(), "");
        }
        EXPECT_EQ(itemsWithoutEntries(), 0u);
        expectMenusListEveryEntry();
    }
    // Every kill at the seam lands in the window the repair is for.
    EXPECT_GE(killedBeforeEntries, 16);
    RecordProperty("kills", kills);
    RecordProperty("killsLeavingItemsWithoutEntries", killedBeforeEntries);
}

// What the store no longer holds goes from the menus; what is not Program Manager's stays.
TEST_F(MenuRepairTest, ARepairRemovesEntriesOfGroupsAndItemsNoLongerStored) {
    ProgramManager(store()).execute(
        "[CreateGroup(Keep)][AddItem(C:\\k.exe,K)][CreateGroup(Gone)][AddItem(C:\\g.exe,G)]");
    writeFile(applications() / "orupim-mine.desktop",
              "[Desktop Entry]\nType=Application\nName=Mine\nExec=true\n");
    ProgramGroups kept;
    kept.createGroup("Keep");
    kept.addItem("C:\\k.exe", "K");
    kept.save(store());

    EXPECT_EQ(ProgramManager(store()).publishAll(), "");
    std::set<std::string> left;
    for (const std::filesystem::path& directory : {applications(), directories(), merged()})
        for (const auto& file : std::filesystem::directory_iterator(directory))
            left.insert(file.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"orupim-keep-k.desktop", "orupim-mine.desktop",
                                           "orupim-keep.directory", "orupim-keep.menu"}));

    // Removing a group's entries, as uninstalling it does, leaves only what is not Program Manager's.
    EXPECT_TRUE(removeGroupEntries(kept.groups()[0]));
    left.clear();
    for (const std::filesystem::path& directory : {applications(), directories(), merged()})
        for (const auto& file : std::filesystem::directory_iterator(directory))
            left.insert(file.path().filename().string());
    EXPECT_EQ(left, std::set<std::string>{"orupim-mine.desktop"});
}

} // namespace
} // namespace orupim::progman
