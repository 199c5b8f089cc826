// Driving a window as a user does: clicks, keys on the control with the focus, entering a control on its page
// and typing into it. Each step sends real input events and returns after the events they caused were
// handled.
#pragma once

#include <QString>
#include <Qt>

class QTabWidget;
class QWidget;

namespace orupim::test {

// A left click in the middle of `widget`.
void click(QWidget* widget);

// A key on the control that has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// A click on the tab of page `index`.
void clickTab(QTabWidget* pages, int index);

// Brings the page that holds `control` to the front and puts the focus into it, as a click in it does (the
// control's own click action, such as a check box's toggle or a list's drop-down, is not run).
void enter(QWidget* control);

// Types `text` after what `field` holds; the field has the focus (see enter).
void typeAtEnd(QWidget* field, const QString& text);

// Tabs into `field`, selects all it holds and types `text` in its place.
void retype(QWidget* field, const QString& text);

} // namespace orupim::test
