#include "engine/VoiceBase.h"

#include <algorithm>

namespace quorvel {

void VoiceBase::parameterChanged(int index) {
    const bool ampOnly = index >= param::AmpAttack && index <= param::AmpRelease;
    const bool filterOnly = index >= param::FilterAttack && index <= param::FilterRelease;
    const double rate = sampleRate;
    if (!filterOnly)
        ampEnvelope.setRates(params[param::AmpAttack], params[param::AmpDecay], params[param::AmpSustain],
                             params[param::AmpRelease], rate);
    if (!ampOnly)
        filterEnvelope.setRates(params[param::FilterAttack], params[param::FilterDecay],
                                params[param::FilterSustain], params[param::FilterRelease], rate);
    if (!ampOnly && !filterOnly) {
        // 2 pi x 10 kHz at the doubled rate. Above 1 (rates below about 31 kHz)
        // the stages would ring at the Nyquist frequency and, beyond 2, grow
        // without bound; at 1 they pass the signal through unchanged.
        const float c = static_cast<float>(62831.853071795864 / (rate + rate));
        smoothingCoefficient = std::min(c, 1.0f);
    }
}

std::uint32_t VoiceBase::phaseIncrement(double frequency) const {
    return lowBits32(4294967295.0 / (sampleRate / frequency));
}

void VoiceBase::applyAmpEnvelope(float* out, int frames) {
    for (int i = 0; i < frames; ++i) {
        ampEnvelope.step();
        const float level = ampEnvelope.getLevel();
        out[i] = (out[i] * level) * level;
    }
    active = ampEnvelope.getStage() != Envelope::Idle;
}

}  // namespace quorvel
