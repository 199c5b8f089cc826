// The splash window TWaitDialog shown while the catalogue starts: borderless, black, on top of other windows,
// centred, holding the suite's picture in a framing bevel. It has no handlers; start-up frees it.
#pragma once

#include "platform/ui/splashwindow.h"

namespace orupim::catalogue {

class TWaitDialog : public ui::SplashWindow {
    Q_OBJECT
public:
    TWaitDialog();
};

} // namespace orupim::catalogue
