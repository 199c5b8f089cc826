// The installation run's Program Manager step, TMainDialog::createProgramItems: the group, one item per
// [Items] entry and the uninstaller's item, over the wizard's conversation. A command that Program Manager
// does not take is sent again a few times, the conversation opened again when it broke; the whole step waits
// for Program Manager at most programManagerWait() in all, however often it sends, and what was not created
// is kept for the wizard to report instead of success.
#include "setup/programitems.h"

#include "platform/core/countedstring.h"
#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "setup/maindialog.h"
#include "setup/modulevalues.h"

#include <thread>

namespace orupim::setup {
namespace {

constexpr int MaxSendsPerCommand = 10;
// A Program Manager that refuses may be busy; the next try gives it a moment.
constexpr std::chrono::milliseconds PauseBeforeResend{250};

std::chrono::milliseconds fifteenSeconds() {
    return std::chrono::seconds(15);
}

Replaceable<std::chrono::milliseconds()>& programManagerWaitSeam() {
    static Replaceable<std::chrono::milliseconds()> wait(fifteenSeconds);
    return wait;
}

} // namespace

std::chrono::milliseconds programManagerWait() {
    return programManagerWaitSeam()();
}

WaitFunction setProgramManagerWait(WaitFunction wait) {
    return programManagerWaitSeam().replace(std::move(wait));
}

std::string shortfallReport(const ProgramItemsShortfall& shortfall, const std::string& group,
                            const std::string& destination) {
    std::string report =
        shortfall.groupMissing
            ? "Program Manager did not create the group \"" + group + "\" or any of its items:"
            : "Program Manager did not create these items of the group \"" + group + "\":";
    for (const std::string& item : shortfall.items)
        report += "\n    " + item;
    report += shortfall.refused ? "\n\nProgram Manager refused them; its file progman.ini may be damaged."
                                : "\n\nProgram Manager did not answer in time.";
    report += "\n\nThe files are installed in " + destination +
              "; start the programs from there, or install again once Program Manager works.";
    return report;
}

// Sends one Program Manager command: the text with CR LF, cut as a counted string, as an execute transaction.
// Answers whether Program Manager carried it out.
bool TMainDialog::sendCommand(const std::string& command) {
    return DdeClientConv.execute(CountedString(command + "\r\n").str());
}

// Sends a command until Program Manager takes it, at most a few times and not past the step's deadline.
bool TMainDialog::sendUntilTaken(const std::string& command) {
    for (int sends = 0; sends < MaxSendsPerCommand && !DdeClientConv.pastDeadline(); ++sends) {
        if (sends > 0)
            std::this_thread::sleep_for(PauseBeforeResend);
        if (!DdeClientConv.isOpen())
            DdeClientConv.open();
        if (sendCommand(command))
            return true;
        // A refusal leaves the conversation open; a server that does not answer ends it.
        if (DdeClientConv.isOpen() && !DdeClientConv.pastDeadline())
            NotCreated.refused = true;
    }
    return false;
}

void TMainDialog::createProgramItems(const std::string& windows) {
    DdeClientConv.setDeadline(dde::Conversation::Clock::now() + programManagerWait());
    DdeClientConv.open();
    const std::string app = AppName.str();
    std::vector<std::pair<std::string, std::string>> items;
    for (int k = 0; k < ItemsNames.count(); ++k)
        items.emplace_back(
            formatText("[AddItem(%s\\%s,%s)]", {DestPath.str(), ItemsNames.at(k), ItemsValues.at(k)}),
            ItemsValues.at(k).empty() ? ItemsNames.at(k) : ItemsValues.at(k));
    items.emplace_back(
        formatText("[AddItem(%s\\%s,%s)]",
                   {windows, "OruUninst.exe " + app + " " + DestPath.str(), "Uninstall " + app}),
        "Uninstall " + app);
    // Items sent without their group would land in whichever group Program Manager showed last.
    NotCreated.groupMissing = !sendUntilTaken(formatText("[CreateGroup(%s)]", {GroupName.str()}));
    for (const auto& [command, description] : items)
        if (NotCreated.groupMissing || !sendUntilTaken(command))
            NotCreated.items.push_back(description);
    DdeClientConv.setDeadline(std::nullopt);
}

} // namespace orupim::setup
