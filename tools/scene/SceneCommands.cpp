#include "tools/scene/SceneCommands.h"

#include <QKeySequence>
#include <QMetaEnum>
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

double ReadPositive(std::string_view word) {
    const double value = ReadNumber(word);
    if (!(value > 0)) throw TScriptError("expected a number above 0, got " + Quoted(word));
    return value;
}

double ReadSeconds(std::string_view word) {
    const double value = ReadNumber(word);
    if (value < 0) throw TScriptError("expected seconds from 0 up, got " + Quoted(word));
    return value;
}

void Seed(TLessonSession&, TWords words) {
    RandSeed(ReadUnsigned(words[0]));
}

void Activate(TLessonSession& session, TWords) {
    session.Lesson().Activate();
}

void Set(TLessonSession& session, TWords words) {
    TComponent& component = NamedComponent(session.Lesson(), words[0]);
    if (auto* label = dynamic_cast<TLabel*>(&component))
        label->SetText(ReadText(words[1]));
    else if (auto* trackBar = dynamic_cast<TTrackBar*>(&component))
        trackBar->SetValue(float(ReadNumber(words[1])));
    else
        throw TScriptError("cannot set " + Quoted(words[0]) + ": only labels and track bars can be set");
}

void Click(TLessonSession& session, TWords words) {
    auto* button = dynamic_cast<TButton*>(&NamedComponent(session.Lesson(), words[0]));
    if (!button) throw TScriptError("cannot click " + Quoted(words[0]) + ": it is not a button");
    button->Click();
}

void Wait(TLessonSession& session, TWords words) {
    session.Wait(ReadSeconds(words[0]));
}

void Png(TLessonSession& session, TWords words) {
    WriteLessonPng(session, ReadPath(words[0]));
}

void Dump(TLessonSession& session, TWords words) {
    const std::string path = ReadPath(words[0]);
    if (!WriteStateDump(session, path)) throw TScriptError("cannot write " + Quoted(path));
}

void Frames(TLessonSession& session, TWords words) {
    RecordFrames(session, ReadPath(words[0]), ReadPositive(words[1]), ReadSeconds(words[2]));
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

void Key(TLessonSession& session, TWords words) {
    const int qtKey = QtKeyNamed(words[0]);
    const int key = VirtualKeyOf(qtKey);
    // As in the window: a key without a code still takes the about text away, a modifier alone does not.
    const bool takesAboutAway = session.Lesson().AboutShown() && !IsModifierKey(qtKey);
    if (key != 0 || takesAboutAway) session.Lesson().KeyDown(key);
}

void Engine(TLessonSession& session, TWords words) {
    RunEngineCommand(session, words);
}

struct TSceneCommand {
    std::optional<std::size_t> argumentCount;  // none: the command checks its own
    std::function<void(TLessonSession&, TWords)> run;
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

void RunSceneCommand(TLessonSession& session, const std::vector<std::string>& words) {
    if (words.empty()) return;
    const auto found = SceneCommandTable().find(words.front());
    if (found == SceneCommandTable().end()) throw TScriptError("unknown command " + Quoted(words.front()));
    const TSceneCommand& command = found->second;
    const TWords arguments = TWords(words).subspan(1);
    if (command.argumentCount && arguments.size() != *command.argumentCount)
        throw ArgumentCountError(words.front(), *command.argumentCount, arguments.size());
    try {
        command.run(session, arguments);
    } catch (const TScriptError& error) {
        throw TScriptError(words.front() + ": " + error.what());
    }
}
