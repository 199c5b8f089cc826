// The catalogue's numbered status messages: every refusal and notice of the main window's commands is one of
// these texts, written into the left status panel by ShowErr. The table is the same in every edition.
#pragma once

#include <cstdint>
#include <string_view>

namespace orupim::catalogue {

// The text of a message code: codes 0 to 17 have their own, every other code the default text.
std::string_view messageText(std::uint32_t code);

// The text of a click on the status bar, which is not one of the numbered messages.
inline constexpr std::string_view StatusBarClickText = "Smile, clicking here is good for nothing...!";

} // namespace orupim::catalogue
