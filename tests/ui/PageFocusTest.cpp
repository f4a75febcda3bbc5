// In a web page the lesson's window is left and returned to when the page
// loses and regains the browser's focus; only a return after a loss
// activates the form, once.
#include <gtest/gtest.h>

#include <vector>

#include "ui/FormHost_qt.h"

namespace {

struct FocusCase {
    const char* name;
    std::vector<bool> focusChanges;
    int activations;
};

const FocusCase kCases[] = {
    {"focus that was never lost", {true}, 0},
    {"a loss alone", {false}, 0},
    {"a loss and a return", {false, true}, 1},
    {"two losses and a return", {false, false, true}, 1},
    {"a return reported twice", {false, true, true}, 1},
    {"two visits to another window", {false, true, false, true}, 2},
};

}  // namespace

TEST(PageFocusTest, OnlyAReturnAfterALossActivatesTheForm) {
    for (const FocusCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TForm form(nullptr);
        int activations = 0;
        form.OnActivate = [&](TObject*) { ++activations; };
        TFormHostWidget host(form);
        for (bool focused : c.focusChanges) host.PageFocusChanged(focused);
        EXPECT_EQ(activations, c.activations);
    }
}
