#pragma once
// Components as a script names them: by the Name their owner gave them.

#include <string_view>

class TComponent;

// The component `owner` owns under `name`; throws TScriptError when there is none.
TComponent& NamedComponent(const TComponent& owner, std::string_view name);
