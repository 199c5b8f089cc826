// Start-up of the catalogue: the windows created in order with their captions from the window title, the
// creation handler's failure rule when the table cannot be opened.
#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/videoedition.h"
#include "catalogue/waitdialog.h"
#include "catalogueprogram.h"
#include "platform/ui/application.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/statusbar.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

bool splashShown() {
    return test::CatalogueProgram::splashShown();
}

TEST(StartUp, CreatesTheWindowsInOrderBehindTheSplash) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();

    ASSERT_EQ(program.pauses.size(), 1u);
    EXPECT_EQ(program.pauses[0].milliseconds, 3000u);
    EXPECT_TRUE(program.pauses[0].splashShown);
    EXPECT_TRUE(program.pauses[0].windowsCreated);
    EXPECT_FALSE(splashShown());
    EXPECT_TRUE(program.boxes.boxes.empty());
    ASSERT_NE(ui::Application::current(), nullptr);
    EXPECT_EQ(ui::Application::current()->title(), "OruFLX 1.1");
    EXPECT_EQ(ui::Application::current()->helpFile(), "OruPIM.hlp");
    EXPECT_EQ(ui::Application::current()->mainForm(), MainWindow);
    EXPECT_EQ(WindowTitle.str(), "Filmdex 1.1");
    EXPECT_EQ(MainWindow->caption(), "Filmdex 1.1");
    EXPECT_EQ(AboutDialog->caption(), "About Filmdex 1.1");
    EXPECT_EQ(AboutDialog->LabProd_2->text().toStdString(), "Filmdex 1.1");
    EXPECT_EQ(QueryDialog->caption(), "Filmdex 1.1");
    EXPECT_EQ(program.message(), "");
    const char* captions[] = {"Director :", "Title :", "Publisher :", "Code :", "Category :", "Language :",
                              "Format :",   "Notes :", "Borrowed :",  "Lent :", "Date :",     "From/to :"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(FieldCaptions[static_cast<std::size_t>(i)].str(), captions[i]);
}

TEST(StartUp, ExitClosesTheProgramWhileARecordIsAdded) {
    test::CatalogueProgram program(videoEdition());
    ASSERT_TRUE(program.startWith({}));
    program.window().AddRecClick();
    program.type("DBEdit1", "Lang");
    program.window().ExitClick();
    EXPECT_FALSE(program.window().isVisible());
    EXPECT_TRUE(program.boxes.boxes.empty());
    // The record being added is dropped with the program, not stored.
    program.stop();
    EXPECT_TRUE(program.storedRecords().empty());
}

TEST(StartUp, MissingTableEndsTheCreationHandlerAtTheQuery) {
    test::CatalogueProgram program(videoEdition());
    program.writeListFile("[Category]\nDrama=\n[Settings]\nSound=1\n");
    program.startWithoutShowing();

    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].caption, "OruFLX 1.1");
    EXPECT_EQ(program.boxes.boxes[0].icon, ui::MessageIcon::Error);

    TMainWindow& window = program.window();
    EXPECT_EQ(window.caption(), "FLX");
    EXPECT_EQ(WindowTitle.str(), "");
    EXPECT_EQ(window.statusBar()->panelText(0), "PanelInfo");
    EXPECT_EQ(window.statusBar()->panelText(1), "PanelRec ");
    for (const auto& caption : FieldCaptions)
        EXPECT_EQ(caption.str(), "");
    EXPECT_FALSE(SoundOn);
    EXPECT_FALSE(window.browserConfigured());
    EXPECT_EQ(qobject_cast<ui::DBComboBox*>(window.dataControl("DBEdit5"))->entries().count(), 0);

    // The other windows are still created, their captions from the empty window title.
    ASSERT_NE(AboutDialog, nullptr);
    ASSERT_NE(QueryDialog, nullptr);
    EXPECT_EQ(AboutDialog->caption(), "About ");
    EXPECT_EQ(AboutDialog->LabProd_2->text().toStdString(), "");
    EXPECT_EQ(QueryDialog->caption(), "");

    // Showing fails at its statement too: the counts stay 0 and the counts panel keeps its text.
    program.show();
    EXPECT_EQ(program.boxes.boxes.size(), 2u);
    EXPECT_TRUE(program.window().isVisible());
    EXPECT_EQ(TotalCount, 0);
    EXPECT_EQ(program.counts(), "PanelRec ");
}

} // namespace
} // namespace orupim::catalogue
