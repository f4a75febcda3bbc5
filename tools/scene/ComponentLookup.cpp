#include "tools/scene/ComponentLookup.h"

#include <string>

#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptValues.h"
#include "ui/Component.h"

TComponent& NamedComponent(const TComponent& owner, std::string_view name) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        if (component->Name == name) return *component;
    }
    throw TScriptError("unknown component " + Quoted(name));
}
