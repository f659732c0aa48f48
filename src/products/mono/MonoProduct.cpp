#include "products/mono/MonoProduct.h"

#include <iterator>

#include "engine/MonoEngine.h"
#include "engine/ParamIndex.h"

namespace quorvel {

namespace {

const char* const kParamNames[MonoEngine::kParamCount] = {
    "Detune", "Attack",   "Decay",   "Sustain", "Release", "ReTrig", "Cut",    "Res",   "Attack",
    "Decay",  "Sustain", "Release", "Env Dpth", "Amp Vel", "Flt Vel", "Volume", "Harsh", "Slide",
};

constexpr PanelRow kOscillatorRows[] = {
    {30, param::Detune, nullptr},
    {60, param::Harsh, nullptr},
    {90, param::ReTrig, "Retrigger"},
    {120, param::Slide, nullptr},
};

EngineBase* createEngine() { return new MonoEngine(); }

}  // namespace

const Product& monoProduct() {
    static const Product product{"QuorvelMono",
                                 MonoEngine::kParamCount,
                                 kParamNames,
                                 createEngine,
                                 {ui::rgb(150, 150, 100), "Fen Marlowbus' QuorvelMono", kOscillatorRows, static_cast<int>(std::size(kOscillatorRows))}};
    return product;
}

}  // namespace quorvel
