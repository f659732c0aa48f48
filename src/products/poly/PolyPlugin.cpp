#include "host/PluginEntry.h"
#include "products/poly/PolyProduct.h"
#include "shell/SynthPlugin.h"

namespace quorvel {

EffectBase* createInstance(vst2::audioMasterCallback hostCallback) {
    return SynthPlugin::create(hostCallback, polyProduct());
}

}  // namespace quorvel
