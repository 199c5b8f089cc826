// The catalogue program's start-up: the splash window, the application's title and help file, the main
// window, the about box and the search dialog created in that order, the pause behind the splash, and the
// message loop that shows the main window.
#pragma once

#include "catalogue/edition.h"

namespace orupim::ui {
class Application;
}

namespace orupim::catalogue {

// The help file of every edition, named without a directory.
inline constexpr const char* HelpFile = "OruPIM.hlp";

// Everything of start-up before the message loop: splash shown, application set up, the three windows created
// (each running its creation handler), the 3000 ms pause, splash freed.
void startCatalogue(ui::Application& application, const Edition& edition);

// The whole program: start-up, then the message loop until the main window is closed.
int runCatalogue(int argc, char** argv, const Edition& edition);

} // namespace orupim::catalogue
