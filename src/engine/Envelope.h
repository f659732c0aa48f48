// Linear attack/decay/sustain/release generator with a fixed fast release.
#pragma once

#include <cstdint>

namespace quorvel {

class Envelope {
public:
    enum Stage : std::int32_t { Idle, Attack, Decay, Sustain, Release, FastRelease };

    void setRates(double attack, double decay, double sustain, double release, double sampleRate);
    void step() { kStepTable[stage](*this); }
    void trigger(bool fromZero) {
        stage = Attack;
        if (fromZero) level = 0.0f;
    }
    void release(std::int32_t hold) {
        releaseHold = hold;
        stage = Release;
    }
    void fastRelease() { stage = FastRelease; }

    std::int32_t getStage() const { return stage; }
    float getLevel() const { return level; }

private:
    using StepOperation = void (*)(Envelope&);
    static const StepOperation kStepTable[6];

    static void stepNothing(Envelope&) {}
    static void stepAttack(Envelope& envelope);
    static void stepDecay(Envelope& envelope);
    static void stepRelease(Envelope& envelope);
    static void stepFastRelease(Envelope& envelope);

    std::int32_t stage = Attack;
    float attackRate = 0.0f;
    float decayRate = 0.0f;
    float sustainLevel = 0.0f;
    float releaseRate = 0.0f;
    std::int32_t releaseHold = 0;
    float level = 0.0f;
};

}  // namespace quorvel
