// The accessible interfaces the framework's own widgets need beyond Qt's: windows are frames, or dialogs when
// they are dialogs or modal, message boxes included; the status bar is a status bar; a drop-down field is
// named by its label's caption (Qt names an editable combo box by its text) and keeps its text as its value;
// and a status panel announces every text it is given, the same text again included.
#pragma once

class QWidget;

namespace orupim::ui {

// Installs the interfaces once, before any of them is asked for; later calls do nothing.
void installAccessibility();

// Tells assistive technology that `widget`'s name is (again) its current one, so that a reader speaks it.
void announceName(QWidget* widget);

} // namespace orupim::ui
