// The job table holds 4096 jobs between two resets. A builder call that
// would pass the bound is refused whole: nothing is created or recorded,
// and nothing is written outside the table.
#include <functional>

#include "tests/support/LessonFixture.h"
#include "ui/Label.h"

namespace {

struct BuilderCase {
    const char* name;
    int jobs;  // how many jobs one call records
    std::function<void(TfAnimation&, TControl*)> call;
};

void LabelEntrance(TfAnimation& engine, TControl* parent) {
    engine.Create_Label_Animation(parent, 0, 0, 0, 0.8, u"x", u"Ink Free", 33, TAlphaColors::Navy, 44, 44,
                                  TTextAlign::Center, TTextAlign::Center);
}

const BuilderCase kBuilders[] = {
    {"Label", 1, LabelEntrance},
    {"String", 5,
     [](TfAnimation& e, TControl* p) {
         e.Create_String_Animation(p, 0, 0, 0, 0.8, u"5x6x2", u"Ink Free", 33, TAlphaColors::Navy, 44, 44,
                                   TTextAlign::Center, TTextAlign::Center);
     }},
    {"Right", 1,
     [](TfAnimation& e, TControl* p) {
         e.Create_Label_Animation_Right(p, 300, 0, 0, 0.8, u"7", u"Ink Free", 24, TAlphaColors::Navy, 44, 44,
                                        TTextAlign::Leading, TTextAlign::Center);
     }},
    {"Vertical", 3,
     [](TfAnimation& e, TControl* p) {
         e.Create_Label_Animation_Vertical(p, 0, 10, 0, 0.8, u"123", u"Ink Free", 33, TAlphaColors::Navy, 44,
                                           40, TTextAlign::Center, TTextAlign::Center);
     }},
    {"AndHide", 2,
     [](TfAnimation& e, TControl* p) {
         e.Create_Label_Animation_And_Hide(p, 0, 0, 0, 0.8, 2, 0.8, u"x", u"Ink Free", 33, TAlphaColors::Navy,
                                           44, 44, TTextAlign::Center, TTextAlign::Center);
     }},
    {"HorizontalAndHide", 6,
     [](TfAnimation& e, TControl* p) {
         e.Create_Label_Animation_Horizontal_And_Hide(p, 0, 0, 0, 0.8, 2, 0.8, u"abc", u"Ink Free", 33,
                                                      TAlphaColors::Navy, 44, 44, TTextAlign::Center,
                                                      TTextAlign::Center);
     }},
};

using JobTableCapacityTest = LessonTest;

class BuilderAtTheBound : public LessonTest, public ::testing::WithParamInterface<BuilderCase> {
protected:
    void FillTableLeaving(int freeSlots) {
        engine().Reset(1);
        while (Animation_JobCounter < maxAnimationJob - freeSlots) LabelEntrance(engine(), lesson().paneCAL);
        ASSERT_EQ(Animation_JobCounter, maxAnimationJob - freeSlots);
    }
};

TEST_P(BuilderAtTheBound, IsRefusedWholeWhenOneSlotShort) {
    const BuilderCase& builder = GetParam();
    FillTableLeaving(builder.jobs - 1);
    const int components = lesson().paneCAL->ComponentCount();
    const std::size_t pending = Animation_Job.size();

    builder.call(engine(), lesson().paneCAL);

    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - builder.jobs + 1);
    EXPECT_EQ(Animation_Job.size(), pending);
    EXPECT_EQ(lesson().paneCAL->ComponentCount(), components) << "no label created";
}

TEST_P(BuilderAtTheBound, FillsTheLastSlotsExactly) {
    const BuilderCase& builder = GetParam();
    FillTableLeaving(builder.jobs);
    builder.call(engine(), lesson().paneCAL);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    EXPECT_EQ(Animation_Job.size(), std::size_t(maxAnimationJob));
    EXPECT_EQ(Animation_Job.back(), double(maxAnimationJob));
}

INSTANTIATE_TEST_SUITE_P(EntranceBuilders, BuilderAtTheBound, ::testing::ValuesIn(kBuilders),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(JobTableCapacityTest, FullTablePlaysEveryJobAndRefusesMore) {
    engine().Reset(1);
    engine().Create_String_Animation(lesson().paneCAL, 0, 0, 0.01, 0.001,
                                     UnicodeString(maxAnimationJob, u'8'), u"Ink Free", 33,
                                     TAlphaColors::Navy, 44, 44, TTextAlign::Center, TTextAlign::Center);
    ASSERT_EQ(Animation_JobCounter, maxAnimationJob);
    LabelEntrance(engine(), lesson().paneCAL);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);

    int dispatched = 0;
    engine().OnJobDispatched = [&](int, double) { ++dispatched; };
    engine().Start();
    Wait(0.1);
    EXPECT_EQ(dispatched, maxAnimationJob);
    EXPECT_TRUE(Animation_Label[maxAnimationJob]->Visible());
    EXPECT_FALSE(engine().timStepByStep->Enabled());
}

}  // namespace
