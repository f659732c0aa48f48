#include "products/mono/MonoProduct.h"

#include "engine/MonoEngine.h"

namespace quorvel {

namespace {

const char* const kParamNames[MonoEngine::kParamCount] = {
    "Detune", "Attack",   "Decay",   "Sustain", "Release", "ReTrig", "Cut",    "Res",   "Attack",
    "Decay",  "Sustain", "Release", "Env Dpth", "Amp Vel", "Flt Vel", "Volume", "Harsh", "Slide",
};

EngineBase* createEngine() { return new MonoEngine(); }

}  // namespace

const Product& monoProduct() {
    static const Product product{"QuorvelMono", MonoEngine::kParamCount, kParamNames, createEngine};
    return product;
}

}  // namespace quorvel
