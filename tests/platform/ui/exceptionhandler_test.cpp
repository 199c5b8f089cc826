#include "platform/ui/exceptionhandler.h"

#include "messageboxrecorder.h"
#include "platform/core/errors.h"
#include "platform/core/replaceable.h"
#include "platform/ui/application.h"
#include "platform/ui/guard.h"

#include <gtest/gtest.h>

namespace orupim::ui {
namespace {

TEST(ExceptionMessageText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"Cannot open file C:\\FLX.DB", "Cannot open file C:\\FLX.DB."},
        {"List index out of bounds", "List index out of bounds."},
        {"Error 42", "Error 42."},
        {"Path:", "Path:."},
        {"Really?", "Really?."},
        {"Field 'Title' must have a value", "Field 'Title' must have a value."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"(see above)", "(see above)"},
        {"'abc' is not a valid date'", "'abc' is not a valid date'"},
        {"say \"hi\"", "say \"hi\""},
        {"trailing blank ", "trailing blank "},
        {"ends in comma,", "ends in comma,"},
        {"ends in dash-", "ends in dash-"},
        {"ends in slash/", "ends in slash/."},
        {"Caf\xc3\xa9", "Caf\xc3\xa9."},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(exceptionMessageText(c.message), c.shown);
    }
}

TEST(Guard, ShowsAnEscapedErrorInAnErrorBoxCaptionedWithTheTitle) {
    test::MessageBoxRecorder recorder;
    Application application;
    application.setTitle("OruFLX 1.1");

    bool after = false;
    EXPECT_FALSE(runGuarded([&] {
        throw DatabaseError::fieldRequired("Title");
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "OruFLX 1.1");
    EXPECT_EQ(recorder.boxes[0].text, "Field 'Title' must have a value.");
    EXPECT_EQ(recorder.boxes[0].icon, MessageIcon::Error);

    EXPECT_FALSE(runGuarded([] { throw 42; }));
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[1].text, "Unknown error.");

    EXPECT_TRUE(runGuarded([&] { after = true; }));
    EXPECT_TRUE(after);
    EXPECT_TRUE(runGuarded({}));
    EXPECT_EQ(recorder.boxes.size(), 2u);
}

TEST(Guard, WithoutAnApplicationTheCaptionIsEmpty) {
    test::MessageBoxRecorder recorder;
    runGuarded([] { throw ListError(); });
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "");
    EXPECT_EQ(recorder.boxes[0].text, "List index out of bounds.");
}

TEST(Guard, AFailingBoxDoesNotEscapeEither) {
    Replacement failingBox(setMessageBoxImplementation,
                           [](const MessageBoxRequest&) { throw std::runtime_error("no display"); });
    EXPECT_FALSE(runGuarded([] { throw ListError(); }));
}

} // namespace
} // namespace orupim::ui
