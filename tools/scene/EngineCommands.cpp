#include "tools/scene/EngineCommands.h"

#include <functional>
#include <map>
#include <tuple>
#include <utility>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tools/scene/AnimationSetSyntax.h"
#include "tools/scene/ComponentLookup.h"
#include "tools/scene/LessonSession.h"
#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptValues.h"

namespace {

using TWords = std::span<const std::string>;

TControl* ReadControl(std::string_view word, TfMultipleDemo& lesson) {
    constexpr std::string_view kLabelPrefix = "label:";
    if (word.starts_with(kLabelPrefix))
        return Animation_Label[ReadInteger(word.substr(kLabelPrefix.size()))].get();
    auto* control = dynamic_cast<TControl*>(&NamedComponent(lesson, word));
    if (!control) throw TScriptError(Quoted(word) + " is not a control");
    return control;
}

// How a builder parameter of each type is read from its word.
template <class T>
T ReadArgument(std::string_view word, TfMultipleDemo& lesson);
template <>
TControl* ReadArgument(std::string_view word, TfMultipleDemo& lesson) {
    return ReadControl(word, lesson);
}
template <>
double ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadNumber(word);
}
template <>
int ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadInteger(word);
}
template <>
UnicodeString ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadQuotedString(word);
}
template <>
TAlphaColor ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadColor(word);
}
template <>
TTextAlign ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadAlignment(word);
}
template <>
TNbrArray ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadNumberList(word);
}
template <>
std::vector<TAnimationRecord> ReadArgument(std::string_view word, TfMultipleDemo&) {
    return ReadAnimationSet(word);
}

template <class Param>
std::decay_t<Param> ReadNth(TWords words, std::size_t index, TfMultipleDemo& lesson) {
    try {
        return ReadArgument<std::decay_t<Param>>(words[index], lesson);
    } catch (const TScriptError& error) {
        throw TScriptError("argument " + std::to_string(index + 1) + ": " + error.what());
    }
}

template <class... Params, std::size_t... I>
void CallBuilder(void (TfAnimation::*builder)(Params...), TfAnimation& engine, [[maybe_unused]] TWords words,
                 [[maybe_unused]] TfMultipleDemo& lesson, std::index_sequence<I...>) {
    // A braced list reads the words left to right: the first bad one is reported.
    std::tuple<std::decay_t<Params>...> values{ReadNth<Params>(words, I, lesson)...};
    std::apply([&](auto&... value) { (engine.*builder)(value...); }, values);
}

struct TEngineCommand {
    std::size_t argumentCount;
    std::function<void(TfAnimation&, TWords, TfMultipleDemo&)> run;
};

// The parameter list is taken from the builder's declaration, so the script
// syntax cannot drift from it.
template <class... Params>
TEngineCommand Bind(void (TfAnimation::*builder)(Params...)) {
    return {sizeof...(Params), [builder](TfAnimation& engine, TWords words, TfMultipleDemo& lesson) {
                CallBuilder(builder, engine, words, lesson, std::index_sequence_for<Params...>{});
            }};
}

#define ENGINE_OPERATION(name) \
    { #name, Bind(&TfAnimation::name) }

const std::map<std::string, TEngineCommand, std::less<>>& EngineCommandTable() {
    static const std::map<std::string, TEngineCommand, std::less<>> table = {
        {"reset", Bind(&TfAnimation::Reset)},
        {"start", Bind(&TfAnimation::Start)},
        ENGINE_OPERATION(AddJobScheduleTime),
        ENGINE_OPERATION(Create_Label_Animation),
        ENGINE_OPERATION(Create_String_Animation),
        ENGINE_OPERATION(Create_Label_Animation_Right),
        ENGINE_OPERATION(Create_Label_Animation_Vertical),
        ENGINE_OPERATION(Create_Label_Animation_Horizontal),
        ENGINE_OPERATION(Create_Label_Animation_And_Hide),
        ENGINE_OPERATION(Create_Label_Animation_Vertical_And_Hide),
        ENGINE_OPERATION(Create_Label_Animation_Horizontal_And_Hide),
        ENGINE_OPERATION(Create_Label_Animations),
        ENGINE_OPERATION(Create_String_Animations),
        ENGINE_OPERATION(MoveXY_ExistLabelAnimation),
        ENGINE_OPERATION(ChangeLabelColor),
        ENGINE_OPERATION(ChangeLabelSize),
        ENGINE_OPERATION(Hide_Label_Animation),
        ENGINE_OPERATION(Rotate_Animation),
        ENGINE_OPERATION(AddGlowEffect),
        ENGINE_OPERATION(HideGlowEffect),
        ENGINE_OPERATION(AddFontSizeAnimation),
        ENGINE_OPERATION(Create_Rectangle_Animation),
        ENGINE_OPERATION(Create_Rectangle_Animation_And_Hide),
        ENGINE_OPERATION(Create_AdditionFormula_Animation),
        ENGINE_OPERATION(Create_SubstractionFormula_Animation),
        ENGINE_OPERATION(Create_MultipleFormula_Animation),
        ENGINE_OPERATION(Create_DivisionFormula_Animation),
        ENGINE_OPERATION(Formula_Multiple_Horizontal_TransformTo_Vertical),
        ENGINE_OPERATION(Formula_Addition_Horizontal_TransformTo_Vertical),
        ENGINE_OPERATION(Formula_Substraction_Horizontal_TransformTo_Vertical),
    };
    return table;
}

#undef ENGINE_OPERATION

}  // namespace

void RunEngineCommand(TLessonSession& session, std::span<const std::string> words) {
    if (words.empty())
        throw TScriptError("missing the operation: reset, start, AddJobScheduleTime or a builder's name");
    const auto found = EngineCommandTable().find(words.front());
    if (found == EngineCommandTable().end()) throw TScriptError("unknown operation " + Quoted(words.front()));
    const TEngineCommand& command = found->second;
    const TWords arguments = words.subspan(1);
    if (arguments.size() != command.argumentCount)
        throw ArgumentCountError(words.front(), command.argumentCount, arguments.size());
    try {
        command.run(session.Engine(), arguments, session.Lesson());
    } catch (const TScriptError& error) {
        throw TScriptError(words.front() + " " + error.what());
    }
}

std::vector<std::string> EngineCommandNames() {
    std::vector<std::string> names;
    for (const auto& [name, command] : EngineCommandTable()) names.push_back(name);
    return names;
}
