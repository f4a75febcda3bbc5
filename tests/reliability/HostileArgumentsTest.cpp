// Every builder handed what no lesson would pass: NaN, infinite and negative
// numbers in each role, empty, astral-plane and 10,000-character texts,
// operand lists of the wrong length or value, controls that are null or
// freed, and more jobs than the table holds. After each case the dispatcher
// runs the jobs and the window is painted. Nothing may crash, nothing may be
// written outside the table, and what happens is what docs/reliability.md says.
#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <iostream>
#include <limits>
#include <stdexcept>

#include "tests/reliability/EveryBuilder.h"
#include "tests/reliability/LessonInvariants.h"
#include "tests/support/LessonFixture.h"
#include "ui/Application.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Scheduler.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Long enough for every normal timetable, the column transforms' 17 s included.
constexpr double kPlaySeconds = 20;

// Written into row 0, which is never a job: it must read the same afterwards.
constexpr int kRowZeroMark = 0x5EED;
constexpr double kRowZeroStart = -12345.5;

struct THostileNumber {
    const char* name;
    double value;
    bool neverEnds;  // as a start: never due; as a duration: never over
};

const THostileNumber kHostileNumbers[] = {
    {"NaN", kNaN, false},
    {"+infinity", kInfinity, true},
    {"-infinity", -kInfinity, false},
    {"negative (-7.5)", -7.5, false},
    {"1e308, beyond float", 1e308, true},
};

// Which clock a role sets, if any.
enum class TTiming { None, Start, Duration };

struct TRole {
    const char* name;
    TTiming timing;
    void (*set)(TBuilderArguments& arguments, double value);
};

const TRole kRoles[] = {
    {"start", TTiming::Start, [](TBuilderArguments& a, double v) { a.start = v; }},
    {"duration", TTiming::Duration, [](TBuilderArguments& a, double v) { a.duration = v; }},
    {"position", TTiming::None, [](TBuilderArguments& a, double v) { a.left = a.top = v; }},
    {"box size", TTiming::None, [](TBuilderArguments& a, double v) { a.width = a.height = v; }},
    {"font size, angle and stop value", TTiming::None, [](TBuilderArguments& a, double v) { a.value = v; }},
};

// Whether a control keeps the number as a finite float.
bool FitsAFloat(double value) {
    return std::abs(value) <= std::numeric_limits<float>::max();
}

bool Named(const TBuilder& builder, std::string_view name) {
    return builder.name == name;
}

const TBuilder& BuilderNamed(std::string_view name) {
    for (const TBuilder& builder : EveryBuilder())
        if (Named(builder, name)) return builder;
    throw std::invalid_argument(std::string(name));
}

int CallsMade = 0;

class HostileArgumentsTest : public LessonTest {
protected:
    void SetUp() override {
        LessonTest::SetUp();
        lesson().Activate();
        engine().Reset(1);
        Animation_JobType[0] = kRowZeroMark;
        Animation_JobStart[0] = kRowZeroStart;
        Animation_ReferenceNbr[0] = kRowZeroMark;
        Animation_LabelColor[0] = kRowZeroMark;
        CallsMade = 0;
    }

    void TearDown() override {
        EXPECT_EQ(Animation_JobType[0], kRowZeroMark);
        EXPECT_EQ(Animation_JobStart[0], kRowZeroStart);
        EXPECT_EQ(Animation_ReferenceNbr[0], kRowZeroMark);
        EXPECT_EQ(Animation_LabelColor[0], TAlphaColor(kRowZeroMark));
        Animation_JobType[0] = Animation_ReferenceNbr[0] = 0;
        Animation_JobStart[0] = 0;
        Animation_LabelColor[0] = 0;
        std::cout << "hostile: " << CallsMade << " builder calls\n";
        LessonTest::TearDown();
    }

    TPanel* panel() { return lesson().paneCAL; }

    // A clean panel and an idle engine, as "出題" leaves them.
    void Fresh() {
        lesson().ClearComponents(nullptr);
        engine().Reset(1);
    }

    // The arguments with this panel as the parent, and as the target a label
    // placed and sized by the same arguments (its own start is a normal one).
    TBuilderArguments OnPanel(TBuilderArguments a) {
        a.parent = panel();
        engine().Create_Label_Animation(panel(), a.left, a.top, 0, 0.8, u"T", u"Ink Free", a.value,
                                        TAlphaColors::Navy, a.width, a.height, TTextAlign::Center,
                                        TTextAlign::Center);
        a.target = Animation_Label[Animation_JobCounter].get();
        return a;
    }

