#include "products/poly/PolyProduct.h"

#include "engine/PolyEngine.h"

namespace quorvel {

namespace {

const char* const kParamNames[PolyEngine::kParamCount] = {
    "Detune", "Attack",  "Decay",   "Sustain",  "Release", "Mid Cut", "Cut",    "Res",  "Attack",
    "Decay",  "Sustain", "Release", "Env Dpth", "Amp Vel", "Flt Vel", "Volume", "Harsh",
};

EngineBase* createEngine() { return new PolyEngine(); }

}  // namespace

const Product& polyProduct() {
    static const Product product{"QuorvelPoly", PolyEngine::kParamCount, kParamNames, createEngine};
    return product;
}

}  // namespace quorvel
