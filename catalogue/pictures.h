// The catalogue program's pictures: the sixteen speed buttons', the program's icon and the splash picture.
// They are PNG files of catalogue/pictures, built into the program as Qt resources. A button whose command
// has a name in the freedesktop icon naming (go-first, edit-find, document-save, ...) shows the desktop
// theme's icon of that name when the theme has one, and our own picture otherwise.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace orupim::catalogue {

// The size at which the tool bar shows a button's picture.
inline constexpr int SpeedButtonPictureSize = 20;

// The picture of SpeedButton<number> (1 to 16); a null icon for any other number.
QIcon speedButtonPicture(int number);

// Our own picture of SpeedButton<number>, whatever the desktop theme has; a null icon for any other number.
QIcon ownSpeedButtonPicture(int number);

// The program's icon, 32 by 32: a strip of film.
QIcon programIcon();

// The splash window's picture: the suite's name and maker on a dark blue ground.
QPixmap splashPicture();

} // namespace orupim::catalogue
