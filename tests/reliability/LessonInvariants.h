#pragma once
// What must hold in the lesson and the engine whatever the user has done.
// Each check returns a description of what is wrong, or nothing, so that a
// long random run can stop at the first fault and say where it happened.

#include <optional>
#include <string>
#include <vector>

#include "ui/Component.h"

class TfMultipleDemo;
class TfAnimation;
class TPanel;

using TFault = std::optional<std::string>;

// The number row holds three different whole numbers from 2 to 9.
TFault NumberRowFault(const TfMultipleDemo& lesson);

// The product of the number row fits the level the difficulty slider stands
// at (rounded half to even): under 100 at level 1, 100 or more at level 2.
TFault ProductLevelFault(const TfMultipleDemo& lesson);

// The job counter lies within the table, and every pending job number was
// handed out since the last Reset, appears once, in recording order, and
// names only objects that still exist.
TFault JobTableFault();

// Right after a new problem: an empty panel, an idle engine with nothing
// recorded, no animation running anywhere, and every object of the earlier
// presentations freed.
TFault FreshProblemFault(const TfMultipleDemo& lesson, const TfAnimation& engine,
                         const std::vector<TWeak<TComponent>>& earlier);

// Everything the panel owns, and everything those own in turn: the labels,
// rectangles, animations and effects of the presentations on it.
std::vector<TWeak<TComponent>> PresentationObjects(const TPanel& panel);

// How many components `owner` owns, directly or through others.
int OwnedComponentCount(const TComponent& owner);
