// The pictures of the main window's sixteen speed buttons, drawn in code: arrows for the moves, a lens for
// the search, sheets, a pencil, a disk, a clipboard, a printer and an "i" for the other commands.
#pragma once

#include <QPixmap>

namespace orupim::catalogue {

// The picture of SpeedButton<number> (1 to 16); an empty picture for any other number.
QPixmap speedButtonPicture(int number);

} // namespace orupim::catalogue
