#include "tools/scene/SceneCommands.h"

#include <QKeySequence>
#include <QMetaEnum>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <span>

#include "app/MultipleDemo.h"
#include "tools/scene/ComponentLookup.h"
#include "tools/scene/EngineCommands.h"
#include "tools/scene/LessonSession.h"
#include "tools/scene/Recording.h"
#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptValues.h"
#include "tools/scene/StateDump.h"
#include "ui/FormHost_qt.h"
#include "ui/Runtime.h"

namespace {

using TWords = std::span<const std::string>;

// A number in lowest … highest; `above` makes the lowest itself out of range.
double ReadInRange(std::string_view word, const char* what, double lowest, double highest,
                   bool above = false) {
    const double value = ReadNumber(word);
    if ((above ? value > lowest : value >= lowest) && value <= highest) return value;
    throw TScriptError("expected " + std::string(what) + (above ? " above " : " from ") +
                       FormatNumber(lowest) + " up to " + FormatNumber(highest) + ", got " + Quoted(word));
}

void Seed(TSceneRun&, TWords words) {
    RandSeed(ReadUnsigned(words[0]));
}

void Activate(TSceneRun& run, TWords) {
    run.session.Lesson().Activate();
}

void Set(TSceneRun& run, TWords words) {
    TComponent& component = NamedComponent(run.session.Lesson(), words[0]);
    if (auto* label = dynamic_cast<TLabel*>(&component))
        label->SetText(ReadText(words[1]));
    else if (auto* trackBar = dynamic_cast<TTrackBar*>(&component))
        trackBar->SetValue(float(ReadInRange(words[1], "a value", trackBar->Min(), trackBar->Max())));
    else
        throw TScriptError("cannot set " + Quoted(words[0]) + ": only labels and track bars can be set");
}

void Click(TSceneRun& run, TWords words) {
    auto* button = dynamic_cast<TButton*>(&NamedComponent(run.session.Lesson(), words[0]));
    if (!button) throw TScriptError("cannot click " + Quoted(words[0]) + ": it is not a button");
    button->Click();
}

void Wait(TSceneRun& run, TWords words) {
    run.session.Wait(ReadInRange(words[0], "seconds", 0, scene_limits::kLongestWaitSeconds));
}

void Png(TSceneRun& run, TWords words) {
    WriteLessonPng(run.session, ReadPath(words[0]));
}

void Dump(TSceneRun& run, TWords words) {
    const std::string path = ReadPath(words[0]);
    if (!WriteStateDump(run.session, path)) throw TScriptError("cannot write " + Quoted(path));
}

void Frames(TSceneRun& run, TWords words) {
    using namespace scene_limits;
    const std::string folder = ReadPath(words[0]);
    const double fps = ReadInRange(words[1], "frames a second", kLowestFrameRate, kHighestFrameRate);
    const double seconds = ReadInRange(words[2], "seconds", 0, kLongestRecordingSeconds, true);
    if (fps * seconds > kMostFramesPerCommand)
        throw TScriptError("at most " + FormatNumber(kMostFramesPerCommand) +
                           " frames a command, asked for " + FormatNumber(std::ceil(fps * seconds)));
    RecordFrames(run.session, run.frames, folder, fps, seconds);
}

// A key as a presenter's clicker or keyboard sends it, by Qt's name for it
// (PageDown, Space, F11, Period, B …) or as Qt's key sequences write it (PgDown, ".").
int QtKeyNamed(const std::string& name) {
    bool known = false;
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + name).c_str(), &known);
    if (known) return key;
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
    if (sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown && sequence[0].keyboardModifiers() == 0)
        return sequence[0].key();
    throw TScriptError("unknown key " + Quoted(name));
}

void Key(TSceneRun& run, TWords words) {
    const int key = VirtualKeyOf(QtKeyNamed(words[0]));
    if (key != 0) run.session.Lesson().KeyDown(key);
}

void Engine(TSceneRun& run, TWords words) {
    RunEngineCommand(run.session, words);
}

struct TSceneCommand {
    std::optional<std::size_t> argumentCount;  // none: the command checks its own
    std::function<void(TSceneRun&, TWords)> run;
};

const std::map<std::string, TSceneCommand, std::less<>>& SceneCommandTable() {
    static const std::map<std::string, TSceneCommand, std::less<>> table = {
        {"seed", {1, Seed}},   {"activate", {0, Activate}}, {"set", {2, Set}},
        {"click", {1, Click}}, {"wait", {1, Wait}},         {"png", {1, Png}},
        {"dump", {1, Dump}},   {"frames", {3, Frames}},     {"engine", {std::nullopt, Engine}},
        {"key", {1, Key}},
    };
    return table;
}

}  // namespace

void RunSceneCommand(TSceneRun& run, const std::vector<std::string>& words) {
    if (words.empty()) return;
    const auto found = SceneCommandTable().find(words.front());
    if (found == SceneCommandTable().end()) throw TScriptError("unknown command " + Quoted(words.front()));
    const TSceneCommand& command = found->second;
    const TWords arguments = TWords(words).subspan(1);
    if (command.argumentCount && arguments.size() != *command.argumentCount)
        throw ArgumentCountError(words.front(), *command.argumentCount, arguments.size());
    try {
        command.run(run, arguments);
    } catch (const TScriptError& error) {
        throw TScriptError(words.front() + ": " + error.what());
    }
}
