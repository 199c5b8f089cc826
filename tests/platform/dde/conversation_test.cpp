// The client against an in-process server on the test's own platform root.
#include "platform/dde/conversation.h"

#include "ddetestsupport.h"
#include "platform/dde/channel.h"
#include "platform/dde/server.h"
#include "platform/dde/servicestarter.h"
#include "silentprogrammanager.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace orupim::dde {
namespace {

using test::Received;
using test::StarterGuard;

TEST(Conversation, ExecuteIsAcceptedAndCarriedOutInOrder) {
    Received received;
    Server server("PROGMAN", "PROGMAN", [&](const std::string& command) { return received.add(command); });
    server.start();
    int starts = 0;
    StarterGuard starter([&](std::string_view) { return ++starts, false; });

    Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    EXPECT_TRUE(conversation.execute("[CreateGroup(Tools)]\r\n"));
    EXPECT_TRUE(conversation.execute("[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n"));
    EXPECT_EQ(received.waitFor(2), (std::vector<std::string>{"[CreateGroup(Tools)]\r\n",
                                                             "[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n"}));
    EXPECT_EQ(starts, 0);
    conversation.close();
    EXPECT_FALSE(conversation.execute("[CreateGroup(Late)]"));
}

TEST(Conversation, RefusedTransactionAnswersNo) {
    Received received;
    int offered = 0;
    Server server("PROGMAN", "PROGMAN",
                  [&](const std::string& command) { return ++offered > 2 && received.add(command); });
    server.start();

    Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    EXPECT_FALSE(conversation.execute("[AddItem(a,b)]"));
    EXPECT_FALSE(conversation.execute("[AddItem(a,b)]"));
    EXPECT_TRUE(conversation.isOpen());
    EXPECT_TRUE(conversation.execute("[AddItem(a,b)]"));
    EXPECT_EQ(received.waitFor(1), std::vector<std::string>{"[AddItem(a,b)]"});
}

TEST(Conversation, WrongTopicIsNoConversation) {
    Server server("PROGMAN", "PROGMAN", nullptr);
    server.start();
    StarterGuard starter([](std::string_view) { return false; });
    Conversation conversation("PROGMAN", "OTHER");
    EXPECT_FALSE(conversation.open());
    EXPECT_FALSE(conversation.execute("[CreateGroup(A)]"));
}

TEST(Conversation, NoServerStartsTheServiceProgramAndTriesOnceMore) {
    Received received;
    std::unique_ptr<Server> server;
    std::vector<std::string> started;
    StarterGuard starter([&](std::string_view service) {
        started.emplace_back(service);
        server = std::make_unique<Server>("PROGMAN", "PROGMAN",
                                          [&](const std::string& command) { return received.add(command); });
        server->start();
        return true;
    });
    Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    EXPECT_EQ(started, std::vector<std::string>{"PROGMAN"});
    EXPECT_TRUE(conversation.execute("[CreateGroup(A)]"));
    EXPECT_EQ(received.waitFor(1), std::vector<std::string>{"[CreateGroup(A)]"});
}

TEST(Conversation, NoServerAfterTheStartLeavesItClosed) {
    Conversation::setStartWaitForTesting(std::chrono::milliseconds(200));
    int starts = 0;
    StarterGuard starter([&](std::string_view) { return ++starts, true; });
    Conversation conversation("PROGMAN", "PROGMAN");
    EXPECT_FALSE(conversation.open());
    EXPECT_EQ(starts, 1);
    EXPECT_FALSE(conversation.execute("[CreateGroup(A)]"));
    Conversation::setStartWaitForTesting(std::chrono::milliseconds(10000));
}

// However long its own waits, a conversation waits no longer than the deadline its caller set.
TEST(Conversation, ADeadlineBoundsEveryWait) {
    orupim::test::SilentProgramManager hung;
    int starts = 0;
    StarterGuard starter([&](std::string_view) { return ++starts, true; });
    Conversation conversation("PROGMAN", "PROGMAN");
    auto start = std::chrono::steady_clock::now();
    conversation.setDeadline(start + std::chrono::milliseconds(300));
    EXPECT_FALSE(conversation.open());
    // Under its own five-second reply wait, with room for a loaded machine.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_TRUE(conversation.pastDeadline());
    EXPECT_FALSE(conversation.open());
    EXPECT_LE(starts, 1);
    conversation.setDeadline(std::nullopt);
    EXPECT_FALSE(conversation.pastDeadline());
}

TEST(Conversation, ServerThatWentAwayEndsTheConversation) {
    auto server = std::make_unique<Server>("PROGMAN", "PROGMAN", nullptr);
    server->start();
    Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    server.reset();
    EXPECT_FALSE(std::filesystem::exists(serviceSocketPath("PROGMAN")));
    EXPECT_FALSE(conversation.execute("[CreateGroup(A)]"));
    EXPECT_FALSE(conversation.isOpen());
}

TEST(Server, OnlyOneServerOfAServiceListens) {
    Server first("PROGMAN", "PROGMAN", nullptr);
    EXPECT_THROW(Server("PROGMAN", "PROGMAN", nullptr), std::runtime_error);
}

} // namespace
} // namespace orupim::dde

namespace orupim::dde {
namespace {

TEST(Server, StopsListeningWhenIdleButNotWhileAConversationIsOpen) {
    Server server("PROGMAN", "PROGMAN", [](const std::string&) { return true; });
    Conversation conversation("PROGMAN", "PROGMAN");
    std::thread closer;
    auto start = std::chrono::steady_clock::now();
    std::thread serving([&] { server.serve(std::chrono::milliseconds(100)); });
    ASSERT_TRUE(conversation.open());
    closer = std::thread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(conversation.execute("[CreateGroup(A)]"));
        conversation.close();
    });
    serving.join();
    closer.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
    EXPECT_FALSE(std::filesystem::exists(serviceSocketPath("PROGMAN")));
}

TEST(Server, TakesOverTheSocketOfAServerThatDied) {
    ASSERT_TRUE(makeServiceDirectory());
    std::filesystem::path stale = serviceSocketPath("PROGMAN");
    { std::ofstream(stale) << "left behind"; }
    Server server("PROGMAN", "PROGMAN", nullptr);
    server.start();
    Conversation conversation("PROGMAN", "PROGMAN");
    EXPECT_TRUE(conversation.open());
}

} // namespace
} // namespace orupim::dde
