// The values that the catalogue's windows share for the life of the process: the window title, the Sound
// flag, the caption table for printing, the search state and the three windows themselves. The main window's
// creation and show handlers set them; the search dialog, the about box and the commands read them.
#pragma once

#include "platform/core/countedstring.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orupim::catalogue {

class TMainWindow;
class TAboutDialog;
class TQueryDialog;

inline CountedString WindowTitle;
inline bool SoundOn = false;
inline std::array<CountedString, 12> FieldCaptions;

// The search state: the field last entered, the table searched, the pattern and the record counts.
inline QPointer<QWidget> ActiveField;
inline CountedString SearchFieldName;
inline CountedString SearchFieldLabel;
inline std::int32_t NotSearchable = 0;
inline CountedString SearchTableName;
inline std::optional<std::string> SearchPattern;
inline std::int32_t QueryCancelled = 0;
inline std::int32_t TotalCount = 0;
inline std::int32_t MatchCount = 0;
inline CountedString LastQuery;

inline TMainWindow* MainWindow = nullptr;
inline TAboutDialog* AboutDialog = nullptr;
inline TQueryDialog* QueryDialog = nullptr;

// Puts every shared value back to its value at the start of the process (the windows are not freed here).
void resetModuleValues();

} // namespace orupim::catalogue
