#include "catalogue/pictures.h"

#include <QString>
#include <array>

namespace orupim::catalogue {
namespace {

struct ButtonPicture {
    const char* file;      // catalogue/pictures/<file>.png
    const char* themeName; // the freedesktop icon name of the command; nullptr where there is none
};

// In the order of the tool bar, SpeedButton1 first.
constexpr std::array<ButtonPicture, 16> Pictures = {{
    {"go-first", "go-first"},
    {"go-previous", "go-previous"},
    {"go-next", "go-next"},
    {"go-last", "go-last"},
    {"edit-find", "edit-find"},
    {"view-refresh", "view-refresh"},
    {"list-add", "list-add"},
    {"edit-delete", "edit-delete"},
    {"record-edit", nullptr},
    {"edit-undo", "edit-undo"},
    {"document-save", "document-save"},
    {"record-duplicate", nullptr},
    {"edit-copy", "edit-copy"},
    {"edit-paste", "edit-paste"},
    {"document-print", "document-print"},
    {"help-about", "help-about"},
}};

QString picturePath(const char* file) {
    return QStringLiteral(":/catalogue/pictures/%1.png").arg(QLatin1String(file));
}

} // namespace

QIcon ownSpeedButtonPicture(int number) {
    if (number < 1 || number > static_cast<int>(Pictures.size()))
        return {};
    return QIcon(picturePath(Pictures[static_cast<std::size_t>(number - 1)].file));
}

QIcon speedButtonPicture(int number) {
    const QIcon own = ownSpeedButtonPicture(number);
    if (own.isNull())
        return own;
    const char* themeName = Pictures[static_cast<std::size_t>(number - 1)].themeName;
    return themeName ? QIcon::fromTheme(QLatin1String(themeName), own) : own;
}

QIcon programIcon() {
    return QIcon(picturePath("program"));
}

QPixmap splashPicture() {
    return QPixmap(picturePath("splash"));
}

} // namespace orupim::catalogue
