// The fonts that stand in for the old platform's font names. The forms name "MS Sans Serif" and "Arial";
// the host has neither, and its default sans face is wider than they were, so texts sized for them would be
// cut. Each old name is mapped to a metric-compatible face (Liberation, which matches Arial's widths and is
// about as wide as the old dialog font at the forms' sizes), with narrower faces after it for hosts without
// it. The application's default font becomes the forms' own, MS Sans Serif of 8 points.
#pragma once

namespace orupim::ui {

// Installs the substitutions and the default font; safe to call more than once.
void substituteFormFonts();

} // namespace orupim::ui
