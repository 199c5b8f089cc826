// The Tab key on the page "Main" of each edition: the window starts in DBEdit1 and walks the controls in the
// edition's tab order, each entered control becoming the field last entered with its own label and field.
#include "catalogue/modulevalues.h"
#include "catalogueprogram.h"
#include "editions/audio/audioedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace orupim::editions {
namespace {

using catalogue::ActiveField;
using catalogue::SearchFieldLabel;
using catalogue::SearchFieldName;

struct TabWalk {
    const catalogue::Edition* edition;
    // Control, search label and field, from the first control on.
    std::vector<std::vector<const char*>> steps;
};

void PrintTo(const TabWalk& walk, std::ostream* os) {
    *os << walk.edition->deliverable;
}

class MainPageTabOrder : public ::testing::TestWithParam<TabWalk> {};

TEST_P(MainPageTabOrder, TabWalksMainInTheEditionsOrder) {
    catalogue::test::CatalogueProgram program(*GetParam().edition);
    program.createTable();
    program.start();
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    bool first = true;
    for (const auto& step : GetParam().steps) {
        SCOPED_TRACE(step[0]);
        if (!first)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        first = false;
        QWidget* control = program.window().dataControl(step[0]);
        EXPECT_EQ(QApplication::focusWidget(), control);
        EXPECT_EQ(ActiveField, control);
        EXPECT_EQ(SearchFieldLabel.str(), step[1]);
        EXPECT_EQ(SearchFieldName.str(), step[2]);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, MainPageTabOrder,
                         ::testing::Values(TabWalk{&softwareEdition(),
                                                   {{"DBEdit1", "Author", "Author"},
                                                    {"DBEdit2", "Title", "Title"},
                                                    {"DBEdit3", "Publisher", "Publisher"},
                                                    {"DBEdit6", "Language", "Language"},
                                                    {"DBEdit4", "Code", "Code"},
                                                    {"DBEdit5", "Category", "Category"},
                                                    {"DBEdit7", "Format", "Format"}}},
                                           TabWalk{&audioEdition(),
                                                   {{"DBEdit1", "Artist", "Artist"},
                                                    {"DBEdit2", "Title", "Title"},
                                                    {"DBEdit3", "Publisher", "Publisher"},
                                                    {"DBEdit4", "Code", "Code"},
                                                    {"DBEdit5", "Category", "Category"},
                                                    {"DBEdit6", "Language", "Language"},
                                                    {"DBEdit7", "Format", "Format"}}},
                                           TabWalk{&printedMediaEdition(),
                                                   {{"DBEdit1", "Author", "Author"},
                                                    {"DBEdit2", "Title", "Title"},
                                                    {"DBEdit3", "Publisher", "Publisher"},
                                                    {"DBEdit6", "Language", "Language"},
                                                    {"DBEdit4", "ISBN", "ISBN"},
                                                    {"DBEdit5", "Subject", "Subject"},
                                                    {"DBEdit7", "Format", "Format"}}}),
                         [](const auto& info) { return info.param.edition->deliverable; });

} // namespace
} // namespace orupim::editions
