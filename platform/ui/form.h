// A window of the suite, as the old form class gave it: a caption, an optional menu bar above a client area
// in which the controls are placed at their pixel positions, a creation handler and a show handler. The
// creation handler runs when the application object creates the form, the show handler each time the form is
// shown (before it appears on screen); both run guarded, so an error in them is shown by the default
// exception handler and the form is still created or shown. Closing a form hides it; closing the
// application's main form ends the message loop.
#pragma once

#include "platform/ui/guard.h"

#include <QWidget>
#include <string>
#include <string_view>

class QMenuBar;
class QVBoxLayout;

namespace orupim::ui {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    std::string caption() const;
    void setCaption(std::string_view caption);

    // The area below the menu bar; controls are its children, placed with setGeometry.
    QWidget* client() const { return client_; }
    // The form's menu bar, made on first use.
    QMenuBar* menuBar();
    // Fixes the client area's size: the window then has a single fixed border (it cannot be resized).
    void setClientSize(int width, int height);
    // Places the window in the middle of the screen it is on.
    void centerOnScreen();

    // OnCreate and OnShow. Set the creation handler in the derived constructor; it runs once, when the
    // application object creates the form (or when runCreateHandler is called for a form made without it).
    void setOnCreate(Handler handler) { onCreate_ = std::move(handler); }
    void setOnShow(Handler handler) { onShow_ = std::move(handler); }
    void runCreateHandler();

    // Shows the form modally and returns once it is hidden again (closed by its close box, close() or
    // hide()). The other windows take no input meanwhile.
    void showModal();

signals:
    void hidden();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QVBoxLayout* layout_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    Handler onCreate_;
    Handler onShow_;
    bool created_ = false;
};

} // namespace orupim::ui
