#include "dbtesttable.h"

#include "platform/core/errors.h"

#include <gtest/gtest.h>

namespace orupim::db {
namespace {

enum class Move { First, Prior, Next, Last };

struct Step {
    Move move;
    bool bof, eof;
    std::string name; // the current record's Name afterwards ("" on an empty result)
};

void walk(Query& query, const std::vector<Step>& steps) {
    int n = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE("step " + std::to_string(++n));
        switch (step.move) {
        case Move::First:
            query.first();
            break;
        case Move::Prior:
            query.prior();
            break;
        case Move::Next:
            query.next();
            break;
        case Move::Last:
            query.last();
            break;
        }
        EXPECT_EQ(query.bof(), step.bof);
        EXPECT_EQ(query.eof(), step.eof);
        EXPECT_EQ(query.fieldByName("Name").asText(), step.name);
    }
}

class Navigation : public ::testing::Test {
protected:
    void SetUp() override {
        test::useFreshAlias(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    Query query;
};

TEST_F(Navigation, ThreeRecordsOpenOnTheFirstWithTheBeginFlag) {
    test::createItems({{"a", ""}, {"b", ""}, {"c", ""}});
    test::openQuery(query);
    EXPECT_TRUE(query.bof());
    EXPECT_FALSE(query.eof());
    EXPECT_EQ(query.fieldByName("Name").asText(), "a");
    walk(query, {
                    {Move::First, true, false, "a"},
                    {Move::Last, false, true, "c"},
                    {Move::Last, false, true, "c"},
                    {Move::Next, false, true, "c"},
                    {Move::Prior, false, false, "b"},
                    {Move::Prior, false, false, "a"}, // arrives at the first record: no flag yet
                    {Move::Prior, true, false, "a"},  // finds no earlier record: begin flag
                    {Move::Prior, true, false, "a"},
                    {Move::Next, false, false, "b"},
                    {Move::Next, false, false, "c"}, // arrives at the last record
                    {Move::Next, false, true, "c"},  // finds no later record: end flag
                });
}

TEST_F(Navigation, CountingWithNextSetsTheEndFlagOnTheNthNext) {
    test::createItems({{"a", ""}, {"b", ""}, {"c", ""}});
    test::openQuery(query, "select * from items");
    int count = 0;
    while (!query.eof()) {
        query.next();
        ++count;
    }
    EXPECT_EQ(count, 3);
    query.first();
    EXPECT_EQ(query.fieldByName("Name").asText(), "a");
}

TEST_F(Navigation, BothFlagsStaySetOnAnEmptyResult) {
    test::createItems({});
    test::openQuery(query);
    EXPECT_TRUE(query.bof());
    EXPECT_TRUE(query.eof());
    EXPECT_EQ(query.recordCount(), 0);
    walk(query, {
                    {Move::First, true, true, ""},
                    {Move::Prior, true, true, ""},
                    {Move::Next, true, true, ""},
                    {Move::Last, true, true, ""},
                });
    EXPECT_TRUE(query.fieldByName("Name").isNull());
}

TEST_F(Navigation, OneRecordResult) {
    test::createItems({{"only", ""}});
    test::openQuery(query);
    walk(query, {
                    {Move::Next, false, true, "only"},
                    {Move::Prior, true, false, "only"},
                    {Move::Last, false, true, "only"},
                    {Move::First, true, false, "only"},
                });
}

TEST_F(Navigation, MovesNeedAnOpenQuery) {
    test::createItems({{"a", ""}});
    EXPECT_FALSE(query.active());
    EXPECT_EQ(query.state(), DataSetState::Inactive);
    EXPECT_THROW(query.next(), DatabaseError);
    EXPECT_THROW(query.first(), DatabaseError);
    test::openQuery(query);
    query.close();
    EXPECT_THROW(query.last(), DatabaseError);
    EXPECT_EQ(query.fieldByName("Name").asText(), ""); // fields stay, with no value
}

} // namespace
} // namespace orupim::db

namespace orupim::db {
namespace {

std::vector<std::string> namesForward(Query& query) {
    std::vector<std::string> names;
    query.first();
    for (; !query.eof(); query.next())
        names.push_back(query.fieldByName("Name").asText());
    return names;
}

std::vector<std::string> namesBackward(Query& query) {
    std::vector<std::string> names;
    query.last();
    for (; !query.bof(); query.prior())
        names.insert(names.begin(), query.fieldByName("Name").asText());
    return names;
}

TEST_F(Navigation, WalksResultsWithGapsAndInsertedRecordsBothWays) {
    std::vector<std::pair<std::string, std::string>> records;
    std::vector<std::string> matching;
    for (int i = 0; i < 700; ++i) {
        const std::string name = "n" + std::to_string(i);
        records.emplace_back(name, "");
        if (name.find('5') != std::string::npos)
            matching.push_back(name);
    }
    test::createItems(records);
    test::openQuery(query, "Select * from items where Name like '%5%'");
    EXPECT_EQ(namesForward(query), matching);
    EXPECT_EQ(namesBackward(query), matching);
    query.disableControls(); // records are read ahead in runs then
    EXPECT_EQ(namesForward(query), matching);
    EXPECT_EQ(namesBackward(query), matching);
    query.enableControls();

    // A record added in the middle of the result stays where it was added until the query is opened again.
    for (int i = 0; i < 40; ++i)
        query.next();
    query.insert();
    query.fieldByName("Name").setAsText("added");
    query.post();
    matching.insert(matching.begin() + 40, "added");
    query.first();
    for (int i = 0; i < 100; ++i)
        query.next();
    query.deleteRecord();
    matching.erase(matching.begin() + 100);
    for (bool off : {false, true}) {
        SCOPED_TRACE(off ? "controls off" : "controls on");
        if (off)
            query.disableControls();
        EXPECT_EQ(namesForward(query), matching);
        EXPECT_EQ(namesBackward(query), matching);
    }
    query.enableControls();
}

void changeCode(const std::string& name, const std::string& code) {
    Query other; // another program's query
    test::openQuery(other, "select * from items where Name = '" + name + "'");
    other.edit();
    other.fieldByName("Code").setAsText(code);
    other.post();
}

TEST_F(Navigation, AMoveShowsTheRecordAsItIsNow) {
    test::createItems({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    test::openQuery(query);
    EXPECT_EQ(query.fieldByName("Code").asText(), "1");
    changeCode("b", "new");
    query.next();
    EXPECT_EQ(query.fieldByName("Code").asText(), "new");
}

TEST_F(Navigation, TurningTheControlsOnReadsTheCurrentRecordAnew) {
    test::createItems({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    test::openQuery(query);
    query.disableControls();
    EXPECT_EQ(query.fieldByName("Code").asText(), "1"); // read together with the records after it
    {
        // Another program changes the first record and deletes the second.
        Query other;
        test::openQuery(other);
        other.edit();
        other.fieldByName("Code").setAsText("x");
        other.post();
        other.next();
        other.deleteRecord();
    }
    query.enableControls();
    EXPECT_EQ(query.fieldByName("Code").asText(), "x");
    query.next();
    EXPECT_TRUE(query.fieldByName("Name").isNull()); // gone since the open: reads as empty
    query.next();
    EXPECT_EQ(query.fieldByName("Name").asText(), "c");
}

} // namespace
} // namespace orupim::db
