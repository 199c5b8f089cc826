// The forms' line bevel: a sunken horizontal line two pixels high that parts a window's areas, named as the
// form names it.
#pragma once

#include <QFrame>

namespace orupim::ui {

QFrame* addLineBevel(QWidget* parent, const char* name, int left, int top, int width);

} // namespace orupim::ui
