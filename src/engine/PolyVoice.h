// One voice of QuorvelPoly: the shared signal path, restarted from silence by
// every note and started at a sample offset inside the next block.
#pragma once

#include <cstdint>

#include "engine/VoiceBase.h"

namespace quorvel {

class PolyVoice : public VoiceBase {
public:
    using VoiceBase::VoiceBase;

    void noteOn(std::int64_t age, int startOffset, float frequency, float velocity, int note);
    // Overwrites frames samples of work with the voice and adds them to destination.
    void render(float* work, float* destination, int frames);
    // Note-off: both envelopes release after hold samples.
    void release(int hold);
    // Chosen for stealing: a fast fade of the amplitude.
    void steal();
    // All notes off: silent from the next block, without a fade.
    void silence() { active = false; }

    int getNote() const { return note; }
    std::int64_t getAge() const { return age; }
    int getStartOffset() const { return startOffset; }

private:
    int startOffset = 0;
    int note = 0;
    std::int64_t age = 1;
};

}  // namespace quorvel
