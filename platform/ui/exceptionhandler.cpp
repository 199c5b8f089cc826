#include "platform/ui/exceptionhandler.h"

#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"

namespace orupim::ui {
namespace {

std::string currentTitle() {
    Application* application = Application::current();
    return application ? application->title() : std::string();
}

void showErrorText(std::string_view message) {
    showMessageBox(currentTitle(), exceptionMessageText(message), MessageIcon::Error);
}

} // namespace

std::string exceptionMessageText(std::string_view message) {
    std::string text(message);
    // Compared as the old platform compared characters: by their unsigned code, so any byte of a non-ASCII
    // character sorts after ".".
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

void showException(const std::exception& error) {
    showErrorText(error.what());
}

void showUnknownException() {
    showErrorText("Unknown error");
}

} // namespace orupim::ui
