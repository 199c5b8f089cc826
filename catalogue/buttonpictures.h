// The pictures of the main window's sixteen speed buttons, drawn in code: arrows for the moves, a lens for
// the search, sheets, a pencil, a disk, a clipboard, a printer and an "i" for the other commands; and the
// program's icon.
#pragma once

#include <QPixmap>

namespace orupim::catalogue {

// The picture of SpeedButton<number> (1 to 16); an empty picture for any other number.
QPixmap speedButtonPicture(int number);

// The program's icon, 32 by 32: a strip of film.
QPixmap programIcon();

} // namespace orupim::catalogue