    // The jobs the call recorded.
    int Call(const TBuilder& builder, const TBuilderArguments& arguments) {
        const int before = Animation_JobCounter;
        builder.call(engine(), arguments);
        ++CallsMade;
        return Animation_JobCounter - before;
    }

    void PlayAndPaint(double seconds = kPlaySeconds) {
        engine().Start();
        Wait(0.05);
        Paint();
        Wait(seconds);
        Paint();
    }

    const QImage& Paint() {
        QPainter painter(&picture_);
        lesson().PaintWindow(painter);
        return picture_;
    }

    // Every pending number was handed out since the last Reset.
    static bool TableWhole() {
        if (Animation_JobCounter < 0 || Animation_JobCounter > maxAnimationJob) return false;
        for (double z : Animation_Job)
            if (z < 1 || z > Animation_JobCounter) return false;
        return true;
    }

    // Every component of the program, wherever it stands.
    static int OwnedComponentTotal() { return OwnedComponentCount(*Application); }

    // Fills the table with jobs that do nothing, up to `room` free rows.
    void FillTableLeaving(int room) {
        while (Animation_JobCounter < maxAnimationJob - room) engine().HideGlowEffect(0, 0);
    }

private:
    QImage picture_{1024, 768, QImage::Format_ARGB32_Premultiplied};
};

// Numbers are never checked: each call records the jobs it records for
// normal numbers, and the jobs run as the numbers say.
TEST_F(HostileArgumentsTest, HostileNumbersInAnyRoleRecordTheUsualJobsAndPlayOut) {
    Fresh();
    int usualJobs = 0;
    const TBuilderArguments normal = OnPanel({});
    for (const TBuilder& builder : EveryBuilder()) usualJobs += Call(builder, normal);

    for (const TRole& role : kRoles)
        for (const THostileNumber& number : kHostileNumbers) {
            SCOPED_TRACE(std::string(role.name) + " " + number.name);
            Fresh();
            TBuilderArguments hostile;
            role.set(hostile, number.value);
            hostile = OnPanel(hostile);
            int jobs = 0;
            for (const TBuilder& builder : EveryBuilder()) jobs += Call(builder, hostile);
            EXPECT_EQ(jobs, usualJobs);

            PlayAndPaint();
            EXPECT_TRUE(TableWhole());
            const bool startNeverDue = role.timing == TTiming::Start && number.neverEnds;
            const bool durationNeverOver = role.timing == TTiming::Duration && number.neverEnds;
            EXPECT_EQ(Animation_Job.empty(), !startNeverDue)
                << "only a start that is never due stays pending";
            EXPECT_EQ(engine().timStepByStep->Enabled(), startNeverDue);
            EXPECT_EQ(session->Scheduler().RunningAnimationCount() > 0, durationNeverOver)
                << "only an endless duration keeps an animation running";
            Fresh();
            EXPECT_EQ(session->Scheduler().RunningAnimationCount(), 0u)
                << "clearing the panel ends every animation";
        }
}

