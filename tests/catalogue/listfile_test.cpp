// The lookup-list file at start-up and on Reload Lists: Sound seeded from its [Settings] on the first start
// only, and each list section filling its drop-down field in sorted order.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/registry/reginifile.h"
#include "platform/ui/dbcombobox.h"

#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

std::string storedSound() {
    return RegIniFile("Software\\Brenmoor\\OruPIM").readString("Settings", "Sound", "<none>");
}

StringList entriesOf(TMainWindow& window, const char* control) {
    return qobject_cast<ui::DBComboBox*>(window.dataControl(control))->entries();
}

TEST(Sound, FirstStartSeedsItFromTheListFileOnlyOnce) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Settings]\r\nSound=1\r\n");
    program.start();
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(storedSound(), "1");

    program.stop();
    program.writeListFile("[Settings]\r\nSound=0\r\n");
    program.start();
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(storedSound(), "1");
}

TEST(LookupLists, EachSectionFillsItsFieldSorted) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Category]\nDrama=\nComedy=anything\nAction=\n"
                          "[Format]\nVHS=\nDVD=\n[Language]\n[Unrelated]\nX=\n");
    program.start();
    TMainWindow& window = program.window();
    EXPECT_EQ(entriesOf(window, "DBEdit5"), (StringList{"Action", "Comedy", "Drama"}));
    EXPECT_EQ(entriesOf(window, "DBEdit7"), (StringList{"DVD", "VHS"}));
    EXPECT_EQ(entriesOf(window, "DBEdit6").count(), 0);
    EXPECT_EQ(entriesOf(window, "DBEdit3").count(), 0);

    program.writeListFile("[Category]\nWestern=\nDrama=\n");
    window.ReloadLists1Click();
    EXPECT_EQ(entriesOf(window, "DBEdit5"), (StringList{"Drama", "Western"}));
    EXPECT_EQ(entriesOf(window, "DBEdit7").count(), 0);
}

} // namespace
} // namespace orupim::catalogue
