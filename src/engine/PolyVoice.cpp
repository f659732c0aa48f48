#include "engine/PolyVoice.h"

#include <algorithm>
#include <iterator>

namespace quorvel {

namespace {

// Detune spread of oscillators 1 to 4 at "Detune" 1.
constexpr float kDetuneSpread[4] = {0.018f, -0.018f, 0.035f, -0.035f};

}  // namespace

void PolyVoice::noteOn(std::int64_t noteAge, int offset, float frequency, float velocity, int noteNumber) {
    age = noteAge;
    std::fill(std::begin(smoothing), std::end(smoothing), 0.0f);
    svfLow = 0.0f;
    svfBand = 0.0f;
    // Hosts never send negative offsets; one that does starts the note at once.
    startOffset = std::max(offset, 0);

    const float detune = params[param::Detune];
    increments[0] = phaseIncrement(frequency);
    for (int k = 1; k < kOscillators; ++k) {
        const double r = random.draw() / VoiceRandom::kModulus;
        const double d = r * detune * kDetuneSpread[k - 1];
        increments[k] = phaseIncrement(frequency * (1.0 + d * (0.74f + 0.26f * d)));
    }
    phases[0] = 0;
    const float detuneSquared = detune * detune;
    for (int k = 1; k < kOscillators; ++k) {
        const double r = random.draw() / VoiceRandom::kModulus;
        phases[k] = lowBits32(r * detuneSquared * 4294967296.0);
    }

    note = noteNumber;
    active = true;
    released = false;
    velocityGain = velocity * velocity;
    ampEnvelope.trigger(true);
    filterEnvelope.trigger(true);
}

void PolyVoice::render(float* work, float* destination, int frames) {
    if (!active) return;
    const int first = std::clamp(startOffset, 0, std::max(frames, 0));
    std::fill(work, work + first, 0.0f);
    for (int i = first; i < frames; ++i) work[i] = renderSample();
    startOffset = 0;
    applyAmpEnvelope(work, frames);
    for (int i = 0; i < frames; ++i) destination[i] += work[i];
}

void PolyVoice::release(int hold) {
    released = true;
    ampEnvelope.release(hold);
    filterEnvelope.release(hold);
}

void PolyVoice::steal() {
    released = true;
    ampEnvelope.fastRelease();
}

}  // namespace quorvel
