// A class of children at the mouse, on the virtual clock: clicks on every
// button whether it shows or not, both sliders dragged anywhere, the window
// activated again at any moment, waits, and the computer's clock jumping by
// up to an hour either way. Every invariant is checked after every action.
//
// The run is seeded. A failure names the seed and the action; setting
// TARNWICK_SOAK_SEED to that seed replays the very same run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tests/reliability/LessonInvariants.h"
#include "tools/scene/LessonSession.h"
#include "ui/Application.h"
#include "ui/Runtime.h"
#include "ui/Scheduler.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20260105;
constexpr int kMinimumActions = 10'000;
constexpr int kMinimumCycles = 500;
// A run that cannot complete its lessons stops here rather than looping on.
constexpr int kActionLimit = 100'000;
constexpr int kTrailLength = 12;

enum class TAction {
    PressShownStep,
    ClickStepButton,
    PressExit,
    DragSpeed,
    DragDifficulty,
    Reactivate,
    Wait,
    JumpWallClock,
};

struct TWeightedAction {
    TAction action;
    int weight;
};

// Pressing the step button in view is favoured, or the lessons would rarely
// reach their end; every other action still comes up hundreds of times.
// "離開" is in the set: it closes the window, which ends that run of the
// program, and the next action starts a fresh one.
constexpr TWeightedAction kActionWeights[] = {
    {TAction::PressShownStep, 330}, {TAction::ClickStepButton, 150}, {TAction::PressExit, 3},
    {TAction::DragSpeed, 70},       {TAction::DragDifficulty, 70},   {TAction::Reactivate, 25},
    {TAction::Wait, 300},           {TAction::JumpWallClock, 52},
};

struct TTally {
    int actions = 0;
    int cycles = 0;    // problem, walkthrough and working, in that order
    int problems = 0;  // draws checked right after they happened
    int runs = 0;      // program runs, each ended by "離開"
    int hiddenClicks = 0;
    int sliderDrags = 0;
    int reactivations = 0;
    int wallJumps = 0;
};

// Where the present lesson has got to.
enum class TStage { None, Problem, Walkthrough };

// What an action did, for the trail and for the checks that follow it.
struct TOutcome {
    std::string what;
    bool drewProblem = false;
};

std::uint64_t SoakSeed() {
    const char* chosen = std::getenv("TARNWICK_SOAK_SEED");
    return chosen ? std::strtoull(chosen, nullptr, 10) : kDefaultSeed;
}

class TLessonMonkey {
public:
    explicit TLessonMonkey(std::uint64_t seed) : seed_(seed), random_(seed) {}

    // Acts until both minimums are reached; stops at the first broken invariant.
    TFault Run() {
        if (TFault fault = StartProgram()) return Report(*fault);
        while (tally_.actions < kMinimumActions || tally_.cycles < kMinimumCycles) {
            if (tally_.actions == kActionLimit) return Report("the lessons never got far enough");
            ++tally_.actions;
            const TOutcome outcome = Act(PickAction());
            Remember(outcome.what);
            if (TFault fault = Check(outcome)) return Report(*fault);
            if (!Lesson().Closed()) continue;
            if (TFault fault = EndProgram()) return Report(*fault);
            if (TFault fault = StartProgram()) return Report(*fault);
        }
        session_.reset();
        return std::nullopt;
    }

    const TTally& Tally() const { return tally_; }

private:
    TfMultipleDemo& Lesson() { return session_->Lesson(); }

    int Below(int n) { return int(random_() % std::uint64_t(n)); }
    double Between(double low, double high) { return low + (high - low) * double(random_() >> 11) * 0x1p-53; }

    TAction PickAction() {
        int total = 0;
        for (const auto& entry : kActionWeights) total += entry.weight;
        int pick = Below(total);
        for (const auto& entry : kActionWeights) {
            if (pick < entry.weight) return entry.action;
            pick -= entry.weight;
        }
        return TAction::Wait;
    }

    TOutcome Act(TAction action) {
        switch (action) {
            case TAction::PressShownStep:
                return Press(ShownStepButton());
            case TAction::ClickStepButton: {
                TButton* buttons[] = {Lesson().btnStep1, Lesson().btnStep2, Lesson().btnStep3,
                                      Lesson().btnStep4};
                return Press(buttons[Below(4)]);
            }
            case TAction::PressExit:
                Lesson().Button1->Click();
                return {"click Button1"};
            case TAction::DragSpeed:
                return Drag(*Lesson().tbTimeScale, SliderValue(1, 6));
            case TAction::DragDifficulty:
                return Drag(*Lesson().tbDifficult, SliderValue(1, 2));
            case TAction::Reactivate:
                ++tally_.reactivations;
                earlier_ = PresentationObjects(*Lesson().paneCAL);
                Lesson().Activate();
                return NewProblem("activate");
            case TAction::Wait: {
                const int ms = Below(2) ? Below(2'001) : Below(40'001);
                session_->WaitMs(ms);
                return {"wait " + std::to_string(ms) + " ms"};
            }
            case TAction::JumpWallClock: {
                const int ms = (Below(2) ? 1 : -1) * Below(3'600'001);
                session_->Clock().JumpWallMs(ms);
                ++tally_.wallJumps;
                return {"wall clock " + std::to_string(ms) + " ms"};
            }
        }
        return {};
    }

