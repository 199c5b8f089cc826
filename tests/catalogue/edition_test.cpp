// The edition descriptions hold together: each control's label, page and tab order, the lists' fields, the
// key columns, the caption table and the values Duplicate keeps name things that exist; every text a user
// reads is there, and the texts that speak of the program differ between editions. A description that breaks
// one of these would build a window that silently misbehaves, so every edition is checked here. What the
// windows make of the descriptions is checked in recordview_test.cpp.
#include "alleditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orupim::catalogue {
namespace {

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

using test::AllEditions;

class EditionDescription : public ::testing::TestWithParam<const Edition*> {};

TEST_P(EditionDescription, HasTwelveControlsInOrder) {
    const Edition& e = *GetParam();
    ASSERT_EQ(e.controls.size(), 12u);
    for (std::size_t i = 0; i < e.controls.size(); ++i)
        EXPECT_EQ(e.controls[i].name, "DBEdit" + std::to_string(i + 1));
}

TEST_P(EditionDescription, LabelsStandLeftOfTheirControlsOnTheirPage) {
    const Edition& e = *GetParam();
    for (const auto& control : e.controls) {
        SCOPED_TRACE(control.name);
        ASSERT_GE(control.page, 0);
        ASSERT_LT(control.page, static_cast<int>(e.pages.size()));
        EXPECT_GT(control.place.width, 0);
        EXPECT_GT(control.place.height, 0);
        if (control.label.empty()) {
            EXPECT_EQ(control.searchLabel, SearchLabelSource::OwnCaption);
            continue;
        }
        const LabelDescription* label = e.label(control.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->page, control.page);
        EXPECT_LT(label->left, control.place.left);
    }
}

TEST_P(EditionDescription, TabOrdersCountFromZeroOnEachPage) {
    const Edition& e = *GetParam();
    for (int page = 0; page < static_cast<int>(e.pages.size()); ++page) {
        SCOPED_TRACE(e.pages[page].caption);
        std::vector<int> orders;
        for (const auto& control : e.controls)
            if (control.page == page)
                orders.push_back(control.tabOrder);
        std::sort(orders.begin(), orders.end());
        for (std::size_t i = 0; i < orders.size(); ++i)
            EXPECT_EQ(orders[i], static_cast<int>(i));
    }
}

TEST_P(EditionDescription, ListsFillListFields) {
    const Edition& e = *GetParam();
    EXPECT_FALSE(e.lists.empty());
    for (const auto& list : e.lists) {
        SCOPED_TRACE(list.section);
        const ControlDescription* control = e.control(list.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, ControlKind::ListField);
    }
}

TEST_P(EditionDescription, CaptionTableNamesExistingLabels) {
    const Edition& e = *GetParam();
    ASSERT_EQ(e.captionLabels.size(), 12u);
    for (const auto& name : e.captionLabels) {
        if (!name.empty()) {
            EXPECT_NE(e.label(name), nullptr) << name;
        }
    }
}

TEST_P(EditionDescription, KeyReQueryUsesTheFirstTwoControlsFields) {
    const Edition& e = *GetParam();
    ASSERT_EQ(e.keyColumns.size(), 2u);
    EXPECT_EQ(e.keyColumns[0], e.controls[0].field);
    EXPECT_EQ(e.keyColumns[1], e.controls[1].field);
    EXPECT_EQ(e.keyReQueryFormat, "select * from " + e.table + " where " + e.keyColumns[0] + " = '%s' and " +
                                      e.keyColumns[1] + " = '%s'");
    EXPECT_EQ(countOf(e.keyReQueryFormat, "%s"), 2u);
}

TEST_P(EditionDescription, DuplicateWritesEachKeptTextIntoItsOwnField) {
    const Edition& e = *GetParam();
    std::multiset<std::string> keptFields;
    for (const auto& name : e.duplicateKept) {
        const ControlDescription* control = e.control(name);
        ASSERT_NE(control, nullptr) << name;
        keptFields.insert(control->field);
    }
    EXPECT_EQ(keptFields,
              std::multiset<std::string>(e.duplicateWriteOrder.begin(), e.duplicateWriteOrder.end()));
}

TEST_P(EditionDescription, EveryControlShowsAFieldOfTheRecordLayout) {
    const Edition& e = *GetParam();
    ASSERT_NE(e.layout, nullptr);
    EXPECT_EQ(e.layout->table, e.table);
    for (const auto& control : e.controls) {
        SCOPED_TRACE(control.name);
        const auto& fields = e.layout->fields;
        auto field = std::find_if(fields.begin(), fields.end(),
                                  [&](const auto& f) { return f.name == control.field; });
        ASSERT_NE(field, fields.end());
        const bool logical = field->kind == db::FieldKind::Logical;
        EXPECT_EQ(logical, control.kind == ControlKind::CheckBox);
        EXPECT_EQ(field->kind == db::FieldKind::Memo, control.kind == ControlKind::Memo);
    }
}

TEST_P(EditionDescription, StatementsNameTheTable) {
    const Edition& e = *GetParam();
    EXPECT_EQ(e.designStatement, "select * from " + e.table + ";");
    EXPECT_EQ(e.showStatement, "select * from " + e.table);
    EXPECT_EQ(e.listFile, "oru" + e.table + ".dat");
    EXPECT_EQ(e.menus.aboutHint, "About " + e.code);
}

TEST_P(EditionDescription, EveryTextAUserReadsIsThere) {
    const Edition& e = *GetParam();
    for (const std::string* text :
         {&e.windowTitle, &e.applicationTitle, &e.printHeading, &e.designCaption, &e.menus.newsletterCaption,
          &e.menus.noticesCaption, &e.menus.aboutCaption, &e.menus.aboutHint}) {
        EXPECT_FALSE(text->empty());
    }
    for (const auto& page : e.pages) {
        EXPECT_FALSE(page.name.empty());
        EXPECT_FALSE(page.caption.empty()) << page.name;
    }
    for (const auto& label : e.labels)
        EXPECT_FALSE(label.caption.empty()) << label.name;
    for (const auto& control : e.controls)
        if (control.label.empty()) {
            EXPECT_FALSE(control.caption.empty()) << control.name << " has neither a label nor a caption";
        }
}

// A field the program reads or writes by name is a field of the table; a field the table requires has a
// control to fill it in, or no record could ever be saved.
TEST_P(EditionDescription, FieldsTheProgramNamesAreInTheTable) {
    const Edition& e = *GetParam();
    std::set<std::string> fields, shown;
    for (const auto& field : e.layout->fields)
        fields.insert(field.name);
    for (const auto& control : e.controls)
        shown.insert(control.field);
    EXPECT_EQ(fields.count(e.printJobField), 1u) << e.printJobField;
    for (const auto& name : e.duplicateWriteOrder)
        EXPECT_EQ(fields.count(name), 1u) << name;
    for (const auto& field : e.layout->fields)
        if (field.required) {
            EXPECT_EQ(shown.count(field.name), 1u) << field.name << " is required but shown by no control";
        }
}

TEST_P(EditionDescription, ClipboardFollowsTheKindOfField) {
    for (const auto& control : GetParam()->controls) {
        SCOPED_TRACE(control.name);
        for (const ClipboardStep& step : {control.copy, control.paste}) {
            switch (control.kind) {
            case ControlKind::CheckBox:
                EXPECT_EQ(step.action, ClipboardStep::Action::Refuse);
                EXPECT_EQ(step.message, Message::FieldNotCopiable);
                break;
            case ControlKind::ListField:
                EXPECT_EQ(step.action, ClipboardStep::Action::ListField);
                break;
            case ControlKind::TextField:
            case ControlKind::Memo:
                EXPECT_NE(step.action, ClipboardStep::Action::ListField);
            }
            if (step.action == ClipboardStep::Action::Refuse) {
                EXPECT_LT(static_cast<std::uint32_t>(step.message), MessageCount);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionDescription, ::testing::ValuesIn(AllEditions),
                         [](const auto& info) { return info.param->deliverable; });

// The program file and the table each edition keeps its records in: packages, menus and stored tables name
// them, so they never change.
TEST(EditionNames, EachProgramAndItsTable) {
    const struct {
        const Edition* edition;
        const char* deliverable;
        const char* table;
    } names[] = {
        {&videoEdition(), "OruFLX", "flx"},
        {&editions::softwareEdition(), "OruPRG", "prg"},
        {&editions::audioEdition(), "OruSND", "snd"},
        {&editions::printedMediaEdition(), "OruBKS", "bks"},
        {&editions::contactEdition(), "OruPPL", "ppl"},
    };
    for (const auto& name : names) {
        EXPECT_EQ(name.edition->deliverable, name.deliverable);
        EXPECT_EQ(name.edition->table, name.table);
    }
}

// A user running two of the programs tells them apart by every name and text that speaks of the program.
TEST(EditionTexts, DifferBetweenEditions) {
    const std::vector<std::pair<const char*, std::string Edition::*>> constants = {
        {"deliverable", &Edition::deliverable},
        {"code", &Edition::code},
        {"table", &Edition::table},
        {"list file", &Edition::listFile},
        {"window title", &Edition::windowTitle},
        {"application title", &Edition::applicationTitle},
        {"print heading", &Edition::printHeading},
        {"design caption", &Edition::designCaption},
    };
    for (const auto& [what, member] : constants) {
        std::set<std::string> seen;
        for (const Edition* edition : AllEditions)
            EXPECT_TRUE(seen.insert(edition->*member).second) << what << " shared: " << edition->*member;
    }
    for (const auto& [what, member] : std::vector<std::pair<const char*, std::string MenuTexts::*>>{
             {"about item", &MenuTexts::aboutCaption}, {"about hint", &MenuTexts::aboutHint}}) {
        std::set<std::string> seen;
        for (const Edition* edition : AllEditions)
            EXPECT_TRUE(seen.insert(edition->menus.*member).second)
                << what << " shared: " << edition->menus.*member;
    }
}

} // namespace
} // namespace orupim::catalogue
