#include "engine/EngineBase.h"

#include <cmath>

namespace quorvel {

EngineBase::EngineBase(int paramCount) : params(new float[paramCount]), paramCount(paramCount) {
    for (int i = 0; i < paramCount; ++i) params[i] = 0.01f;
}

EngineBase::~EngineBase() { delete[] params; }

void EngineBase::setSampleRate(double rate) {
    if (!(rate >= kMinimumSampleRate) || !std::isfinite(rate)) return;
    if (rate == sampleRate) return;
    sampleRate = rate;
    parameterChanged(kAllParameters);
}

}  // namespace quorvel
