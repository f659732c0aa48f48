#include "engine/MonoVoice.h"

#include <algorithm>

namespace quorvel {

namespace {

constexpr float kDrawScale = 4294967296.0f;  // the generator's modulus in single precision
constexpr float kDetuneSpread[4] = {0.03f, -0.03f, 0.04f, -0.04f};

// 1 + trunc(10000 x "Slide") output samples, kept at least 1 whatever the value.
std::uint32_t glideDivisor(float slide) {
    const double divisor = 1.0 - std::trunc(static_cast<double>(slide) * -10000.0);
    if (!(divisor >= 1.0)) return 1;
    return divisor >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(divisor);
}

}  // namespace

void MonoVoice::render(float* out, int frames) {
    if (!active) return;
    for (int i = 0; i < frames; ++i) {
        glide();
        out[i] = renderSample();
    }
    applyAmpEnvelope(out, frames);
}

void MonoVoice::glide() {
    const std::uint32_t remaining = increments[0] - targetIncrements[0];
    const std::uint32_t stepSize =
        glideStep < 0 ? 0u - static_cast<std::uint32_t>(glideStep) : static_cast<std::uint32_t>(glideStep);
    if (remaining > stepSize) {
        for (std::uint32_t& increment : increments) increment += static_cast<std::uint32_t>(glideStep);
    } else {
        std::copy(targetIncrements, targetIncrements + kOscillators, increments);
    }
}

void MonoVoice::restartOscillators(float frequency) {
    const float detune = params[param::Detune];
    for (int k = 0; k < 4; ++k) {
        const float u = static_cast<float>(random.draw()) / kDrawScale;
        const float d = (u * detune) * kDetuneSpread[k];
        detuneRatios[k] = (d * 0.26f + 0.74f) * d + 1.0f;
    }
    phases[0] = 0;
    for (int k = 1; k < kOscillators; ++k) {
        const double u = random.draw() / static_cast<double>(kDrawScale);
        phases[k] = lowBits32(u * detune * 4294967296.0);
    }
    increments[0] = phaseIncrement(frequency);
    for (int k = 1; k < kOscillators; ++k)
        increments[k] = phaseIncrement(static_cast<double>(frequency) * detuneRatios[k - 1]);
}

void MonoVoice::noteOn(float frequency, float velocity, int note) {
    const bool fresh = params[param::ReTrig] > 0.5f || !active;
    if (fresh) velocityGain = velocity * velocity;
    setPitch(frequency, fresh);
    heldCount = std::min(heldCount + 1, kHeldKeys);
    for (int i = kHeldKeys - 1; i > 0; --i) {
        heldNotes[i] = heldNotes[i - 1];
        heldFrequencies[i] = heldFrequencies[i - 1];
    }
    heldNotes[0] = note;
    heldFrequencies[0] = frequency;
    active = true;
    released = false;
}

void MonoVoice::setPitch(float frequency, bool trigger) {
    const bool retrigger = trigger || released;
    if (!active) restartOscillators(frequency);
    if (retrigger) {
        ampEnvelope.trigger(false);
        filterEnvelope.trigger(false);
    }
    targetIncrements[0] = phaseIncrement(frequency);
    for (int k = 1; k < kOscillators; ++k)
        targetIncrements[k] = phaseIncrement(static_cast<double>(frequency) * detuneRatios[k - 1]);

    const std::uint32_t divisor = glideDivisor(params[param::Slide]);
    const std::uint32_t target = targetIncrements[0];
    const std::uint32_t current = increments[0];
    glideStep = target > current ? static_cast<std::int32_t>((target - current) / divisor)
                                 : static_cast<std::int32_t>(0u - (current - target) / divisor);
}

void MonoVoice::noteOff(int note) {
    heldCount = std::max(heldCount - 1, 0);
    int found = -1;
    for (int i = 0; i < kHeldKeys && found < 0; ++i)
        if (heldNotes[i] == note) found = i;
    if (found >= 0) {
        for (int i = found; i < kHeldKeys - 1; ++i) {
            heldNotes[i] = heldNotes[i + 1];
            heldFrequencies[i] = heldFrequencies[i + 1];
        }
    }
    heldNotes[kHeldKeys - 1] = -1;

    if (heldCount == 0 || heldNotes[0] == 0) {
        release();
    } else {
        setPitch(heldFrequencies[0], params[param::ReTrig] > 0.5f && found == 0);
    }
}

void MonoVoice::release() {
    released = true;
    ampEnvelope.release(0);
    filterEnvelope.release(0);
}

void MonoVoice::allNotesOff() {
    ampEnvelope.fastRelease();
    released = true;
    std::fill(heldNotes, heldNotes + kHeldKeys, 0);
    heldCount = 0;
}

void MonoVoice::releaseAllKeys() {
    std::fill(heldNotes, heldNotes + kHeldKeys, 0);
    heldCount = 0;
    release();
}

}  // namespace quorvel
