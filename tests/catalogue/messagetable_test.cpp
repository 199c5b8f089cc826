// The message table holds together: every code a command can show has a text of its own, no two codes say the
// same, and a code past the table shows the unknown-error text. What a command shows is checked through the
// window (statusmessages_test.cpp, records_test.cpp and the other command tests).
#include "catalogue/messagetable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string_view>

namespace orupim::catalogue {
namespace {

TEST(MessageTable, EveryCodeHasATextOfItsOwn) {
    std::set<std::string_view> texts;
    for (std::uint32_t code = 0; code < MessageCount; ++code) {
        SCOPED_TRACE(code);
        const std::string_view text = messageText(static_cast<Message>(code));
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text, UnknownMessageText);
        EXPECT_NE(text, StatusBarClickText);
        EXPECT_TRUE(texts.insert(text).second) << "said by two codes: " << text;
    }
}

TEST(MessageTable, CodesPastTheTableGiveTheUnknownErrorText) {
    for (std::uint32_t code : {MessageCount, MessageCount + 1, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(messageText(static_cast<Message>(code)), UnknownMessageText);
    }
}

} // namespace
} // namespace orupim::catalogue
