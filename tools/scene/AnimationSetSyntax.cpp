#include "tools/scene/AnimationSetSyntax.h"

#include <string>

#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptValues.h"

namespace {

enum class TValueKind { Number, Color, None };

struct TKindName {
    const char* name;
    TAnimationType type;
    TValueKind value;
};

constexpr TKindName kKinds[] = {
    {"isFontSizeAnimation", isFontSizeAnimation, TValueKind::Number},
    {"isOpacityAnimation", isOpacityAnimation, TValueKind::Number},
    {"isMoveXAnimation", isMoveXAnimation, TValueKind::Number},
    {"isMoveYAnimation", isMoveYAnimation, TValueKind::Number},
    {"isChangeLabelColor", isChangeLabelColor, TValueKind::Color},
    {"isChangeLabelSize", isChangeLabelSize, TValueKind::Number},
    {"isHideLabel", isHideLabel, TValueKind::None},
    {"isRotate", isRotate, TValueKind::Number},
    {"isCreateGlowEffect", isCreateGlowEffect, TValueKind::Color},
    {"isHideGlowEffect", isHideGlowEffect, TValueKind::None},
};

const TKindName& KindNamed(std::string_view name) {
    for (const TKindName& kind : kKinds)
        if (name == kind.name) return kind;
    throw TScriptError("unknown animation kind " + Quoted(name));
}

// Puts the value into the member of the record that the kind reads.
void StoreValue(TAnimationRecord& record, std::string_view word) {
    switch (record.AnimationType) {
        case isFontSizeAnimation:
            record.aFontSize = ReadNumber(word);
            break;
        case isOpacityAnimation:
            record.aStopValue = ReadNumber(word);
            break;
        case isMoveXAnimation:
            record.aStopX = ReadNumber(word);
            break;
        case isMoveYAnimation:
            record.aStopY = ReadNumber(word);
            break;
        case isChangeLabelColor:
            record.aFontColor = ReadColor(word);
            break;
        case isChangeLabelSize:
            record.aStopSize = ReadNumber(word);
            break;
        case isRotate:
            record.aAngle = ReadNumber(word);
            break;
        case isCreateGlowEffect:
            record.aGlowColor = ReadColor(word);
            break;
        case isHideLabel:
        case isHideGlowEffect:
            record.aGlowEffect = nullptr;
            break;
    }
}

TAnimationRecord ReadEntry(std::string_view entry) {
    const std::vector<std::string_view> fields = SplitTrimmed(entry, ',');
    if (fields.empty() || fields[0].empty()) throw TScriptError("empty entry in animation set");
    const TKindName& kind = KindNamed(fields[0]);
    const bool hasValue = kind.value != TValueKind::None;
    // A kind without a value may still be written with an empty one: {isHideLabel,1,0.5,}.
    const bool emptyValue = fields.size() == 4 && fields[3].empty();
    const bool fits = hasValue ? fields.size() == 4 && !emptyValue : fields.size() == 3 || emptyValue;
    if (!fits)
        throw TScriptError(std::string(kind.name) + " takes " +
                           (hasValue ? "kind,start,duration,value" : "kind,start,duration") + ", got " +
                           Quoted(entry));
    TAnimationRecord record;
    record.aStart = ReadNumber(fields[1]);
    record.aDuration = ReadNumber(fields[2]);
    record.AnimationType = kind.type;
    StoreValue(record, hasValue ? fields[3] : std::string_view());
    return record;
}

}  // namespace

std::vector<TAnimationRecord> ReadAnimationSet(std::string_view word) {
    std::vector<TAnimationRecord> set;
    const std::string_view inside =
        Bracketed(word, '{', '}', "an animation set {kind,start,duration,value;...}");
    for (std::string_view entry : SplitTrimmed(inside, ';')) set.push_back(ReadEntry(entry));
    return set;
}
