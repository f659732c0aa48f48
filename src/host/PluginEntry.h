#pragma once

#include "vst2/Vst2.h"

namespace quorvel {

class EffectBase;

// Each plug-in library defines this: one new instance per call, or null when
// it cannot be made.
EffectBase* createInstance(vst2::audioMasterCallback hostCallback);

}  // namespace quorvel
