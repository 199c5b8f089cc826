// The field last entered stays when the focus goes to the page tabs. What entering each control records, and
// the Tab key's walk, are checked for every edition by RecordView.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/pagecontrol.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

// The page tabs are no data control: the field last entered stays.
TEST(FieldEnter, PageTabsLeaveTheFieldLastEntered) {
    test::CatalogueProgram program(videoEdition());
    program.start();
    TMainWindow& window = program.window();
    program.enter("DBEdit11");
    window.pageControl()->setFocus(Qt::MouseFocusReason);
    window.pageControl()->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(ActiveField, window.dataControl("DBEdit11"));
}

} // namespace
} // namespace orupim::catalogue
