// The signal path both products' voices share: five saw oscillators at twice
// the output rate, "Harsh", the state-variable low-pass, velocity, the four
// smoothing stages, "Volume" and the squared amplitude envelope.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/Envelope.h"
#include "engine/ParamIndex.h"
#include "engine/VoiceRandom.h"

namespace quorvel {

class VoiceBase {
public:
    static constexpr int kOscillators = 5;

    VoiceBase(const float* params, const double& sampleRate, VoiceRandom& random)
        : sampleRate(sampleRate), params(params), random(random) {}

    // Recomputes the envelope rates and the smoothing coefficient that depend on index.
    void parameterChanged(int index);
    // Phase increment per sub-sample for a frequency in hertz, at the current rate.
    std::uint32_t phaseIncrement(double frequency) const;

    bool isActive() const { return active; }
    bool isReleased() const { return released; }
    const Envelope& amp() const { return ampEnvelope; }
    const Envelope& filter() const { return filterEnvelope; }
    float getSmoothingCoefficient() const { return smoothingCoefficient; }
    std::uint32_t getIncrement(int oscillator) const { return increments[oscillator]; }
    std::uint32_t getPhase(int oscillator) const { return phases[oscillator]; }
    float getVelocityGain() const { return velocityGain; }

protected:
    // Low 32 bits of a value truncated toward zero, defined for any double.
    static std::uint32_t lowBits32(double value) {
        if (!std::isfinite(value)) return 0;
        return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(std::fmod(value, 4294967296.0))));
    }

    inline float renderSample();
    // The second pass: each sample times the squared amplitude envelope; the
    // voice falls silent once that envelope is idle.
    void applyAmpEnvelope(float* out, int frames);

    Envelope ampEnvelope;
    Envelope filterEnvelope;
    const double phaseScale = 1.0 / 4294967295.0;
    bool active = false;
    bool released = false;
    const double& sampleRate;
    float velocityGain = 0.0f;
    const float* params;
    VoiceRandom& random;
    float smoothingCoefficient = 0.0f;
    float smoothing[4] = {};
    float svfLow = 0.0f;
    float svfBand = 0.0f;
    float svfHigh = 0.0f;
    float svfDamping = 0.0f;
    float svfFrequency = 0.0f;
    std::uint32_t increments[kOscillators] = {};
    std::uint32_t phases[kOscillators] = {};

private:
    static float harsh(float sum, float amount) {
        const float x = sum - 2.5f;
        const float q = 0.3f * std::trunc(x + 0.5f);
        return (q - 0.25f * x) * amount + 0.25f * x;
    }
    float filterStep(float input) {
        svfLow = svfFrequency * svfBand + svfLow;
        svfHigh = (input - svfLow) - svfDamping * svfBand;
        svfBand = svfHigh * svfFrequency + svfBand;
        return svfLow;
    }
    float smooth(float input) {
        const float c = smoothingCoefficient;
        float previous = input;
        for (float& stage : smoothing) {
            stage = (previous - stage) * c + stage;
            previous = stage;
        }
        return previous;
    }
};

inline float VoiceBase::renderSample() {
    double sumA = 0.0;
    double sumB = 0.0;
    for (int k = 0; k < kOscillators; ++k) {
        phases[k] += increments[k];
        sumA += phases[k] * phaseScale;
        phases[k] += increments[k];
        sumB += phases[k] * phaseScale;
    }
    const float* p = params;
    const float ya = harsh(static_cast<float>(sumA), p[param::Harsh]);
    const float yb = harsh(static_cast<float>(sumB), p[param::Harsh]);

    svfDamping = 1.1f - p[param::Res];
    filterEnvelope.step();
    const float level = filterEnvelope.getLevel();
    const float opening = p[param::EnvDepth] * level * level + p[param::Cut] - 1.0f;
    const float f0 = 1.0f - opening * opening;
    svfFrequency = (f0 * velocityGain - f0) * p[param::FilterVelocity] + f0;
    float a = filterStep(ya);
    float b = filterStep(yb);

    a = (a * velocityGain - a) * p[param::AmpVelocity] + a;
    b = (b * velocityGain - b) * p[param::AmpVelocity] + b;
    const float smoothedA = smooth(a);
    const float smoothedB = smooth(b);
    return p[param::Volume] * (smoothedA + smoothedB);
}

}  // namespace quorvel
