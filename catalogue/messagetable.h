// The catalogue's numbered status messages: every refusal and notice of the main window's commands is one of
// these texts, written into the left status panel by ShowErr. The table is the same in every edition.
#pragma once

#include <cstdint>
#include <string_view>

namespace orupim::catalogue {

// The codes of the messages the commands show, each its text's place in the table.
namespace Message {
inline constexpr std::uint32_t FieldNotSearchable = 2;
inline constexpr std::uint32_t AlreadyAtBeginning = 4;
inline constexpr std::uint32_t NoPreviousRecord = 5;
inline constexpr std::uint32_t AlreadyAtEnd = 6;
inline constexpr std::uint32_t NoNextRecord = 7;
inline constexpr std::uint32_t UndoOrSaveFirst = 8;
inline constexpr std::uint32_t GoToEditFirst = 9;
inline constexpr std::uint32_t AddOrEditFirst = 10;
inline constexpr std::uint32_t FieldNotCopiable = 13;
inline constexpr std::uint32_t InvalidSelection = 14;
inline constexpr std::uint32_t SelectDestinationFirst = 15;
inline constexpr std::uint32_t RecordDuplicated = 16;
inline constexpr std::uint32_t NoWebBrowser = 17;
} // namespace Message

// The text of a message code: codes 0 to 17 have their own, every other code the default text.
std::string_view messageText(std::uint32_t code);

// The text of a click on the status bar, which is not one of the numbered messages.
inline constexpr std::string_view StatusBarClickText = "Smile, clicking here is good for nothing...!";

} // namespace orupim::catalogue
