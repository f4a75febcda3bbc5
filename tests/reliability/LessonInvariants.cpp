#include "tests/reliability/LessonInvariants.h"

#include <set>
#include <sstream>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "ui/FloatAnimation.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"
#include "ui/Rectangle.h"
#include "ui/Runtime.h"
#include "ui/Scheduler.h"

namespace {

// One entry of a job's row that the dispatcher reaches when the job runs.
struct TNeededEntry {
    const char* name;
    bool (*alive)(int z);
};

struct TJobNeeds {
    int code;
    std::vector<TNeededEntry> entries;
};

const TJobNeeds kNeedsByCode[] = {
    {Animation_JobType_isLabel,
     {{"Animation_Label", [](int z) { return bool(Animation_Label[z]); }},
      {"Animation_FontSize", [](int z) { return bool(Animation_FontSize[z]); }},
      {"Animation_Opacity", [](int z) { return bool(Animation_Opacity[z]); }}}},
    {Animation_JobType_isHideLabel, {{"Animation_Hide", [](int z) { return bool(Animation_Hide[z]); }}}},
    {Animation_JobType_isRectangle,
     {{"Animation_Rectangle", [](int z) { return bool(Animation_Rectangle[z]); }},
      {"Animation_Opacity", [](int z) { return bool(Animation_Opacity[z]); }}}},
    {Animation_JobType_isHideRectangle, {{"Animation_Hide", [](int z) { return bool(Animation_Hide[z]); }}}},
    {Animation_JobType_isMoveX, {{"Animation_MoveX", [](int z) { return bool(Animation_MoveX[z]); }}}},
    {Animation_JobType_isMoveY, {{"Animation_MoveY", [](int z) { return bool(Animation_MoveY[z]); }}}},
    {Animation_JobType_isChangeLabelColor,
     {{"Animation_JobParent", [](int z) { return bool(Animation_JobParent[z]); }}}},
    {Animation_JobType_isChangeLabelSize,
     {{"Animation_FontSize", [](int z) { return bool(Animation_FontSize[z]); }}}},
    {Animation_JobType_isRotate, {{"Animation_Rotate", [](int z) { return bool(Animation_Rotate[z]); }}}},
    {Animation_JobType_isCreateGlowEffect,
     {{"Animation_GlowEffect", [](int z) { return bool(Animation_GlowEffect[z]); }}}},
    {Animation_JobType_isHideGlowEffect,
     {{"the glow it names", [](int z) { return bool(Animation_GlowEffect[Animation_ReferenceNbr[z]]); }}}},
};

// The name of an entry that job z needs and that has been freed, if any.
const char* FreedEntryOf(int z) {
    for (const TJobNeeds& needs : kNeedsByCode) {
        if (needs.code != Animation_JobType[z]) continue;
        for (const TNeededEntry& entry : needs.entries)
            if (!entry.alive(z)) return entry.name;
    }
    return nullptr;
}

template <class... Parts>
std::string Text(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

// Enough of a text to show in a message: ASCII as it is, the rest as '?'.
std::string Printable(const UnicodeString& text) {
    std::string printable;
    for (char16_t c : text) printable += c < 0x80 ? char(c) : '?';
    return printable;
}

void CollectOwned(const TComponent& owner, std::vector<TWeak<TComponent>>& into) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        into.emplace_back(owner.Components(i));
        CollectOwned(*owner.Components(i), into);
    }
}

}  // namespace

TFault NumberRowFault(const TfMultipleDemo& lesson) {
    std::set<int> numbers;
    for (const TLabel* label : {lesson.txtNbr1, lesson.txtNbr2, lesson.txtNbr3}) {
        const int n = StrToInt(label->Text());
        if (n < 2 || n > 9 || IntToStr(n) != label->Text())
            return Text("number row holds \"", Printable(label->Text()), "\"");
        numbers.insert(n);
    }
    if (numbers.size() != 3) return Text("number row repeats a number");
    return std::nullopt;
}

TFault ProductLevelFault(const TfMultipleDemo& lesson) {
    const int product = StrToInt(lesson.txtNbr1->Text()) * StrToInt(lesson.txtNbr2->Text()) *
                        StrToInt(lesson.txtNbr3->Text());
    const float slider = lesson.tbDifficult->Value();
    const bool hard = Round(slider) == 2;
    if (hard != (product >= 100))
        return Text("product ", product, " drawn with the difficulty slider at ", slider);
    return std::nullopt;
}

TFault JobTableFault() {
    if (Animation_JobCounter < 0 || Animation_JobCounter > maxAnimationJob)
        return Text("Animation_JobCounter is ", Animation_JobCounter);
    int previous = 0;
    for (double entry : Animation_Job) {
        const int z = int(entry);
        if (double(z) != entry || z <= previous || z > Animation_JobCounter)
            return Text("pending job ", entry, " after ", previous, " with the counter at ",
                        Animation_JobCounter);
        if (const char* freed = FreedEntryOf(z))
            return Text("pending job ", z, " (code ", Animation_JobType[z], ") names a freed ", freed);
        previous = z;
    }
    return std::nullopt;
}

TFault FreshProblemFault(const TfMultipleDemo& lesson, const TfAnimation& engine,
                         const std::vector<TWeak<TComponent>>& earlier) {
    if (lesson.paneCAL->ComponentCount() != 0)
        return Text("the panel still owns ", lesson.paneCAL->ComponentCount(), " components");
    if (Animation_JobCounter != 0 || !Animation_Job.empty() || engine.timStepByStep->Enabled())
        return Text("the engine is not idle: counter ", Animation_JobCounter, ", ", Animation_Job.size(),
                    " pending");
    if (const std::size_t running = ApplicationScheduler()->RunningAnimationCount(); running != 0)
        return Text(running, " animations still run");
    for (std::size_t i = 0; i < earlier.size(); ++i)
        if (earlier[i])
            return Text("object ", i, " of ", earlier.size(), " of the earlier presentations lives on");
    return std::nullopt;
}

std::vector<TWeak<TComponent>> PresentationObjects(const TPanel& panel) {
    std::vector<TWeak<TComponent>> objects;
    CollectOwned(panel, objects);
    return objects;
}

int OwnedComponentCount(const TComponent& owner) {
    int count = owner.ComponentCount();
    for (int i = 0; i < owner.ComponentCount(); ++i) count += OwnedComponentCount(*owner.Components(i));
    return count;
}
