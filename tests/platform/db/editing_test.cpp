#include "dbtesttable.h"

#include "platform/core/errors.h"
#include "platform/db/session.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::db {
namespace {

using Names = std::vector<std::string>;

class Editing : public ::testing::Test {
protected:
    void SetUp() override {
        test::useFreshAlias(::testing::UnitTest::GetInstance()->current_test_info()->name());
        test::createItems({{"a", "1"}, {"b", "2"}, {"c", "3"}});
        test::openQuery(query);
    }
    std::string text(const char* name) { return query.fieldByName(name).asText(); }
    Query query;
};

TEST_F(Editing, InsertPutsABlankRecordInFrontOfTheCurrentOneAndPostStoresIt) {
    query.next();
    query.insert();
    EXPECT_EQ(query.state(), DataSetState::Insert);
    for (int i = 0; i < query.fieldCount(); ++i)
        EXPECT_TRUE(query.field(i).isNull()) << query.field(i).fieldName();
    query.fieldByName("name").setAsText("new");
    query.fieldByName("Code").setAsText("007");
    query.fieldByName("Flag").setAsText("True");
    query.fieldByName("When").setAsText("1/2/2024");
    query.fieldByName("Notes").setAsText("line one\r\nline two");
    EXPECT_EQ(text("When"), "01/02/2024");
    query.post();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(query.recordIndex(), 1);
    EXPECT_EQ(text("Name"), "new");
    EXPECT_EQ(text("Number"), "4"); // numbered by the table on post
    query.next();
    EXPECT_EQ(text("Name"), "b");

    // A fresh query sees the record at the end, in the table's own order, with its values as stored.
    EXPECT_EQ(test::storedNames(), (Names{"a", "b", "c", "new"}));
    Query reread;
    test::openQuery(reread, "select * from items where Name = 'new' and Code = '007'");
    ASSERT_EQ(reread.recordCount(), 1);
    EXPECT_EQ(reread.fieldByName("Code").asText(), "007");
    EXPECT_EQ(reread.fieldByName("Flag").asText(), "True");
    EXPECT_EQ(reread.fieldByName("When").asText(), "01/02/2024");
    EXPECT_EQ(reread.fieldByName("Notes").asText(), "line one\r\nline two");
    EXPECT_EQ(reread.fieldByName("Number").asText(), "4");
    EXPECT_FALSE(reread.fieldByName("Number").isNull());
}

TEST_F(Editing, EditPostStoresTheChangesAndCancelDropsThem) {
    query.next();
    query.edit();
    EXPECT_EQ(query.state(), DataSetState::Edit);
    query.fieldByName("Code").setAsText("22");
    query.fieldByName("Flag").setAsText("false");
    query.post();
    EXPECT_EQ(text("Code"), "22");

    query.edit();
    query.fieldByName("Code").setAsText("lost");
    query.fieldByName("Notes").setAsText("lost");
    EXPECT_EQ(text("Code"), "lost");
    query.cancel();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(text("Code"), "22");
    EXPECT_TRUE(query.fieldByName("Notes").isNull());

    Query reread;
    test::openQuery(reread, "select * from items where Name = 'b' and Code = '22'");
    ASSERT_EQ(reread.recordCount(), 1);
    EXPECT_EQ(reread.fieldByName("Flag").asText(), "False");
    EXPECT_EQ(reread.fieldByName("Number").asText(), "2"); // never renumbered
}

TEST_F(Editing, ClearingAFieldStoresNoValue) {
    query.edit();
    query.fieldByName("Code").setAsText("");
    query.post();
    Query reread;
    test::openQuery(reread);
    EXPECT_TRUE(reread.fieldByName("Code").isNull());
    EXPECT_EQ(reread.fieldByName("Code").asText(), "");
}

TEST_F(Editing, CancelledInsertStoresNothingAndRestoresThePlace) {
    query.last();
    query.insert();
    query.fieldByName("Name").setAsText("dropped");
    query.cancel();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(text("Name"), "c");
    EXPECT_TRUE(query.eof());
    query.cancel(); // nothing in browse state
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(test::storedNames(), (Names{"a", "b", "c"}));
}

TEST_F(Editing, DeleteRemovesTheCurrentRecordAndMovesToTheNext) {
    query.next();
    query.edit();
    query.fieldByName("Code").setAsText("unsaved");
    query.deleteRecord();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    EXPECT_EQ(text("Name"), "c");
    EXPECT_EQ(test::storedNames(), (Names{"a", "c"}));

    query.deleteRecord(); // the last record: the one before it becomes current
    EXPECT_EQ(text("Name"), "a");
    query.deleteRecord();
    EXPECT_EQ(query.recordCount(), 0);
    EXPECT_TRUE(query.bof());
    EXPECT_TRUE(query.eof());
    EXPECT_THROW(query.deleteRecord(), DatabaseError);
    EXPECT_EQ(test::storedNames(), Names{});
}

TEST_F(Editing, EditOnAnEmptyResultBeginsAnInsertion) {
    test::openQuery(query, "select * from items where Name = 'none' and Code = 'none'");
    ASSERT_EQ(query.recordCount(), 0);
    query.edit();
    EXPECT_EQ(query.state(), DataSetState::Insert);
    query.fieldByName("Name").setAsText("none");
    query.post();
    EXPECT_EQ(query.recordCount(), 1);
    EXPECT_FALSE(query.eof());
    EXPECT_EQ(test::storedNames(), (Names{"a", "b", "c", "none"}));
}

TEST_F(Editing, FieldsAreSetOnlyWhileEditing) {
    EXPECT_THROW(query.fieldByName("Code").setAsText("x"), DatabaseError);
    EXPECT_THROW(query.post(), DatabaseError);
    query.edit();
    EXPECT_THROW(query.fieldByName("Number").setAsText("9"), DatabaseError);
    EXPECT_THROW(query.fieldByName("When").setAsText("31/12/1999"), ConvertError);
    query.fieldByName("Code").setAsText("abcdefgh"); // cut to the field's five characters
    EXPECT_EQ(text("Code"), "abcde");
    EXPECT_THROW(query.fieldByName("Missing"), DatabaseError);
    EXPECT_EQ(query.findField("missing"), nullptr);
    EXPECT_THROW(query.field(query.fieldCount()), ListError);
    try {
        query.fieldByName("Missing");
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), "Field 'Missing' not found");
    }
}

