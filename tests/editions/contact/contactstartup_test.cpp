// The contact window's creation and Reload Lists: the two lookup lists Region and Country from oruppl.dat
// (the other editions' sections ignored), reloading without doubling an entry, the caption table of eleven
// labels with its one empty entry, and the printed record that follows from it.
#include "catalogue/modulevalues.h"
#include "catalogueprogram.h"
#include "editions/contact/contactedition.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"

#include <QAction>
#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::editions {
namespace {

using catalogue::FieldCaptions;
using catalogue::TMainWindow;
using catalogue::test::Record;

const Record Contact = {{"Name", "Ann Lee"},        {"Street", "1 Main St"},     {"City", "Springfield"},
                        {"PostCode", "12345"},      {"Region", "North"},         {"Country", "Canada"},
                        {"Phone", "555-0100"},      {"Fax", "555-0101"},         {"Email", "ann@example.com"},
                        {"Web", "www.example.com"}, {"Notes", "Met\r\nin 1996"}, {"Business", "False"},
                        {"Personal", "True"}};

class ContactStartUp : public ::testing::Test {
protected:
    void start(const std::string& listFile) {
        program.createTable({Contact});
        program.writeListFile(listFile);
        program.start();
        ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    }
    TMainWindow& window() { return program.window(); }
    StringList entriesOf(const char* control) {
        return qobject_cast<ui::DBComboBox*>(window().dataControl(control))->entries();
    }
    void reload() {
        window().statusBar()->setPanelText(0, "");
        window().findChild<QAction*>("ReloadLists1")->trigger();
        QApplication::processEvents();
    }
    std::string shown(const char* control) {
        return window().controlText(window().edition().controlIndex(control));
    }

    catalogue::test::CatalogueProgram program{contactEdition()};
};

TEST_F(ContactStartUp, RegionAndCountryComeFromTheirSectionsSortedAndNothingElseIsRead) {
    start("[Region]\nSouth=\nNorth=\n[Country]\nNorway=\nCanada=\n"
          "[Publisher]\nStudio=\n[Category]\nDrama=\n[Language]\nGerman=\n[Format]\nVHS=\n");
    EXPECT_EQ(entriesOf("DBEdit4"), (StringList{"North", "South"}));
    EXPECT_EQ(entriesOf("DBEdit5"), (StringList{"Canada", "Norway"}));
    EXPECT_EQ(window().edition().lists.size(), 2u);
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST_F(ContactStartUp, ReloadShowsAnAddedCountryAndEveryEntryOnce) {
    start("[Region]\nSouth=\nNorth=\n[Country]\nNorway=\nCanada=\n");
    program.writeListFile("[Region]\nSouth=\nNorth=\n[Country]\nNorway=\nCanada=\nBrazil=\n");
    reload();
    EXPECT_EQ(entriesOf("DBEdit4"), (StringList{"North", "South"}));
    EXPECT_EQ(entriesOf("DBEdit5"), (StringList{"Brazil", "Canada", "Norway"}));
    EXPECT_EQ(program.message(), "");
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);

    // With the file gone both fields offer nothing, keep what they show and still take typed text.
    std::filesystem::remove(program.hostDirectory() / "oruppl.dat");
    reload();
    EXPECT_EQ(entriesOf("DBEdit4").count(), 0);
    EXPECT_EQ(entriesOf("DBEdit5").count(), 0);
    EXPECT_EQ(shown("DBEdit4"), "North");
    EXPECT_EQ(shown("DBEdit5"), "Canada");
    EXPECT_TRUE(program.boxes.boxes.empty());
}

TEST_F(ContactStartUp, CaptionTableHasTypeOnceAndAnEmptyEntryForBusiness) {
    start("");
    const char* expected[] = {"Name :", "Street :", "Post Code :", "Region :", "Country :", "Type :",
                              "",       "Phone :",  "Fax :",       "E-mail :", "URL :",     "Notes :"};
    for (std::size_t i = 0; i < FieldCaptions.size(); ++i)
        EXPECT_EQ(FieldCaptions[i].str(), expected[i]) << i;
}

TEST_F(ContactStartUp, PrintedRecordPairsEachCaptionWithItsControlsValue) {
    orupim::testing::PrinterRecorder printer;
    start("");
    window().speedButtons()[14]->click(); // Print Record
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& texts = printer.jobs[0].texts;
    ASSERT_EQ(texts.size(), 26u); // the Notes' line break starts a line of their own
    EXPECT_EQ(texts[0].text, "PPL Record");
    const std::pair<const char*, const char*> lines[] = {
        {"Name :", "Ann Lee"},
        {"Street :", "1 Main St"},
        {"Post Code :", "12345"},
        {"Region :", "North"},
        {"Country :", "Canada"},
        {"Type :", "True"},
        {"", "False"},
        {"Phone :", "555-0100"},
        {"Fax :", "555-0101"},
        {"E-mail :", "ann@example.com"},
        {"URL :", "www.example.com"},
        {"Notes :", "Met"},
    };
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[1 + 2 * i].text, lines[i].first);
        EXPECT_EQ(texts[2 + 2 * i].text, lines[i].second);
        EXPECT_EQ(texts[1 + 2 * i].y, texts[2 + 2 * i].y);
    }
    EXPECT_EQ(texts[25], (orupim::testing::PrinterRecorder::TextOut{560, texts[24].y + 72, "in 1996", 10}));
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].title, "PPL Record - Ann Lee");
}

} // namespace
} // namespace orupim::editions
