#include "setup/waitdialog.h"

namespace orupim::setup {

// The installer's picture: its name and maker on a dark teal ground.
TWaitDialog::TWaitDialog()
    : ui::SplashWindow(QPixmap(QStringLiteral(":/setup/pictures/splash.png")), "Panel", "Image", "Bevel") {}

} // namespace orupim::setup
