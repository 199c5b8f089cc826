// The application's default exception handler: an error that ends a handler is shown in a message box
// captioned with the application title, with the stop icon, an OK button and the error's text.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace orupim::ui {

// The text as the handler shows it: a full stop is added only when the last character sorts after "." (so
// none after ".", "!", ")", a quote or a blank; one after a letter, a digit, ":" or "?"). An empty text stays
// empty.
std::string exceptionMessageText(std::string_view message);

// Shows the error as above. The caption is the current application's title (empty without an application).
void showException(const std::exception& error);

// For a thrown object that is no std::exception: shown the same way with the text "Unknown error".
void showUnknownException();

} // namespace orupim::ui
