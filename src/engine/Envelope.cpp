#include "engine/Envelope.h"

namespace quorvel {

const Envelope::StepOperation Envelope::kStepTable[6] = {
    &Envelope::stepNothing, &Envelope::stepAttack,  &Envelope::stepDecay,
    &Envelope::stepNothing, &Envelope::stepRelease, &Envelope::stepFastRelease,
};

void Envelope::setRates(double attack, double decay, double sustain, double release, double sampleRate) {
    // The offsets are single-precision constants widened, as the sound was tuned with them.
    const double perSecond = sampleRate * 5.0;
    attackRate = static_cast<float>(1.0 / (perSecond * (attack * attack + static_cast<double>(0.001f))));
    decayRate = static_cast<float>(1.0 / (perSecond * (decay * decay + static_cast<double>(0.005f))));
    sustainLevel = static_cast<float>(sustain);
    releaseRate = static_cast<float>(1.0 / (perSecond * (release * release + static_cast<double>(0.0002f))));
}

void Envelope::stepAttack() {
    level += attackRate;
    if (level >= 1.0f) {
        level = 1.0f;
        stage = Decay;
    }
}

void Envelope::stepDecay() {
    level -= decayRate;
    if (sustainLevel >= level) stage = Sustain;
}

void Envelope::stepRelease() {
    // Counting stops at zero so a release that never ends cannot overflow it.
    if (releaseHold > 0) releaseHold -= 1;
    if (releaseHold < 1) level -= releaseRate;
    if (level <= 0.0f) {
        level = 0.0f;
        stage = Idle;
    }
}

void Envelope::stepFastRelease() {
    level -= 0.006f;
    if (level <= 0.0f) {
        level = 0.0f;
        stage = Idle;
    }
}

}  // namespace quorvel
