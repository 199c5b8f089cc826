// The setup program's splash window TWaitDialog: borderless, black, on top of other windows, centred, the
// installer's picture in a framing bevel. It has no handlers; start-up shows it over the pause and frees it.
#pragma once

#include "platform/ui/splashwindow.h"

namespace orupim::setup {

class TWaitDialog : public ui::SplashWindow {
    Q_OBJECT
public:
    TWaitDialog();
};

} // namespace orupim::setup
