#pragma once
// A fixture for tests of single facilities: an application of their own whose
// scheduler runs on a virtual clock, and message boxes that close at once.

#include <gtest/gtest.h>

#include <vector>

#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Scheduler.h"

class VirtualTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetShowMessageHandler([this](const UnicodeString& text) { messages.push_back(text); });
    }
    void TearDown() override { SetShowMessageHandler(nullptr); }

    TScheduler& scheduler() { return application.Scheduler(); }
    void WaitMs(std::int64_t ms) { clock.AdvanceBy(scheduler(), ms * 1000); }
    void WaitUs(std::int64_t us) { clock.AdvanceBy(scheduler(), us); }

    TVirtualClock clock;
    int argc = 1;
    char* argv[2] = {const_cast<char*>("tests"), nullptr};
    TApplication application{argc, argv, clock};
    std::vector<UnicodeString> messages;
};
