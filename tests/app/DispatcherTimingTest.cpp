// When the dispatcher starts a job: on the first 5 ms tick whose elapsed time
// is strictly past the job's start, in recording order, measured afresh at
// every tick on the monotonic clock, so that no change of the wall clock
// moves the schedule.
#include <vector>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

struct Dispatch {
    int z;
    double passTimeSecond;
};

class DispatcherTimingTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        engine().Reset(1);
        engine().OnJobDispatched = [this](int z, double pass) { dispatched.push_back({z, pass}); };
    }
    // Records one entrance of a one-character label; returns its job number.
    int RecordEntrance(double start) {
        engine().Create_Label_Animation(lesson().paneCAL, 0, 0, start, 0.8, u"7", u"Ink Free", 33,
                                        TAlphaColors::Navy, 44, 44, TTextAlign::Center, TTextAlign::Center);
        return Animation_JobCounter;
    }
    std::vector<int> DispatchedJobs() const {
        std::vector<int> jobs;
        for (const Dispatch& d : dispatched) jobs.push_back(d.z);
        return jobs;
    }

    std::vector<Dispatch> dispatched;
};

TEST_F(DispatcherTimingTest, JobAtTimeZeroStartsOnTheFirstTick) {
    const int z = RecordEntrance(0);
    engine().Start();
    session->WaitMs(4);
    EXPECT_TRUE(dispatched.empty());
    session->WaitMs(1);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].z, z);
    EXPECT_DOUBLE_EQ(dispatched[0].passTimeSecond, 0.005);
    EXPECT_TRUE(Animation_Label[z]->Visible());
}

TEST_F(DispatcherTimingTest, JobWhoseStartEqualsTheElapsedTimeWaitsOneTick) {
    const int z = RecordEntrance(0.1);
    engine().Start();
    session->WaitMs(100);
    EXPECT_TRUE(dispatched.empty()) << "0.1 is not strictly before 0.1";
    EXPECT_FALSE(Animation_Label[z]->Visible());
    session->WaitMs(5);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_DOUBLE_EQ(dispatched[0].passTimeSecond, 0.105);
}

TEST_F(DispatcherTimingTest, JobsDueInOneTickStartInRecordingOrder) {
    const int first = RecordEntrance(0.05);
    const int second = RecordEntrance(0.03);
    const int late = RecordEntrance(0.5);
    const int third = RecordEntrance(0.05);
    engine().Start();
    session->WaitMs(35);
    EXPECT_EQ(DispatchedJobs(), std::vector<int>{second});
    session->WaitMs(20);
    EXPECT_EQ(DispatchedJobs(), (std::vector<int>{second, first, third}));
    EXPECT_EQ(Animation_Job, TNbrArray{double(late)}) << "the pending list keeps only what waits";
}

TEST_F(DispatcherTimingTest, TimerRunsExactlyOneTickPastTheLastJob) {
    RecordEntrance(0.02);
    engine().Start();
    session->WaitMs(25);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_TRUE(engine().timStepByStep->Enabled()) << "the tick that starts the last job leaves the timer on";
    session->WaitMs(5);
    EXPECT_FALSE(engine().timStepByStep->Enabled()) << "the next tick finds nothing pending";
}

TEST_F(DispatcherTimingTest, StartWithNothingRecordedStopsAtTheFirstTick) {
    engine().Start();
    session->WaitMs(4);
    EXPECT_TRUE(engine().timStepByStep->Enabled());
    session->WaitMs(1);
    EXPECT_FALSE(engine().timStepByStep->Enabled());
}

// Someone sets the computer's clock, daylight saving begins, a network time
// correction lands: the presentation keeps its own time.
TEST_F(DispatcherTimingTest, ChangingTheWallClockNeitherFreezesNorRushesTheSchedule) {
    const std::int64_t jumpsMs[] = {3'600'000, -3'600'000, 5'000, -500};
    for (const std::int64_t jumpMs : jumpsMs) {
        SCOPED_TRACE(jumpMs);
        engine().Reset(1);
        dispatched.clear();
        const int soon = RecordEntrance(0.2);
        const int later = RecordEntrance(2);
        engine().Start();
        session->WaitMs(100);
        session->Clock().JumpWallMs(jumpMs);
        session->WaitMs(100);
        EXPECT_TRUE(dispatched.empty());
        session->WaitMs(5);
        ASSERT_EQ(DispatchedJobs(), std::vector<int>{soon});
        EXPECT_DOUBLE_EQ(dispatched[0].passTimeSecond, 0.205);
        session->WaitMs(1800);
        EXPECT_EQ(DispatchedJobs(), (std::vector<int>{soon, later}));
        EXPECT_DOUBLE_EQ(dispatched[1].passTimeSecond, 2.005);
    }
}

TEST_F(DispatcherTimingTest, WallClockSetBackMidWalkthroughStillShowsEveryProductBeforeTheResultButton) {
    SetProblem(5, 6, 2);
    lesson().btnStep3->SetVisible(true);
    lesson().btnStep3->Click();
    Wait(1);
    session->Clock().JumpWallMs(-3'600'000);
    Wait(11.75);  // "計算結果" is back at 12.75 s
    ASSERT_TRUE(lesson().btnStep4->Visible());
    Wait(0.005);
    int shown = 0;
    for (int i = 0; i < lesson().paneCAL->ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(lesson().paneCAL->Components(i))) shown += label->Visible();
    EXPECT_EQ(shown, 60) << "headings and all six products are on the board";
}

TEST_F(DispatcherTimingTest, StartingAgainMovesTheClockOrigin) {
    const int z = RecordEntrance(0.1);
    engine().Start();
    session->WaitMs(60);
    engine().Start();
    session->WaitMs(100);
    EXPECT_TRUE(dispatched.empty()) << "counted from the second Start";
    session->WaitMs(5);
    ASSERT_EQ(DispatchedJobs(), std::vector<int>{z});
}

TEST_F(DispatcherTimingTest, UnknownJobTypeLeavesThePendingListSilently) {
    const int z = RecordEntrance(0);
    Animation_JobType[z] = 150;
    engine().Start();
    session->WaitMs(5);
    EXPECT_TRUE(Animation_Job.empty());
    EXPECT_FALSE(Animation_Label[z]->Visible());
}

}  // namespace
