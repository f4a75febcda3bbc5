#pragma once
// An animation set written in a script: {kind,start,duration,value;…}.
// The kind is its TAnimationType name; the value is a number, a colour
// 0xAARRGGBB for the colour kinds, and nothing for isHideLabel and
// isHideGlowEffect (a glow cannot be named in a script: it stays null).
// {} is the empty set.

#include <string_view>
#include <vector>

#include "animation/uf_AnimationEffect.h"

std::vector<TAnimationRecord> ReadAnimationSet(std::string_view word);
