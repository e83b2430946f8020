// The main-thread rule and the event loop under several posting threads.
#include <atomic>
#include <thread>

#include "tests/host/HostFixture.hpp"

namespace {

using krx::test::HostFixture;

std::atomic<int> handledOffMain{0};
std::mutex seenMutex;
std::vector<std::pair<int, int>> seen;  // (thread, sequence) in the order the handler ran

GSErrCode handler(GSHandle params, GSPtr /*resultData*/, bool /*silentMode*/) {
    if (!krx::sim::Host::instance().isMainThread()) {
        ++handledOffMain;
    }
    API_MDCLParameter thread{};
    thread.name = "thread";
    API_MDCLParameter sequence{};
    sequence.name = "sequence";
    if (ACAPI_Goodies(APIAny_GetMDCLParameterID, params, &thread) != NoError ||
        ACAPI_Goodies(APIAny_GetMDCLParameterID, params, &sequence) != NoError) {
        return APIERR_BADPARS;
    }
    std::lock_guard<std::mutex> lock(seenMutex);
    seen.emplace_back(thread.int_par, sequence.int_par);
    return NoError;
}

void callback(GSHandle* params, GSPtr /*resultData*/, GSErrCode /*result*/) {
    ACAPI_Goodies(APIAny_FreeMDCLParameterListID, params);
}

class ThreadRulesTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        handledOffMain = 0;
        seen.clear();
        ASSERT_EQ(ACAPI_Install_ModulCommandHandler(FourCC("TEST"), 1, handler), NoError);
    }
};

TEST_F(ThreadRulesTest, ModelCallsFromAnotherThreadAreRefusedAndRecorded) {
    GSErrCode fromWorker = NoError;
    GSErrCode undoFromWorker = NoError;
    std::thread worker([&] {
        API_StoryInfo stories{};
        fromWorker = ACAPI_Environment(APIEnv_GetStorySettingsID, &stories);
        undoFromWorker = ACAPI_CallUndoableCommand("from a worker", [] { return NoError; });
    });
    worker.join();
    EXPECT_EQ(fromWorker, APIERR_NOTMAINTHREAD);
    EXPECT_EQ(undoFromWorker, APIERR_NOTMAINTHREAD);
    const auto off = host().offMainThreadCalls();
    ASSERT_EQ(off.size(), 2u);
    EXPECT_EQ(off[0].function, "ACAPI_Environment");
    EXPECT_EQ(off[0].selector, "GSTO");
    EXPECT_EQ(off[1].function, "ACAPI_CallUndoableCommand");
    EXPECT_TRUE(host().undoNames().empty());
    EXPECT_TRUE(host().leaks().empty());
}

TEST_F(ThreadRulesTest, PostsFromManyThreadsRunOnTheMainThreadInEachThreadsOrder) {
    constexpr int kThreads = 4;
    constexpr int kPosts = 50;
    std::atomic<int> failures{0};
    std::vector<std::thread> posters;
    const API_ModulID own{kDeveloper, kLocal};
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kPosts; ++i) {
                GSHandle list = nullptr;
                API_MDCLParameter thread{};
                thread.name = "thread";
                thread.type = MDCLPar_int;
                thread.int_par = t;
                API_MDCLParameter sequence{};
                sequence.name = "sequence";
                sequence.type = MDCLPar_int;
                sequence.int_par = i;
                if (ACAPI_Goodies(APIAny_InitMDCLParameterListID, &list) != NoError ||
                    ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &thread) != NoError ||
                    ACAPI_Goodies(APIAny_AddMDCLParameterID, list, &sequence) != NoError ||
                    ACAPI_Command_CallFromEventLoop(&own, FourCC("TEST"), 1, list, false, callback) !=
                        NoError) {
                    ++failures;
                }
            }
        });
    }
    // The main thread runs the loop while the posters post.
    EXPECT_TRUE(host().runUntil(
        [] {
            std::lock_guard<std::mutex> lock(seenMutex);
            return seen.size() == kThreads * kPosts;
        },
        std::chrono::seconds(30)));
    for (std::thread& poster : posters) {
        poster.join();
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(handledOffMain, 0);
    std::vector<int> next(kThreads, 0);
    for (const auto& [thread, sequence] : seen) {
        EXPECT_EQ(sequence, next[static_cast<std::size_t>(thread)]++) << "thread " << thread;
    }
    EXPECT_TRUE(host().offMainThreadCalls().empty());
    EXPECT_TRUE(host().leaks().empty());
}

TEST_F(ThreadRulesTest, RunUntilGivesUpAtItsDeadline) {
    EXPECT_FALSE(host().runUntil([] { return false; }, std::chrono::milliseconds(30)));
    std::atomic<bool> stop{false};
    std::thread stopper([&] { stop = true; });
    host().runContinuously(stop);
    stopper.join();
    EXPECT_EQ(host().pendingCommands(), 0u);
}

}  // namespace
