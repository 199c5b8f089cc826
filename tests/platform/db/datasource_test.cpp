#include "platform/db/datasource.h"

#include "dbtesttable.h"
#include "platform/core/errors.h"

#include <gtest/gtest.h>

namespace orupim::db {
namespace {

using Changes = std::vector<DataChange>;
constexpr auto Record = DataChange::RecordChanged;
constexpr auto State = DataChange::StateChanged;
constexpr auto Update = DataChange::UpdateRecord;

class DataSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::useFreshAlias(::testing::UnitTest::GetInstance()->current_test_info()->name());
        test::createItems({{"a", ""}, {"b", ""}, {"c", ""}});
        source.subscribe([this](DataChange change) { changes.push_back(change); });
    }
    Changes take() { return std::exchange(changes, {}); }
    Query query;
    DataSource source{query};
    Changes changes;
};

TEST_F(DataSourceTest, FollowsTheQuerysRecordAndState) {
    EXPECT_EQ(&source.dataSet(), &query);
    EXPECT_EQ(source.state(), DataSetState::Inactive);
    test::openQuery(query);
    EXPECT_EQ(source.state(), DataSetState::Browse);
    EXPECT_EQ(take(), (Changes{State, Record}));
    query.next();
    EXPECT_EQ(take(), (Changes{Record}));
    query.first();
    query.first(); // no move, nothing to tell
    EXPECT_EQ(take(), (Changes{Record}));
    query.edit();
    EXPECT_EQ(source.state(), DataSetState::Edit);
    EXPECT_EQ(take(), (Changes{State}));
    query.post();
    EXPECT_EQ(take(), (Changes{Update, State, Record}));
    query.insert();
    EXPECT_EQ(take(), (Changes{State, Record}));
    query.cancel();
    EXPECT_EQ(take(), (Changes{State, Record}));
    query.close();
    EXPECT_EQ(source.state(), DataSetState::Inactive);
    EXPECT_EQ(take(), (Changes{State, Record}));
}

TEST_F(DataSourceTest, CountedControlsOffAndOn) {
    test::openQuery(query);
    take();
    query.disableControls();
    query.disableControls();
    EXPECT_TRUE(query.controlsDisabled());
    while (!query.eof())
        query.next();
    query.enableControls();
    EXPECT_TRUE(query.controlsDisabled());
    EXPECT_EQ(take(), Changes{}); // an off is still outstanding
    query.first();
    query.enableControls();
    EXPECT_FALSE(query.controlsDisabled());
    EXPECT_EQ(take(), Changes{Record}); // one refresh
    query.enableControls();             // more ons than offs change nothing
    EXPECT_FALSE(query.controlsDisabled());
    EXPECT_EQ(take(), Changes{});

    // A state that changed while the controls were off is told once when they come back.
    query.disableControls();
    query.close();
    test::openQuery(query, "select * from items where Name = 'b' and Code = ''");
    query.edit();
    query.enableControls();
    EXPECT_EQ(take(), (Changes{Record, State}));
    EXPECT_EQ(query.state(), DataSetState::Edit);
}

TEST_F(DataSourceTest, PostAsksControlsForTheirTextThenForFocusOnAnEmptyRequiredField) {
    test::openQuery(query);
    std::vector<std::string> focused;
    source.subscribeFocus([&](const std::string& field) { focused.push_back(field); });
    std::string pending = "";
    const int writer = source.subscribe([&](DataChange change) {
        if (change == DataChange::UpdateRecord)
            query.fieldByName("Name").setAsText(pending);
    });
    query.insert();
    EXPECT_THROW(query.post(), DatabaseError);
    EXPECT_EQ(focused, std::vector<std::string>{"Name"});
    EXPECT_EQ(query.state(), DataSetState::Insert);
    pending = "typed";
    query.post();
    EXPECT_EQ(query.fieldByName("Name").asText(), "typed");
    EXPECT_EQ(focused.size(), 1u);
    source.unsubscribe(writer);
}

TEST_F(DataSourceTest, SettingAFieldTellsThatFieldsControls) {
    test::openQuery(query);
    std::vector<std::string> told;
    const int id = source.subscribeField([&](const std::string& field) { told.push_back(field); });
    query.edit();
    query.fieldByName("Code").setAsText("x");
    EXPECT_EQ(told, std::vector<std::string>{"Code"});
    take();
    EXPECT_EQ(take(), Changes{}); // the other controls keep what they hold
    source.unsubscribeField(id);
    query.fieldByName("Code").setAsText("y");
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(DataSourceTest, AutomaticEditingCanBeTurnedOff) {
    EXPECT_TRUE(source.autoEdit());
    source.setAutoEdit(false);
    EXPECT_FALSE(source.autoEdit());
}

TEST_F(DataSourceTest, EitherMayGoFirst) {
    auto query2 = std::make_unique<Query>();
    auto early = std::make_unique<DataSource>(*query2);
    DataSource late(*query2);
    early.reset(); // a data source that goes leaves its query working
    query2->setDatabaseName("ORUPIM");
    query2->addSql("select * from items");
    query2->open();
    query2.reset(); // a query that goes leaves its data sources inactive
    EXPECT_EQ(late.state(), DataSetState::Inactive);
}

} // namespace
} // namespace orupim::db
