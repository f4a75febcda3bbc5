#pragma once
// A fixture for tests of single facilities: a virtual clock installed in the
// scheduler for the length of one test, and message boxes that close at once.

#include <gtest/gtest.h>

#include <vector>

#include "ui/Dialogs.h"
#include "ui/Scheduler.h"

class VirtualTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Scheduler().SetClock(&clock);
        SetShowMessageHandler([this](const UnicodeString& text) { messages.push_back(text); });
    }
    void TearDown() override {
        SetShowMessageHandler(nullptr);
        Scheduler().SetClock(nullptr);
    }
    void WaitMs(std::int64_t ms) { Scheduler().AdvanceBy(ms * 1000); }
    void WaitUs(std::int64_t us) { Scheduler().AdvanceBy(us); }

    TVirtualClock clock;
    std::vector<UnicodeString> messages;
};
