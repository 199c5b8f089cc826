// The setup program's start-up: the splash over a 3000 ms pause, the application's title, the backdrop as the
// main window, and the message loop that shows it.
#pragma once

namespace orupim::ui {
class Application;
}

namespace orupim::setup {

// The application's title, the caption of every error box.
inline constexpr const char* ApplicationTitle = "OruInst 1.0";

// Everything of start-up before the message loop: splash shown and drawn, the pause, splash freed, title
// set, backdrop created (reading the package description).
void startSetup(ui::Application& application);

// The whole program: start-up, then the message loop until the wizard ends it.
int runSetup(int argc, char** argv);

} // namespace orupim::setup
