// What tells the two instruments apart; everything else is SynthPlugin.
#pragma once

#include "editor/SynthEditor.h"

namespace quorvel {

class EngineBase;

struct Product {
    const char* name;  // effect name and product string
    int paramCount;
    const char* const* paramNames;
    EngineBase* (*createEngine)();
    PanelLayout panel;
};

}  // namespace quorvel
