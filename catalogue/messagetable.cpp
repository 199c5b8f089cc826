#include "catalogue/messagetable.h"

#include <array>

namespace orupim::catalogue {
namespace {

// Texts as the program has always shown them, spelling included ("begining", "Unknow"): users and their
// documentation quote them.
constexpr std::array<std::string_view, MessageCount> Messages = {
    "Greetings from Brenmoor.",
    "Service currently not available.",
    "Field not searchable.",
    "Clicking here is good for nothing...!",
    "Already at the begining.",
    "No previous record.",
    "Already at the end.",
    "No next record.",
    "Undo or save the current record first.",
    "To delete, first go to edit record.",
    "Add or edit the current record first.",
    "No next page.",
    "No previous page.",
    "Field not copiable.",
    "Invalid selection.",
    "Select a destination first.",
    "Record duplicated.",
    "No web browser configured.",
};

} // namespace

std::string_view messageText(Message code) {
    const auto index = static_cast<std::uint32_t>(code);
    return index < Messages.size() ? Messages[index] : UnknownMessageText;
}

} // namespace orupim::catalogue
