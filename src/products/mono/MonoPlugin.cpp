#include "host/PluginEntry.h"
#include "products/mono/MonoProduct.h"
#include "shell/SynthPlugin.h"

namespace quorvel {

EffectBase* createInstance(vst2::audioMasterCallback hostCallback) {
    return SynthPlugin::create(hostCallback, monoProduct());
}

}  // namespace quorvel
