#include "platform/db/fieldvalue.h"

#include "platform/core/errors.h"

#include <ctime>
#include <gtest/gtest.h>

namespace orupim::db {
namespace {

TEST(FieldValue, TakesTextInTheFieldsForm) {
    const FieldDef text{"Code", FieldKind::Text, 5};
    const FieldDef memo{"Notes", FieldKind::Memo, 240};
    const FieldDef logical{"Flag", FieldKind::Logical};
    const FieldDef date{"When", FieldKind::Date};
    const std::string longMemo(1000, 'm');
    // Two-digit years fall in the current century.
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const std::string century = std::to_string((today.tm_year + 1900) / 100);
    struct Case {
        const FieldDef* def;
        std::string text;
        FieldValue want;
    };
    const Case cases[] = {
        {&text, "007", std::string("007")},
        {&text, "abcdefgh", std::string("abcde")},
        {&text, "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9xyz",
         std::string("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9")},
        {&text, " a ", std::string(" a ")},
        {&text, "", std::nullopt},
        {&memo, longMemo, longMemo},
        {&logical, "True", std::string("True")},
        {&logical, "false", std::string("False")},
        {&logical, "", std::nullopt},
        {&date, "12/31/1999", std::string("12/31/1999")},
        {&date, "1/2/2024", std::string("01/02/2024")},
        {&date, "02/29/2000", std::string("02/29/2000")},
        {&date, "2/3/01", "02/03/" + century + "01"},
        {&date, " 12/31/99 ", "12/31/" + century + "99"},
        {&date, "10/1/00", "10/01/" + century + "00"},
        {&date, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.def->name + ": " + c.text);
        EXPECT_EQ(valueFromText(*c.def, c.text), c.want);
    }
}

TEST(FieldValue, BadDatesAndLogicalsAreConvertErrors) {
    const FieldDef date{"When", FieldKind::Date};
    for (const char* bad : {"32.13.1999", "13/01/2000", "02/29/1900", "1/1/9", "1/1/099", "2/30/24",
                            "13/1/24", "1/1/+9", "a/b/cdef", "1/1", "0/1/2000", "1/1/2000x", "04/31/2001"}) {
        SCOPED_TRACE(bad);
        try {
            valueFromText(date, bad);
            ADD_FAILURE() << "accepted";
        } catch (const ConvertError& error) {
            EXPECT_EQ(error.message(), "'" + std::string(bad) + "' is not a valid date");
        }
    }
    EXPECT_THROW(valueFromText({"Flag", FieldKind::Logical}, "yes"), ConvertError);
    EXPECT_THROW(valueFromText({"Number", FieldKind::AutoIncrement}, "5"), DatabaseError);
}

TEST(FieldValue, DatesAreStoredSortably) {
    EXPECT_EQ(storedDate("12/31/1999"), "1999-12-31");
    EXPECT_EQ(shortDate("1999-12-31"), "12/31/1999");
    EXPECT_EQ(shortDate("junk"), "junk");
}

} // namespace
} // namespace orupim::db
