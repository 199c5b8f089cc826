// The splash window of the suite's programs: borderless, black, on top of other windows, centred on the
// screen, client area 441 by 268, a panel holding the program's 432 by 259 picture at 3, 3 inside a framing
// bevel. It has no handlers; the program shows it over its start-up pause and frees it.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace orupim::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int PictureWidth = 432;
    static constexpr int PictureHeight = 259;

    // The panel, picture and bevel carry the given object names, as the program's form named them.
    SplashWindow(const QPixmap& picture, const char* panelName, const char* imageName, const char* bevelName);

    // Shows the window and paints it at once: a program shows it before its event loop runs, and the pause
    // under it lets no paint event through.
    void showNow();
};

} // namespace orupim::ui
