#pragma once
// An engine of the test's own with a drawing panel, on the virtual clock.
// The job table is shared by every engine, so each test starts from Reset
// and leaves the table with nothing pending.

#include <cstdint>
#include <vector>

#include "animation/uf_AnimationEffect.h"
#include "tests/support/VirtualTime.h"
#include "ui/FloatAnimation.h"
#include "ui/Form.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"

class EngineTest : public VirtualTimeTest {
protected:
    void SetUp() override {
        VirtualTimeTest::SetUp();
        savedEngine_ = fAnimation;
        savedBoxSize_ = BoxSize;
        form = new TForm(nullptr);
        panel = new TPanel(form);
        panel->SetParent(form);
        engine = new TfAnimation(nullptr);
        fAnimation = engine;
        BoxSize = 44;
        engine->Reset(1);
    }

    void TearDown() override {
        engine->Reset(1);
        delete engine;
        form->Free();
        fAnimation = savedEngine_;
        BoxSize = savedBoxSize_;
        VirtualTimeTest::TearDown();
    }

    // Starts the engine and lets `seconds` of virtual time pass.
    void Play(double seconds) {
        engine->Start();
        Wait(seconds);
    }
    void Wait(double seconds) { WaitUs(std::int64_t(seconds * 1e6 + 0.5)); }

    // A visible label already standing on the panel, as an entrance leaves it.
    TLabel* StandingLabel(float left, float top, float fontSize = 20) {
        auto* label = new TLabel(panel);
        label->SetParent(panel);
        label->SetPosition(left, top);
        label->SetSize(44, 44);
        label->SetStyledSettings(0);
        label->SetFontSize(fontSize);
        return label;
    }

    // Records `count` jobs that act on nothing, to bring the table near its bound.
    void FillJobTable(int count) {
        for (int i = 0; i < count; ++i) engine->HideGlowEffect(0, 1000);
    }

    static std::vector<int> Pending() { return {Animation_Job.begin(), Animation_Job.end()}; }

    // The animations (or effects) of kind T directly under a control.
    template <class T>
    static std::vector<T*> ChildrenOf(TFmxObject* parent) {
        std::vector<T*> found;
        for (TFmxObject* child : parent->Children())
            if (auto* t = dynamic_cast<T*>(child)) found.push_back(t);
        return found;
    }

    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TfAnimation* engine = nullptr;

private:
    TfAnimation* savedEngine_ = nullptr;
    int savedBoxSize_ = 0;
};
