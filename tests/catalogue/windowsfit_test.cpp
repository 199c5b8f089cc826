// Every window of a catalogue edition shows its texts whole: each page of the main window, empty and with a
// record that fills every field, the search dialog, the about box and the splash window. Pictures of them
// are written when ORUPIM_SCREENSHOTS names a directory.
#include "editionwindows.h"

#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/waitdialog.h"
#include "catalogueprogram.h"
#include "platform/ui/pagecontrol.h"
#include "screenshot.h"
#include "windowfit.h"

#include <QApplication>
#include <QTest>

namespace orupim::catalogue::test {
namespace {

// A record that fills every field to its size, the memo with a long text.
Record fullRecord(const Edition& edition) {
    Record record;
    for (const db::FieldDef& field : edition.layout->fields) {
        switch (field.kind) {
        case db::FieldKind::Text:
            record[field.name] = std::string(static_cast<std::size_t>(field.size), 'W');
            break;
        case db::FieldKind::Memo:
            for (int i = 0; i < 12; ++i)
                record[field.name] += "A long note about this record that runs over many lines. ";
            break;
        case db::FieldKind::Logical:
            record[field.name] = "True";
            break;
        case db::FieldKind::Date:
            record[field.name] = "12/31/1999";
            break;
        default:
            break;
        }
    }
    return record;
}

void expectPagesFit(CatalogueProgram& program, const std::string& kind) {
    TMainWindow& window = program.window();
    for (int page = 0; page < window.pageControl()->pageCount(); ++page) {
        window.pageControl()->setCurrentIndex(page);
        orupim::test::expectFits(window,
                                 window.edition().deliverable + "-" + kind + "-page" + std::to_string(page));
    }
}

void expectDialogFits(ui::Form* dialog, const std::string& name) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    orupim::test::expectFits(*dialog, name);
    dialog->hide();
}

TEST_P(WindowsFit, EveryPageEmptyAndWithAFullRecord) {
    const Edition& edition = *GetParam();
    {
        CatalogueProgram program(edition);
        ASSERT_TRUE(program.startWith({}));
        expectPagesFit(program, "empty");
    }
    CatalogueProgram program(edition, "full");
    ASSERT_TRUE(program.startWith({fullRecord(edition)}));
    expectPagesFit(program, "full");
}

TEST_P(WindowsFit, SearchDialogAboutBoxAndSplash) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith({}));
    // The search dialog names the field searched: each field's label, without its " :".
    for (const LabelDescription& label : edition.labels) {
        SearchFieldLabel = CountedString(label.caption.substr(0, label.caption.size() - 2));
        expectDialogFits(QueryDialog, edition.deliverable + "-search-" + label.name);
    }
    expectDialogFits(AboutDialog, edition.deliverable + "-about");

    TWaitDialog splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    orupim::test::expectFits(splash, edition.deliverable + "-splash");
}

} // namespace
} // namespace orupim::catalogue::test
