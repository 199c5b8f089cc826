// The record view of each edition as its window shows it: every field a user keeps has one data control bound
// to it and every data control one field; each control lies whole on its page, clear of every other control
// and label, named for a screen reader by its label or its own caption; the Tab key walks each page's
// controls once each, every one entered as it is reached; and the window, its dialogs, its caption table and
// the printed record carry the edition's own texts.
#include "catalogue/aboutdialog.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/texts.h"
#include "catalogueprogram.h"
#include "editionwindows.h"
#include "platform/testing/printerrecorder.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "userinput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orupim::catalogue::test {
namespace {

constexpr std::size_t PrintButton = 14;
constexpr std::size_t AboutButton = 15;

// Fields a table holds that no control shows: the table numbers its auto-increment field itself, and the
// contact table keeps a City that its window never had.
bool shownByNoControl(const Edition& edition, const db::FieldDef& field) {
    return field.kind == db::FieldKind::AutoIncrement || (edition.table == "ppl" && field.name == "City");
}

// A record with a value in every text field, named after the field.
Record filledRecord(const Edition& edition) {
    Record record;
    for (const db::FieldDef& field : edition.layout->fields)
        if (field.kind == db::FieldKind::Text)
            record[field.name] = field.name.substr(0, static_cast<std::size_t>(field.size));
    return record;
}

std::string nameOf(const QWidget* widget) {
    return widget->objectName().toStdString();
}

TEST_P(RecordView, EveryKeptFieldHasOneDataControlAndEveryControlOneField) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith({}));
    TMainWindow& window = program.window();
    std::multiset<std::string> bound;
    for (QWidget* widget : window.pageControl()->findChildren<QWidget*>()) {
        if (const auto* data = dynamic_cast<const ui::DataControl*>(widget)) {
            EXPECT_EQ(data->dataSource(), &window.mainDataSource()) << nameOf(widget);
            bound.insert(data->dataField());
        }
    }
    std::multiset<std::string> kept;
    for (const db::FieldDef& field : edition.layout->fields)
        if (!shownByNoControl(edition, field))
            kept.insert(field.name);
    EXPECT_EQ(bound, kept);
}

TEST_P(RecordView, EveryControlLiesWholeOnItsPageClearOfTheOthersAndIsNamed) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith({filledRecord(edition)}));
    TMainWindow& window = program.window();
    ASSERT_EQ(window.pageControl()->pageCount(), static_cast<int>(edition.pages.size()));
    for (int index = 0; index < window.pageControl()->pageCount(); ++index) {
        QWidget* page = window.pageControl()->page(index);
        SCOPED_TRACE(nameOf(page));
        EXPECT_FALSE(window.pageControl()->tabText(index).isEmpty());
        window.pageControl()->setCurrentIndex(index);
        QApplication::processEvents();
        const QList<QWidget*> parts = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QRect place = parts[i]->geometry();
            EXPECT_TRUE(page->rect().contains(place)) << nameOf(parts[i]) << " leaves its page";
            for (qsizetype j = i + 1; j < parts.size(); ++j)
                if (place.intersects(parts[j]->geometry())) {
                    ADD_FAILURE() << nameOf(parts[i]) << " overlaps " << nameOf(parts[j]);
                }
        }
    }
    for (const ControlDescription& description : edition.controls) {
        SCOPED_TRACE(description.name);
        QWidget* control = program.control(description.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), window.pageControl()->page(description.page));
        std::string name = description.caption;
        if (ui::Label* label = window.label(description.label)) {
            EXPECT_EQ(label->parentWidget(), control->parentWidget());
            EXPECT_LE(label->geometry().right(), control->geometry().left()) << "label runs into its control";
            name = label->caption();
        } else if (auto* box = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(box->text().toStdString(), description.caption);
        }
        EXPECT_FALSE(name.empty()) << "neither a label nor a caption of its own";
        EXPECT_EQ(control->accessibleName().toStdString(), name);
    }
}

