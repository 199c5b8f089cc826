#include "platform/db/fieldvalue.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"

#include <cstdio>
#include <ctime>

namespace orupim::db {

namespace {

bool digitsOnly(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

int currentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

std::string normalDate(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    const auto slash1 = trimmed.find('/');
    const auto slash2 = slash1 == std::string_view::npos ? slash1 : trimmed.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos)
        throw ConvertError::invalidDate(text);
    const auto month = trimmed.substr(0, slash1);
    const auto day = trimmed.substr(slash1 + 1, slash2 - slash1 - 1);
    const auto year = trimmed.substr(slash2 + 1);
    if (!digitsOnly(month) || month.size() > 2 || !digitsOnly(day) || day.size() > 2 || !digitsOnly(year) ||
        (year.size() != 2 && year.size() != 4))
        throw ConvertError::invalidDate(text);
    const int m = std::stoi(std::string(month)), d = std::stoi(std::string(day));
    int y = std::stoi(std::string(year));
    // A two-digit year is one of the current century, as the old short date format read it.
    if (year.size() == 2)
        y += currentYear() / 100 * 100;
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m))
        throw ConvertError::invalidDate(text);
    char out[32];
    std::snprintf(out, sizeof out, "%02d/%02d/%04d", m, d, y);
    return out;
}

} // namespace

FieldValue valueFromText(const FieldDef& def, std::string_view text) {
    if (text.empty())
        return std::nullopt;
    switch (def.kind) {
    case FieldKind::Text:
        return def.size > 0 ? leftCharacters(text, std::size_t(def.size)) : std::string(text);
    case FieldKind::Memo:
        return std::string(text);
    case FieldKind::Date:
        return normalDate(text);
    case FieldKind::Logical:
        if (equalsIgnoreCase(text, "True"))
            return std::string("True");
        if (equalsIgnoreCase(text, "False"))
            return std::string("False");
        throw ConvertError(formatText("'%s' is not a valid boolean value", {text}));
    case FieldKind::AutoIncrement:
        break;
    }
    throw DatabaseError(formatText("Field '%s' cannot be modified", {def.name}));
}

std::string storedDate(std::string_view date) {
    // date is MM/DD/YYYY, as valueFromText makes it.
    return std::string(date.substr(6, 4)) + "-" + std::string(date.substr(0, 2)) + "-" +
           std::string(date.substr(3, 2));
}

std::string shortDate(std::string_view stored) {
    if (stored.size() != 10 || stored[4] != '-' || stored[7] != '-')
        return std::string(stored);
    return std::string(stored.substr(5, 2)) + "/" + std::string(stored.substr(8, 2)) + "/" +
           std::string(stored.substr(0, 4));
}

std::string textExpression(const FieldDef& def) {
    const std::string column = quotedName(def.name);
    switch (def.kind) {
    case FieldKind::Logical:
        return "(CASE " + column + " WHEN 1 THEN 'True' WHEN 0 THEN 'False' ELSE '' END)";
    case FieldKind::Date:
        return "(CASE WHEN length(" + column + ") = 10 THEN substr(" + column + ", 6, 2) || '/' || substr(" +
               column + ", 9, 2) || '/' || substr(" + column + ", 1, 4) ELSE coalesce(" + column +
               ", '') END)";
    case FieldKind::AutoIncrement:
        return "coalesce(CAST(" + column + " AS TEXT), '')";
    case FieldKind::Text:
    case FieldKind::Memo:
        break;
    }
    return "coalesce(" + column + ", '')";
}

std::string quotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace orupim::db