TEST_F(Editing, RequiredFieldsAreCheckedInFieldListOrderBeforeAnythingIsWritten) {
    const RecordLayout layout{"req",
                              {{"A", FieldKind::Text, 10},
                               {"B", FieldKind::Text, 10, true},
                               {"N", FieldKind::AutoIncrement, 0, true},
                               {"C", FieldKind::Date, 0, true}}};
    Session::instance().createAliasTable("ORUPIM", layout);
    Query req;
    test::openQuery(req, "select * from req");
    req.insert();
    req.fieldByName("A").setAsText("kept");
    const std::pair<const char*, const char*> steps[] = {{"B", "b"}, {"C", "1/1/2000"}};
    for (const auto& [missing, value] : steps) {
        try {
            req.post();
            FAIL() << "posted without " << missing;
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message(), std::string("Field '") + missing + "' must have a value");
        }
        EXPECT_EQ(req.state(), DataSetState::Insert);
        EXPECT_EQ(req.fieldByName("A").asText(), "kept");
        Query count;
        test::openQuery(count, "select * from req");
        EXPECT_EQ(count.recordCount(), 0);
        req.fieldByName(missing).setAsText(value);
    }
    req.post(); // the auto-increment field is the table's to fill
    EXPECT_EQ(req.fieldByName("N").asText(), "1");

    req.edit();
    req.fieldByName("B").setAsText("");
    EXPECT_THROW(req.post(), DatabaseError);
    EXPECT_EQ(req.state(), DataSetState::Edit);
    req.cancel();
    EXPECT_EQ(req.fieldByName("B").asText(), "b");
}

TEST_F(Editing, ATableFileWithoutWriteBitsGivesAReadOnlyResult) {
    EXPECT_TRUE(query.canModify());
    query.close();
    std::filesystem::permissions(test::itemsFile(), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
    test::openQuery(query);
    EXPECT_FALSE(query.canModify());
    EXPECT_EQ(text("Name"), "a");
    const std::function<void()> refused[] = {[&] { query.edit(); }, [&] { query.insert(); },
                                             [&] { query.deleteRecord(); }};
    for (const auto& operation : refused) {
        try {
            operation();
            ADD_FAILURE() << "modified";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message(), "Cannot modify a read-only dataset");
        }
        EXPECT_EQ(query.state(), DataSetState::Browse);
    }
    test::openQuery(query, "select * from items where Name = 'a' and Code = '1'");
    EXPECT_FALSE(query.canModify());
    EXPECT_THROW(query.edit(), DatabaseError);
    EXPECT_EQ(test::storedNames(), (Names{"a", "b", "c"}));
}

TEST_F(Editing, EditStartsFromTheRecordAsItIsNow) {
    query.disableControls(); // the records after the first are read ahead now
    EXPECT_EQ(text("Code"), "1");
    query.next();
    {
        Query other; // another program sets the Notes of "b"
        test::openQuery(other, "select * from items where Name = 'b'");
        other.edit();
        other.fieldByName("Notes").setAsText("theirs");
        other.post();
    }
    query.edit();
    query.fieldByName("Code").setAsText("mine");
    query.post();
    query.enableControls();
    Query reread;
    test::openQuery(reread, "select * from items where Name = 'b'");
    EXPECT_EQ(reread.fieldByName("Code").asText(), "mine");
    EXPECT_EQ(reread.fieldByName("Notes").asText(), "theirs");
}

TEST_F(Editing, AMoveWhileEditingStoresTheRecordFirst) {
    query.edit();
    query.fieldByName("Code").setAsText("9");
    query.next();
    EXPECT_EQ(query.state(), DataSetState::Browse);
    query.first();
    EXPECT_EQ(text("Code"), "9");
}

} // namespace
} // namespace orupim::db
