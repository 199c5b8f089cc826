#include "catalogue/waitdialog.h"

#include "catalogue/pictures.h"

namespace orupim::catalogue {

TWaitDialog::TWaitDialog() : ui::SplashWindow(splashPicture(), "Panel1", "Image1", "Bevel1") {}

} // namespace orupim::catalogue
