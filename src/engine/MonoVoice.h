// One voice of QuorvelMono: the shared signal path plus the monophonic note
// logic (eight-key stack, last-note priority, linear glide, retrigger).
#pragma once

#include <cstdint>

#include "engine/VoiceBase.h"

namespace quorvel {

class MonoVoice : public VoiceBase {
public:
    static constexpr int kHeldKeys = 8;

    using VoiceBase::VoiceBase;

    // Renders one segment into out; an inactive voice leaves out untouched.
    void render(float* out, int frames);
    void noteOn(float frequency, float velocity, int note);
    void noteOff(int note);
    // Controllers 123 and 126: a fast fade and an empty key stack.
    void allNotesOff();
    // Every key let go at once, with the ordinary release.
    void releaseAllKeys();
    // New detune ratios and start phases, increments straight at frequency.
    void restartOscillators(float frequency);

    int getHeldCount() const { return heldCount; }
    int getHeldNote(int slot) const { return heldNotes[slot]; }
    float getDetuneRatio(int oscillator) const { return detuneRatios[oscillator - 1]; }
    std::uint32_t getTargetIncrement(int oscillator) const { return targetIncrements[oscillator]; }
    std::int32_t getGlideStep() const { return glideStep; }

private:
    void setPitch(float frequency, bool trigger);
    void glide();
    void release();

    int heldNotes[kHeldKeys] = {};
    float heldFrequencies[kHeldKeys] = {};
    int heldCount = 0;
    std::uint32_t targetIncrements[kOscillators] = {};
    std::int32_t glideStep = 0;
    float detuneRatios[kOscillators - 1] = {1.0f, 1.0f, 1.0f, 1.0f};
};

}  // namespace quorvel
