#pragma once
// The class name a dump gives a component ("TLabel", "TTimer", …).

class TComponent;

const char* ClassNameOf(const TComponent& component);
