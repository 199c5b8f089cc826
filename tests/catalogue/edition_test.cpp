// The edition descriptions hold together: each control's label, page and tab order, the lists' fields, the
// key columns, the caption table and the values Duplicate keeps name things that exist. A description that
// breaks one of these would build a window that silently misbehaves, so every edition is checked here.
#include "catalogue/edition.h"
#include "catalogue/videoedition.h"
#include "editions/audio/audioedition.h"
#include "editions/contact/contactedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orupim::catalogue {
namespace {

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

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

INSTANTIATE_TEST_SUITE_P(Editions, EditionDescription,
                         ::testing::Values(&videoEdition(), &editions::softwareEdition(),
                                           &editions::audioEdition(), &editions::printedMediaEdition(),
                                           &editions::contactEdition()),
                         [](const auto& info) { return info.param->deliverable; });

TEST(VideoEdition, OnlyNotesAndBorrowedAreNotSearchable) {
    std::vector<std::string> notSearchable;
    for (const auto& control : videoEdition().controls)
        if (!control.searchable)
            notSearchable.push_back(control.field);
    EXPECT_EQ(notSearchable, (std::vector<std::string>{"Notes", "Borrowed"}));
}

TEST(VideoEdition, ClipboardFollowsTheKindOfField) {
    for (const auto& control : videoEdition().controls) {
        SCOPED_TRACE(control.name);
        switch (control.kind) {
        case ControlKind::CheckBox:
            EXPECT_EQ(control.copy.action, ClipboardStep::Action::Refuse);
            EXPECT_EQ(control.copy.message, 13u);
            EXPECT_EQ(control.paste.message, 13u);
            break;
        case ControlKind::ListField:
            EXPECT_EQ(control.copy.action, ClipboardStep::Action::ListField);
            EXPECT_EQ(control.paste.action, ClipboardStep::Action::ListField);
            break;
        default:
            EXPECT_EQ(control.copy.action, ClipboardStep::Action::Edit);
            EXPECT_EQ(control.paste.action, ClipboardStep::Action::Edit);
        }
    }
}

} // namespace
} // namespace orupim::catalogue
