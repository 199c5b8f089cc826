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
