#include "products/poly/PolyProduct.h"

#include <iterator>

#include "engine/PolyEngine.h"
#include "engine/ParamIndex.h"

namespace quorvel {

namespace {

const char* const kParamNames[PolyEngine::kParamCount] = {
    "Detune", "Attack",  "Decay",   "Sustain",  "Release", "Mid Cut", "Cut",    "Res",  "Attack",
    "Decay",  "Sustain", "Release", "Env Dpth", "Amp Vel", "Flt Vel", "Volume", "Harsh",
};

constexpr PanelRow kOscillatorRows[] = {
    {30, param::Detune, nullptr},
    {60, param::MidCut, nullptr},
    {90, param::Harsh, nullptr},
};

EngineBase* createEngine() { return new PolyEngine(); }

}  // namespace

const Product& polyProduct() {
    static const Product product{"QuorvelPoly",
                                 PolyEngine::kParamCount,
                                 kParamNames,
                                 createEngine,
                                 {ui::rgb(150, 100, 150), "Fen Marlowbus' QuorvelPoly", kOscillatorRows, static_cast<int>(std::size(kOscillatorRows))}};
    return product;
}

}  // namespace quorvel
