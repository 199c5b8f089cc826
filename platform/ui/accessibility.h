// The accessible interfaces the framework's own widgets need beyond Qt's: windows are frames, or dialogs when
// they are dialogs or modal, message boxes included; the status bar is a status bar; a data-aware check box
// is the whole of its control and acts as a click does; a drop-down field is
// named by its label's caption (Qt names an editable combo box by its text) and keeps its text as its value.
#pragma once

namespace orupim::ui {

// Installs the interfaces once, before any of them is asked for; later calls do nothing.
void installAccessibility();

} // namespace orupim::ui
