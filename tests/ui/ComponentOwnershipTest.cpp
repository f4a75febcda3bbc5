// Owner and parent are separate: the owner frees what it owns, the parent shows
// its children, and nothing may reach a component once it is freed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/VirtualTime.h"
#include "ui/Button.h"
#include "ui/FloatAnimation.h"
#include "ui/Form.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

namespace {

bool ShowsChild(const TFmxObject& parent, const TFmxObject* child) {
    const auto& children = parent.Children();
    return std::find(children.begin(), children.end(), child) != children.end();
}

class ComponentOwnershipTest : public VirtualTimeTest {
protected:
    void SetUp() override {
        VirtualTimeTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
    }
    void TearDown() override {
        form.reset();
        VirtualTimeTest::TearDown();
    }

    TLabel* AddLabel(TComponent* owner, TFmxObject* parent) {
        auto* label = new TLabel(owner);
        label->SetParent(parent);
        return label;
    }

    std::unique_ptr<TForm> form;
    TPanel* panel = nullptr;
};

TEST_F(ComponentOwnershipTest, OwnerListsWhatItOwnsInCreationOrderAndFreesItAll) {
    TLabel* first = AddLabel(panel, panel);
    TLabel* second = AddLabel(panel, form.get());  // owned by the panel, shown by the form
    TWeak<TLabel> firstRef(first), secondRef(second);
    TWeak<TPanel> panelRef(panel);

    ASSERT_EQ(panel->ComponentCount(), 2);
    EXPECT_EQ(panel->Components(0), first);
    EXPECT_EQ(panel->Components(1), second);
    EXPECT_EQ(form->ComponentCount(), 1);

    form.reset();

    EXPECT_FALSE(panelRef);
    EXPECT_EQ(firstRef.get(), nullptr);
    EXPECT_EQ(secondRef.get(), nullptr);
}

TEST_F(ComponentOwnershipTest, WeakReferenceReadsNullOnceItsComponentIsFreedAndNotBefore) {
    TLabel* label = AddLabel(form.get(), panel);
    const TWeak<TLabel> ref(label), copy = ref;
    EXPECT_EQ(ref.get(), label);

    label->Free();

    EXPECT_EQ(ref.get(), nullptr);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(TWeak<TLabel>(nullptr).get(), nullptr);
}

TEST_F(ComponentOwnershipTest, FreeingAControlRemovesItFromItsParentAndFreesItsAnimationsAndEffects) {
    TLabel* label = AddLabel(form.get(), panel);
    auto* ownAnimation = new TFloatAnimation(label);
    ownAnimation->SetParent(label);
    // Owned elsewhere, but it acts on the label, so it cannot outlive it.
    auto* formsAnimation = new TFloatAnimation(form.get());
    formsAnimation->SetParent(label);
    auto* glow = new TGlowEffect(label);
    glow->SetParent(label);
    for (TFloatAnimation* animation : {ownAnimation, formsAnimation}) {
        animation->PropertyName = "Opacity";
        animation->Duration = 1;
        animation->SetEnabled(true);
    }
    ASSERT_EQ(scheduler().RunningAnimationCount(), 2u);
    const TWeak<TFloatAnimation> ownRef(ownAnimation), formsRef(formsAnimation);
    const TWeak<TGlowEffect> glowRef(glow);
    const int formComponentsBefore = form->ComponentCount();

    label->Free();

    EXPECT_FALSE(ShowsChild(*panel, label));
    EXPECT_FALSE(ownRef);
    EXPECT_FALSE(formsRef);
    EXPECT_FALSE(glowRef);
    EXPECT_EQ(form->ComponentCount(), formComponentsBefore - 2);  // the label and the form's animation
    EXPECT_EQ(scheduler().RunningAnimationCount(), 0u);
    EXPECT_FALSE(scheduler().NextDeadlineUs());
    WaitMs(2000);  // nothing left to tick
}

TEST_F(ComponentOwnershipTest, FreeingThePanelsComponentsFromTheLastDownKeepsATimerTheFormOwns) {
    std::vector<TWeak<TLabel>> labels;
    for (int i = 0; i < 5; ++i) labels.emplace_back(AddLabel(panel, panel));
    // As a window layout places it: inside the panel, owned by the window.
    auto* timer = new TTimer(form.get());
    timer->SetParent(panel);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    timer->SetInterval(100);
    timer->SetEnabled(true);

    for (int i = panel->ComponentCount() - 1; i >= 0; --i) panel->Components(i)->Free();

    EXPECT_EQ(panel->ComponentCount(), 0);
    for (const auto& label : labels) EXPECT_FALSE(label);
    ASSERT_EQ(panel->Children().size(), 1u);
    EXPECT_EQ(panel->Children().front(), timer);
    EXPECT_EQ(timer->Owner(), form.get());
    WaitMs(300);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ComponentOwnershipTest, TimerThatFreesItselfInItsOwnHandlerRunsToTheEndOfTheHandlerOnce) {
    auto* timer = new TTimer(form.get());
    const TWeak<TTimer> ref(timer);
    std::vector<std::string> log;
    timer->OnTimer = [&log, timer](TObject*) {
        log.push_back("before");
        timer->Free();
        log.push_back("after");  // the handler's own state must still be there
    };
    timer->SetInterval(50);
    timer->SetEnabled(true);

    WaitMs(500);

    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(ref);
    EXPECT_EQ(scheduler().ArmedTimerCount(), 0u);
}

TEST_F(ComponentOwnershipTest, ButtonThatFreesItselfInOnClickRunsToTheEndOfTheHandler) {
    auto* button = new TButton(form.get());
    button->SetParent(panel);
    const TWeak<TButton> ref(button);
    std::vector<std::string> log;
    button->OnClick = [&log, button](TObject*) {
        log.push_back("before");
        button->Free();
        log.push_back("after");
    };

    button->Click();

    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(ref);
    EXPECT_FALSE(ShowsChild(*panel, button));
}

}  // namespace
