// Texts between the platform layer (UTF-8 in std::string) and Qt (QString).
#pragma once

#include <QString>
#include <string_view>

namespace orupim::ui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orupim::ui
