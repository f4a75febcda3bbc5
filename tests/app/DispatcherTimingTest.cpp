// When the dispatcher starts a job: on the first 5 ms tick whose wall-clock
// elapsed time is strictly past the job's start, in recording order, and
// measured afresh at every tick so that a clock jump moves the schedule.
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

TEST_F(DispatcherTimingTest, ClockJumpForwardStartsEverythingItMadeDueAtTheNextTick) {
    const int a = RecordEntrance(3);
    const int b = RecordEntrance(1);
    const int c = RecordEntrance(2);
    const int notYet = RecordEntrance(30);
    engine().Start();
    session->WaitMs(100);
    ASSERT_TRUE(dispatched.empty());
    session->Clock().JumpWallMs(5000);
    session->WaitMs(5);
    EXPECT_EQ(DispatchedJobs(), (std::vector<int>{a, b, c}));
    for (const Dispatch& d : dispatched) EXPECT_DOUBLE_EQ(d.passTimeSecond, 5.105);
    EXPECT_EQ(Animation_Job, TNbrArray{double(notYet)});
}

TEST_F(DispatcherTimingTest, ClockJumpBackDelaysEveryPendingJobByTheJump) {
    const int z = RecordEntrance(0.2);
    engine().Start();
    session->WaitMs(100);
    session->Clock().JumpWallMs(-500);
    session->WaitMs(600);  // 0.7 s of real time, 0.2 s on the moved wall clock
    EXPECT_TRUE(dispatched.empty());
    EXPECT_FALSE(Animation_Label[z]->Visible());
    session->WaitMs(5);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_DOUBLE_EQ(dispatched[0].passTimeSecond, 0.205);
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
