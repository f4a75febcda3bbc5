#pragma once
// A fixture with the whole program, headless, on a virtual clock.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tools/scene/LessonSession.h"
#include "ui/Runtime.h"
#include "ui/Text_qt.h"

// UTF-8 for test messages.
inline std::string Utf8(const UnicodeString& text) {
    return Utf16ToUtf8(text);
}

class LessonTest : public ::testing::Test {
protected:
    void SetUp() override { session = std::make_unique<TLessonSession>(); }
    void TearDown() override { session.reset(); }

    TfMultipleDemo& lesson() { return session->Lesson(); }
    TfAnimation& engine() { return session->Engine(); }
    void Wait(double seconds) { session->Wait(seconds); }

    // Puts a chosen problem in the number row, as a draw would leave it.
    void SetProblem(int n1, int n2, int n3) {
        lesson().txtNbr1->SetText(IntToStr(n1));
        lesson().txtNbr2->SetText(IntToStr(n2));
        lesson().txtNbr3->SetText(IntToStr(n3));
    }
    // The window activated with a chosen problem in the row, a second later:
    // "排列方法" is back and waits to be pressed.
    void ShowProblem(int n1, int n2, int n3) {
        lesson().Activate();
        SetProblem(n1, n2, n3);
        Wait(1);
    }
    // ... and pressed: the walkthrough of that problem has just started.
    void StartWalkthroughOf(int n1, int n2, int n3) {
        ShowProblem(n1, n2, n3);
        lesson().btnStep3->Click();
    }

    std::unique_ptr<TLessonSession> session;
};
