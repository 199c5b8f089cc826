// The catalogue's numbered status messages: every refusal and notice of the main window's commands is one of
// these texts, written into the left status panel by ShowErr. The table is the same in every edition.
#pragma once

#include <cstdint>
#include <string_view>

namespace orupim::catalogue {

// The message codes. The numbers are the codes users and their documentation know; codes 0, 1, 3, 11 and 12
// belong to the table though no command shows them.
enum class Message : std::uint32_t {
    Greeting = 0,
    ServiceNotAvailable = 1,
    FieldNotSearchable = 2,
    NothingHere = 3,
    AlreadyAtBeginning = 4,
    NoPreviousRecord = 5,
    AlreadyAtEnd = 6,
    NoNextRecord = 7,
    UndoOrSaveFirst = 8,
    GoToEditFirst = 9,
    AddOrEditFirst = 10,
    NoNextPage = 11,
    NoPreviousPage = 12,
    FieldNotCopiable = 13,
    InvalidSelection = 14,
    SelectDestinationFirst = 15,
    RecordDuplicated = 16,
    NoBrowserConfigured = 17,
};

// Codes 0 to MessageCount - 1 have a text of their own.
inline constexpr std::uint32_t MessageCount = static_cast<std::uint32_t>(Message::NoBrowserConfigured) + 1;

// The text of every code past the table, with its leading blank.
inline constexpr std::string_view UnknownMessageText = " Unknow error occurred.";

// The text of a message code: its own for the codes of the table, UnknownMessageText for any other.
std::string_view messageText(Message code);

// The text of a click on the status bar, which is not one of the numbered messages.
inline constexpr std::string_view StatusBarClickText = "Smile, clicking here is good for nothing...!";

} // namespace orupim::catalogue
