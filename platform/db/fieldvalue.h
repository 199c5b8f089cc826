// How field values are written as text and kept in a table file. The text form is what Field::asText gives:
// text as stored, a logical "True" or "False", a date in the short date format MM/DD/YYYY (the US system
// setting the programs were made with, shown with four-digit years), a number in decimal, and "" for no
// value. In the table file a logical is 1 or 0, a date is "YYYY-MM-DD" (so that dates sort), texts are text.
#pragma once

#include "platform/db/fielddef.h"

#include <optional>
#include <string>
#include <string_view>

namespace orupim::db {

using FieldValue = std::optional<std::string>; // text form; nullopt for no value

// The value a field takes from `text`: "" gives no value; a text or memo as given, a text cut to its size;
// a date as M/D/YYYY or M/D/YY (one or two digits for month and day; a two-digit year is one of the current
// century) or ConvertError; a logical as "True" or "False"
// in any letter case or ConvertError.
FieldValue valueFromText(const FieldDef& def, std::string_view text);

// Between the text form and the stored form of dates and logicals.
std::string storedDate(std::string_view shortDate); // "01/02/2024" -> "2024-01-02"
std::string shortDate(std::string_view storedDate); // and back; a value of another form comes back as stored

// The SQL expression giving a column's text form, so that the conditions of a statement compare what the
// user sees (a missing value reads as "").
std::string textExpression(const FieldDef& def);

// The quoted SQL name of a table or column.
std::string quotedName(std::string_view name);

} // namespace orupim::db