    // The furthest step button in view, as a presenter would press it; a
    // hidden one when none shows.
    TButton* ShownStepButton() {
        for (TButton* step : {Lesson().btnStep4, Lesson().btnStep3, Lesson().btnStep1})
            if (step->Visible()) return step;
        TButton* hidden[] = {Lesson().btnStep4, Lesson().btnStep3, Lesson().btnStep1};
        return hidden[Below(3)];
    }

    TOutcome Press(TButton* button) {
        const bool shown = button->Visible();
        const std::string what = "click " + button->Name + (shown ? "" : " (hidden)");
        if (shown && button == Lesson().btnStep1) earlier_ = PresentationObjects(*Lesson().paneCAL);
        button->Click();
        if (!shown) {
            ++tally_.hiddenClicks;
            return {what};
        }
        if (button == Lesson().btnStep1) return NewProblem(what);
        if (button == Lesson().btnStep3 && stage_ == TStage::Problem) stage_ = TStage::Walkthrough;
        if (button == Lesson().btnStep4 && stage_ == TStage::Walkthrough) {
            ++tally_.cycles;
            stage_ = TStage::None;
        }
        return {what};
    }

    TOutcome NewProblem(const std::string& what) {
        ++tally_.problems;
        stage_ = TStage::Problem;
        return {what, true};
    }

    // Whole steps, halfway points (where rounding goes to the even step) and
    // anything in between.
    float SliderValue(int low, int high) {
        switch (Below(3)) {
            case 0:
                return float(low + Below(high - low + 1));
            case 1:
                return float(low + Below(high - low)) + 0.5f;
            default:
                return float(Between(low, high));
        }
    }

    TOutcome Drag(TTrackBar& slider, float value) {
        slider.SetValue(value);
        ++tally_.sliderDrags;
        std::ostringstream what;
        what << slider.Name << " := " << value;
        return {what.str()};
    }

    TFault Check(const TOutcome& outcome) {
        if (TFault fault = NumberRowFault(Lesson())) return fault;
        if (TFault fault = JobTableFault()) return fault;
        if (!outcome.drewProblem) return std::nullopt;
        if (TFault fault = ProductLevelFault(Lesson())) return fault;
        return FreshProblemFault(Lesson(), session_->Engine(), earlier_);
    }

    // The program starts, and its window becomes active: the first problem.
    TFault StartProgram() {
        session_ = std::make_unique<TLessonSession>();
        RandSeed(random_());
        ++tally_.runs;
        earlier_.clear();
        Lesson().Activate();
        Remember("program start");
        return Check(NewProblem("program start"));
    }

    // The window has closed: the program's objects go, and with them every
    // timer and animation the scheduler knew of.
    TFault EndProgram() {
        // The windows go first, as at exit; the scheduler must then know of nothing of theirs.
        const TScheduler& scheduler = session_->Scheduler();
        Application->DestroyComponents();
        const bool outlived = scheduler.ArmedTimerCount() != 0 || scheduler.RunningAnimationCount() != 0;
        session_.reset();
        if (outlived) return "timers or animations outlive the program";
        return std::nullopt;
    }

    void Remember(const std::string& what) {
        // Appended, not added to a literal: GCC 12 at -O3 reports a false overlap (-Wrestrict) for that.
        trail_.push_back(std::string("#").append(std::to_string(tally_.actions)).append(" ").append(what));
        if (trail_.size() > kTrailLength) trail_.pop_front();
    }

    TFault Report(const std::string& fault) {
        std::ostringstream report;
        report << "seed " << seed_ << ", action #" << tally_.actions << ": " << fault
               << "\nreplay with TARNWICK_SOAK_SEED=" << seed_ << "; the last actions:";
        for (const std::string& step : trail_) report << "\n  " << step;
        return report.str();
    }

    const std::uint64_t seed_;
    std::mt19937_64 random_;
    std::unique_ptr<TLessonSession> session_;
    TTally tally_;
    TStage stage_ = TStage::None;
    std::vector<TWeak<TComponent>> earlier_;
    std::deque<std::string> trail_;
};

TEST(MonkeySoakTest, TenThousandRandomActionsOverFiveHundredLessonsKeepEveryInvariant) {
    const std::uint64_t seed = SoakSeed();
    TLessonMonkey monkey(seed);
    const TFault fault = monkey.Run();
    ASSERT_FALSE(fault) << *fault;

    const TTally& tally = monkey.Tally();
    std::cout << "soak: seed " << seed << ", " << tally.actions << " actions, " << tally.cycles
              << " lesson cycles, " << tally.problems << " problems, " << tally.runs << " program runs; "
              << tally.hiddenClicks << " clicks on hidden buttons, " << tally.sliderDrags << " slider drags, "
              << tally.reactivations << " re-activations, " << tally.wallJumps << " wall-clock jumps\n";
    EXPECT_GE(tally.actions, kMinimumActions);
    EXPECT_GE(tally.cycles, kMinimumCycles);
    EXPECT_GT(tally.runs, 1) << "the exit button never came up";
}

}  // namespace