// A text is cut into labels by UTF-16 code unit, or goes whole into one
// label; a string that needs more rows than are left records nothing.
TEST_F(HostileArgumentsTest, HostileTextsGiveOneLabelPerCodeUnitOrOneLabelOrNothing) {
    const struct {
        const char* name;
        UnicodeString text;
    } texts[] = {
        {"empty", u""},
        {"astral plane", u"\U0001D7D8\U0001F600"},
        {"10,000 characters", UnicodeString(10'000, u'8')},
        {"lone surrogate and combining mark",
         u"\xD800"
         u"e\u0301"},
    };
    for (const auto& [name, text] : texts)
        for (const TBuilder& builder : EveryBuilder()) {
            if (builder.textUse == TTextUse::Ignored &&
                !Named(builder, "Create_Rectangle_Animation_And_Hide"))
                continue;
            SCOPED_TRACE(std::string(builder.name) + " with a text " + name);
            Fresh();
            TBuilderArguments arguments;
            arguments.text = text;
            arguments = OnPanel(arguments);
            const int room = maxAnimationJob - Animation_JobCounter;
            const int labelsBefore = panel()->ComponentCount();
            const int codeUnits = int(text.size());
            const bool perCodeUnit = builder.textUse == TTextUse::PerCodeUnit;
            const int labels = !perCodeUnit ? 1 : codeUnits * builder.jobsPerLabel <= room ? codeUnits : 0;

            EXPECT_EQ(Call(builder, arguments), labels * builder.jobsPerLabel);
            EXPECT_EQ(panel()->ComponentCount() - labelsBefore, labels);
            PlayAndPaint(2);
            EXPECT_TRUE(TableWhole());
        }
}

// A control whose place or size is not a finite number has no place on the
// board: the window looks as if it were not there.
TEST_F(HostileArgumentsTest, ControlsWithoutAFiniteBoxDrawNothing) {
    Fresh();
    PlayAndPaint(2);
    const QImage without = Paint();
    for (const char* kind : {"Create_Label_Animation", "Create_Rectangle_Animation"})
        for (const TRole& role : {kRoles[2], kRoles[3]})  // position, box size
            for (const THostileNumber& number : kHostileNumbers) {
                if (FitsAFloat(number.value)) continue;
                SCOPED_TRACE(std::string(kind) + ", " + role.name + " " + number.name);
                Fresh();
                TBuilderArguments arguments;
                arguments.parent = panel();
                role.set(arguments, number.value);
                EXPECT_EQ(Call(BuilderNamed(kind), arguments), 1);
                PlayAndPaint(2);
                EXPECT_TRUE(Paint() == without);
            }
}

// Fewer than two operands: the message, and nothing recorded. More: the
// third is ignored. Any number is written as its general-format text,
// "NAN" and "INF" included, one label per character.
TEST_F(HostileArgumentsTest, OperandListsOfAnyLengthAndValueAreWrittenOrRefusedWithTheMessage) {
    const TNbrArray lists[] = {
        {},
        {7},
        {12, 3, 99},
        {kNaN, kInfinity},
        {-kInfinity, 1e308},
        {-5, -0.0},
        {1e-300, 4},
        {123456789012345678.0, 0.1},
    };
    for (const TNbrArray& operands : lists)
        for (const TBuilder& builder : EveryBuilder()) {
            if (!builder.takesOperands) continue;
            SCOPED_TRACE(std::string(builder.name) + " with " + std::to_string(operands.size()) +
                         " operands");
            Fresh();
            TBuilderArguments arguments;
            arguments.operands = operands;
            arguments = OnPanel(arguments);
            const std::size_t messagesBefore = session->Messages().size();
            const bool column = std::string(builder.name).starts_with("Formula_");
            int characters = 0;
            if (operands.size() >= 2)
                characters = int(FloatToStr(operands[0]).size() + FloatToStr(operands[1]).size()) + 1;
            const int jobs = operands.size() < 2 ? 0 : column ? 6 * characters + 1 : characters;

            EXPECT_EQ(Call(builder, arguments), jobs);
            EXPECT_EQ(session->Messages().size() - messagesBefore, operands.size() < 2 ? 1u : 0u);
            PlayAndPaint();
            EXPECT_TRUE(TableWhole());
        }
}

// A null control, or the label of a job whose label has been freed, makes
// the call do nothing at all. (HideGlowEffect takes no control.)
TEST_F(HostileArgumentsTest, NullOrFreedControlsRecordAndCreateNothing) {
    Fresh();
    engine().Create_String_Animation(panel(), 0, 0, 0, 0.8, u"abc", u"Ink Free", 33, TAlphaColors::Navy, 44,
                                     44, TTextAlign::Center, TTextAlign::Center);
    Animation_Label[2]->Free();
    const struct {
        const char* name;
        TControl* control;
    } absent[] = {{"nullptr", nullptr}, {"label:2, freed", Animation_Label[2].get()}};

    for (const auto& [name, control] : absent)
        for (const TBuilder& builder : EveryBuilder()) {
            if (Named(builder, "HideGlowEffect")) continue;
            SCOPED_TRACE(std::string(builder.name) + " on " + name);
            const int componentsBefore = OwnedComponentTotal();
            TBuilderArguments arguments;
            arguments.parent = arguments.target = control;
            EXPECT_EQ(Call(builder, arguments), 0);
            EXPECT_EQ(OwnedComponentTotal(), componentsBefore);
        }
    PlayAndPaint(2);
    EXPECT_TRUE(TableWhole());
}

// Jobs recorded on controls that are freed before the jobs fall due: the
// dispatcher finds their entries empty and passes over them.
TEST_F(HostileArgumentsTest, ControlsFreedBeforeTheirJobsRunArePassedOver) {
    Fresh();
    TBuilderArguments arguments = OnPanel({});
    TLabel* holder = static_cast<TLabel*>(arguments.target);
    arguments.parent = holder;  // the created controls go with it
    for (const TBuilder& builder : EveryBuilder()) Call(builder, arguments);
    ASSERT_GT(holder->ComponentCount(), 0);
    holder->Free();

    PlayAndPaint();
    EXPECT_TRUE(Animation_Job.empty());
    EXPECT_EQ(session->Scheduler().RunningAnimationCount(), 0u);
    EXPECT_EQ(panel()->ComponentCount(), 0);
    EXPECT_TRUE(TableWhole());
}

// A glow-off job names its glow job by number; any number at all is
// recorded, and one that names no live glow switches nothing off.
TEST_F(HostileArgumentsTest, GlowOffNamingAnyJobNumberSwitchesOnlyThatGlow) {
    for (int zz : {INT_MIN, -1, 0, 1, maxAnimationJob, maxAnimationJob + 1, INT_MAX}) {
        SCOPED_TRACE("glow job number " + std::to_string(zz));
        Fresh();
        const TBuilderArguments arguments = OnPanel({});
        engine().AddGlowEffect(arguments.target, TAlphaColors::Gold, 0, 1);
        TGlowEffect* glow = Animation_GlowEffect[Animation_JobCounter].get();
        engine().HideGlowEffect(zz, 0.5);
        ++CallsMade;
        EXPECT_EQ(Animation_JobCounter, 3);
        PlayAndPaint(2);
        EXPECT_TRUE(glow->Enabled()) << "the glow is job 2; no other number reaches it";
        EXPECT_TRUE(TableWhole());
    }
}

// At the end of the table a builder records every job it needs or none,
// and creates nothing when it records nothing.
TEST_F(HostileArgumentsTest, AtTheEndOfTheTableEveryBuilderRecordsAllItsJobsOrNone) {
    for (const TBuilder& builder : EveryBuilder()) {
        if (Named(builder, "AddFontSizeAnimation")) continue;  // records no job at all
        SCOPED_TRACE(builder.name);
        Fresh();
        const int needed = Call(builder, OnPanel({}));
        ASSERT_GT(needed, 0);

        Fresh();
        TBuilderArguments arguments = OnPanel({});
        FillTableLeaving(needed - 1);
        const int componentsBefore = OwnedComponentTotal();
        EXPECT_EQ(Call(builder, arguments), 0);
        EXPECT_EQ(OwnedComponentTotal(), componentsBefore);

        Fresh();
        arguments = OnPanel({});
        FillTableLeaving(needed);
        EXPECT_EQ(Call(builder, arguments), needed);
        EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
        PlayAndPaint(kPlaySeconds);
        EXPECT_TRUE(Animation_Job.empty());
        EXPECT_TRUE(TableWhole());
    }
}

TEST_F(HostileArgumentsTest, CallsPastTheTableFillItAndStopThere) {
    Fresh();
    for (int i = 0; i < maxAnimationJob + 4; ++i) {
        engine().Create_Label_Animation(panel(), (i % 22) * 44, (i / 22 % 10) * 44, 0.001 * i, 0.8, u"9",
                                        u"Ink Free", 33, TAlphaColors::Navy, 44, 44, TTextAlign::Center,
                                        TTextAlign::Center);
        ++CallsMade;
    }
    EXPECT_EQ(Animation_JobCounter, maxAnimationJob);
    EXPECT_EQ(panel()->ComponentCount(), maxAnimationJob);
    PlayAndPaint(6);
    int shown = 0;
    for (int i = 0; i < panel()->ComponentCount(); ++i) {
        auto* label = static_cast<TLabel*>(panel()->Components(i));
        shown += label->Visible() && label->Opacity() == 1;
    }
    EXPECT_EQ(shown, maxAnimationJob);
    EXPECT_TRUE(TableWhole());
}

}  // namespace