// From the first control of each page the Tab key reaches every other control of the page once, in the
// edition's tab order, and each becomes the field last entered with its own field as the search field.
TEST_P(RecordView, TabWalksEveryControlOfEachPageOnce) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith({filledRecord(edition)}));
    for (int page = 0; page < static_cast<int>(edition.pages.size()); ++page) {
        SCOPED_TRACE(edition.pages[static_cast<std::size_t>(page)].caption);
        std::vector<const ControlDescription*> order;
        for (const ControlDescription& description : edition.controls)
            if (description.page == page)
                order.push_back(&description);
        std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabOrder < b->tabOrder; });
        ASSERT_FALSE(order.empty());

        std::vector<std::string> expected, walked;
        program.enter(order.front()->name);
        for (const ControlDescription* description : order) {
            expected.push_back(description->name);
            if (description != order.front())
                orupim::test::press(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            walked.push_back(focus ? nameOf(focus) : "(no focus)");
            EXPECT_EQ(ActiveField, focus) << walked.back();
            EXPECT_EQ(SearchFieldName.str(), description->field) << walked.back();
        }
        EXPECT_EQ(walked, expected);
    }
}

// The window starts in its first control. Entering a control, on whatever page, makes its field the search
// field, named by its label's caption or, without a label, by its own, and marks whether it may be searched.
TEST_P(RecordView, EnteringAControlMakesItsFieldTheSearchField) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    ASSERT_TRUE(program.startWith({filledRecord(edition)}));
    EXPECT_EQ(QApplication::focusWidget(), program.control(edition.controls.front().name));
    EXPECT_EQ(ActiveField, QApplication::focusWidget());
    EXPECT_EQ(SearchFieldName.str(), edition.controls.front().field);
    for (auto description = edition.controls.rbegin(); description != edition.controls.rend();
         ++description) {
        SCOPED_TRACE(description->name);
        program.enter(description->name);
        const LabelDescription* label = edition.label(description->label);
        const std::string& caption = description->searchLabel == SearchLabelSource::OwnCaption || !label
                                         ? description->caption
                                         : label->caption;
        EXPECT_EQ(SearchFieldLabel.str(), searchFieldLabel(caption).str());
        EXPECT_EQ(SearchFieldName.str(), description->field);
        EXPECT_EQ(NotSearchable, description->searchable ? 0 : 1);
    }
}

TEST_P(RecordView, WindowDialogsCaptionTableAndPrintCarryTheEditionsTexts) {
    const Edition& edition = *GetParam();
    CatalogueProgram program(edition);
    const Record record = filledRecord(edition);
    ASSERT_TRUE(program.startWith({record}));
    TMainWindow& window = program.window();
    EXPECT_EQ(window.caption(), edition.windowTitle);
    EXPECT_EQ(QueryDialog->caption(), edition.windowTitle);
    EXPECT_EQ(AboutDialog->caption(), "About " + edition.windowTitle);

    ASSERT_NE(window.findChild<QMenu*>(QString::fromStdString(edition.menus.helpMenu)), nullptr);
    const std::pair<std::string, std::string> items[] = {
        {edition.menus.newsletterItem, edition.menus.newsletterCaption},
        {"ReadNotices1", edition.menus.noticesCaption},
        {edition.menus.aboutItem, edition.menus.aboutCaption},
    };
    for (const auto& [name, caption] : items) {
        SCOPED_TRACE(name);
        auto* item = window.findChild<QAction*>(QString::fromStdString(name));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text().toStdString(), caption);
    }
    EXPECT_EQ(window.speedButtons()[AboutButton]->hint(), edition.menus.aboutHint);

    // Entry i of the caption table holds the caption of the label the edition names for it, or nothing.
    for (std::size_t i = 0; i < edition.captionLabels.size(); ++i) {
        SCOPED_TRACE(i);
        const LabelDescription* label = edition.label(edition.captionLabels[i]);
        EXPECT_EQ(FieldCaptions[i].str(), label ? label->caption : "");
    }

    orupim::testing::PrinterRecorder printer;
    program.click(PrintButton);
    ASSERT_EQ(printer.jobs.size(), 1u);
    ASSERT_FALSE(printer.jobs[0].texts.empty());
    EXPECT_EQ(printer.jobs[0].texts[0].text, edition.printHeading);
    EXPECT_EQ(printer.jobs[0].title, edition.printHeading + " - " + record.at(edition.printJobField));
}

} // namespace
} // namespace orupim::catalogue::test
