// The message table: every code's exact text, and the default text for codes past the table.
#include "catalogue/messagetable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using orupim::catalogue::messageText;

TEST(MessageTable, EachCodeHasItsText) {
    const char* expected[] = {
        "Greetings from Brenmoor.",
        "Service currently not available.",
        "Field not searchable.",
        "Clicking here is good for nothing...!",
        "Already at the begining.",
        "No previous record.",
        "Already at the end.",
        "No next record.",
        "Undo or save the current record first.",
        "To delete, first go to edit record.",
        "Add or edit the current record first.",
        "No next page.",
        "No previous page.",
        "Field not copiable.",
        "Invalid selection.",
        "Select a destination first.",
        "Record duplicated.",
        "No web browser configured.",
    };
    for (std::uint32_t code = 0; code < 18; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(messageText(code), expected[code]);
    }
}

TEST(MessageTable, OtherCodesGiveTheDefaultWithItsLeadingBlank) {
    for (std::uint32_t code : {18u, 19u, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(messageText(code), " Unknow error occurred.");
    }
}
