// Find Record driven through the real search dialog: the command is started by its speed button or its menu
// item, and while the dialog is up, modal and active, a step of the test's drives it with keys and clicks.
#pragma once

#include "catalogue/querydialog.h"

#include <QString>
#include <functional>
#include <string>

namespace orupim::catalogue::test {

// What the dialog showed while it was up.
struct SearchSeen {
    bool shown = false;
    std::string caption;
    std::string fieldLabel;
    int fieldLabelWidth = 0;
    std::string text;
    bool textSelected = false;
    bool focusInEdit = false;
    QString heard; // what a screen reader reads of the dialog and its edit
};

using SearchStep = std::function<void(TQueryDialog&)>;

// Selects the pattern edit's text and types `text` over it.
void typePattern(TQueryDialog& dialog, const QString& text);

// A step that types the pattern over the edit's text and presses Enter.
SearchStep searchFor(const QString& pattern);

// Runs Find Record on the shown main window; `step` drives the dialog while it is up. A dialog that `step`
// leaves open fails the test and is closed, so nothing hangs.
SearchSeen findRecord(const SearchStep& step, bool byMenuItem = false);

} // namespace orupim::catalogue::test
