#include <gtest/gtest.h>

#include <limits>

#include "tests/animation/EngineTestFixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using RectangleAnimationsTest = EngineTest;

TEST_F(RectangleAnimationsTest, ABoxIsRecordedHiddenAndOutlinedInItsFillColour) {
    engine->Reset(0.5);
    engine->Create_Rectangle_Animation(panel, 264, 87.5, 4, 2, TAlphaColors::Navy, 132, 2);

    ASSERT_EQ(Pending(), std::vector<int>{1});
    EXPECT_EQ(Animation_JobType[1], Animation_JobType_isRectangle);
    EXPECT_DOUBLE_EQ(Animation_JobStart[1], 2);
    EXPECT_EQ(Animation_JobParent[1].get(), nullptr);
    TRectangle* box = Animation_Rectangle[1].get();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Owner(), panel);
    EXPECT_EQ(box->Parent(), panel);
    EXPECT_FALSE(box->Visible());
    EXPECT_FLOAT_EQ(box->Opacity(), 1);
    EXPECT_FLOAT_EQ(box->Position().X, 264);
    EXPECT_FLOAT_EQ(box->Position().Y, 87.5);
    EXPECT_FLOAT_EQ(box->Width(), 132);
    EXPECT_FLOAT_EQ(box->Height(), 2);
    EXPECT_EQ(box->Fill().Color, TAlphaColors::Navy);
    EXPECT_EQ(box->Stroke().Color, TAlphaColors::Navy);
    TFloatAnimation* fade = Animation_Opacity[1].get();
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->Parent(), box);
    EXPECT_EQ(fade->PropertyName, "Opacity");
    EXPECT_FALSE(fade->StartFromCurrent);
    EXPECT_FLOAT_EQ(fade->StartValue, 0);
    EXPECT_FLOAT_EQ(fade->StopValue, 1);
    EXPECT_FLOAT_EQ(fade->Duration, 1);
    EXPECT_FALSE(fade->Enabled());
}

TEST_F(RectangleAnimationsTest, ABoxShowsAtItsStartAndFadesInFromTransparent) {
    engine->Create_Rectangle_Animation(panel, 0, 0, 1, 2, TAlphaColors::Navy, 50, 50);
    TRectangle* box = Animation_Rectangle[1].get();
    Play(0.999);
    EXPECT_FALSE(box->Visible());
    Wait(0.011);
    EXPECT_TRUE(box->Visible());
    EXPECT_LT(box->Opacity(), 0.01);
    Wait(1);
    EXPECT_NEAR(box->Opacity(), 0.5, 0.01);
    Wait(1.1);
    EXPECT_FLOAT_EQ(box->Opacity(), 1);
}

TEST_F(RectangleAnimationsTest, AFadingBoxStandsAtHalfOpacityUntilItsHideJob) {
    struct Case {
        const char* name;
        double hideStart;
        float opacityAt2_5, opacityAt4;
    };
    const Case cases[] = {
        {"hide after the entrance", 3, 0.5f, 0},
        {"hide due before the entrance never starts", 0.5, 0.5f, 0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Reset(2);
        // Entrance at 1 s over 1 s, hide over 0.5 s, all doubled.
        engine->Create_Rectangle_Animation_And_Hide(panel, 5, 6, 0.5, 0.5, c.hideStart / 2, 0.25, u"ignored",
                                                    u"Ink Free", 99, TAlphaColors::Red, 30, 40,
                                                    TTextAlign::Leading, TTextAlign::Trailing);
        ASSERT_EQ(Pending(), (std::vector<int>{1, 2}));
        EXPECT_EQ(Animation_JobType[1], Animation_JobType_isRectangle);
        EXPECT_EQ(Animation_JobType[2], Animation_JobType_isHideRectangle);
        EXPECT_DOUBLE_EQ(Animation_JobStart[1], 1);
        EXPECT_DOUBLE_EQ(Animation_JobStart[2], c.hideStart);
        TRectangle* box = Animation_Rectangle[1].get();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Fill().Color, TAlphaColors::Red);
        EXPECT_FLOAT_EQ(box->Width(), 30);
        EXPECT_FLOAT_EQ(box->Height(), 40);
        EXPECT_EQ(Animation_Rectangle[2].get(), nullptr);
        TFloatAnimation* hide = Animation_Hide[2].get();
        ASSERT_NE(hide, nullptr);
        EXPECT_EQ(hide->Parent(), box);
        EXPECT_TRUE(hide->StartFromCurrent);
        EXPECT_FLOAT_EQ(hide->StopValue, 0);
        EXPECT_FLOAT_EQ(hide->Duration, 0.5);

        Play(2.5);
        EXPECT_FLOAT_EQ(box->Opacity(), c.opacityAt2_5);
        Wait(1.5);
        EXPECT_FLOAT_EQ(box->Opacity(), c.opacityAt4);
    }
}

TEST_F(RectangleAnimationsTest, HostileArgumentsRecordNothingOrShowTheBoxAtOnce) {
    engine->Create_Rectangle_Animation(nullptr, 0, 0, 0, 1, TAlphaColors::Black, 10, 10);
    engine->Create_Rectangle_Animation_And_Hide(nullptr, 0, 0, 0, 1, 2, 1, u"", u"", 0, TAlphaColors::Black,
                                                10, 10, TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, 0);

    engine->Create_Rectangle_Animation(panel, 0, 0, 0, kNaN, TAlphaColors::Black, 10, 10);
    engine->Create_Rectangle_Animation(panel, 0, 0, 0, -3, TAlphaColors::Black, 10, 10);
    Play(0.006);
    for (int z : {1, 2}) {
        EXPECT_TRUE(Animation_Rectangle[z]->Visible());
        EXPECT_FLOAT_EQ(Animation_Rectangle[z]->Opacity(), 1);
    }

    engine->Reset(1);
    FillJobTable(maxAnimationJob - 1);
    const int boxesBefore = int(ChildrenOf<TRectangle>(panel).size());
    engine->Create_Rectangle_Animation_And_Hide(panel, 0, 0, 0, 1, 2, 1, u"", u"", 0, TAlphaColors::Black, 10,
                                                10, TTextAlign::Center, TTextAlign::Center);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob - 1);
    EXPECT_EQ(int(ChildrenOf<TRectangle>(panel).size()), boxesBefore);
    engine->Create_Rectangle_Animation(panel, 0, 0, 0, 1, TAlphaColors::Black, 10, 10);
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
}

}  // namespace
