// Message boxes: a caption, a text, an icon and an OK button, shown modally over the active window. Every
// message box of the suite goes through showMessageBox, so that tests can record the boxes instead of showing
// them.
#pragma once

#include <functional>
#include <string>

namespace orupim::ui {

enum class MessageIcon { None, Error, Warning, Information };

// One box as it was asked for.
struct MessageBoxRequest {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

// Shows the box with its one "OK" button and returns when the user has closed it.
void showMessageBox(const std::string& caption, const std::string& text, MessageIcon icon);

// Asks a question with "Yes" and "No" buttons ("No" the default, so that Enter never agrees by accident);
// answers whether the user chose "Yes". Always shown: a test answers it by pressing a button of the box.
bool askYesNo(const std::string& caption, const std::string& text);

// Makes showMessageBox hand every request to `implementation` instead, which shows nothing unless it does; an
// empty function brings back the real box. Answers the implementation it replaces (empty for the real box).
using MessageBoxFunction = std::function<void(const MessageBoxRequest&)>;
MessageBoxFunction setMessageBoxImplementation(MessageBoxFunction implementation);

} // namespace orupim::ui
