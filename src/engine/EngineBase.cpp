#include "engine/EngineBase.h"

#include <cmath>

#include "engine/ParamIndex.h"

namespace quorvel {

EngineBase::EngineBase(int paramCount) : params(new float[paramCount]), paramCount(paramCount) {
    for (int i = 0; i < paramCount; ++i) params[i] = 0.01f;
}

EngineBase::~EngineBase() { delete[] params; }

void EngineBase::writeSharedDefaults() {
    params[param::Detune] = 0.85f;
    params[param::AmpAttack] = 0.01f;
    params[param::AmpDecay] = 0.38f;
    params[param::AmpSustain] = 0.45f;
    params[param::AmpRelease] = 0.09f;
    params[5] = 0.0f;  // "ReTrig" in QuorvelMono, "Mid Cut" in QuorvelPoly
    params[param::Cut] = 0.33f;
    params[param::Res] = 0.0f;
    params[param::FilterAttack] = 0.01f;
    params[param::FilterDecay] = 0.32f;
    params[param::FilterSustain] = 0.025f;
    params[param::FilterRelease] = 0.215f;
    params[param::EnvDepth] = 0.275f;
    params[param::AmpVelocity] = 0.565f;
    params[param::FilterVelocity] = 0.815f;
    params[param::Volume] = 0.375f;
}

void EngineBase::setSampleRate(double rate) {
    if (!(rate >= kMinimumSampleRate) || !std::isfinite(rate)) return;
    if (rate == sampleRate) return;
    sampleRate = rate;
    parameterChanged(kAllParameters);
}

}  // namespace quorvel
