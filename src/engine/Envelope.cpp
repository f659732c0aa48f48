#include "engine/Envelope.h"

namespace quorvel {

const Envelope::StepOperation Envelope::kStepTable[6] = {
    stepNothing, stepAttack, stepDecay, stepNothing, stepRelease, stepFastRelease,
};

void Envelope::setRates(double attack, double decay, double sustain, double release, double sampleRate) {
    // The offsets are single-precision constants widened, as the sound was tuned with them.
    const double perSecond = sampleRate * 5.0;
    attackRate = static_cast<float>(1.0 / (perSecond * (attack * attack + static_cast<double>(0.001f))));
    decayRate = static_cast<float>(1.0 / (perSecond * (decay * decay + static_cast<double>(0.005f))));
    sustainLevel = static_cast<float>(sustain);
    releaseRate = static_cast<float>(1.0 / (perSecond * (release * release + static_cast<double>(0.0002f))));
}

void Envelope::stepAttack(Envelope& e) {
    e.level += e.attackRate;
    if (e.level >= 1.0f) {
        e.level = 1.0f;
        e.stage = Decay;
    }
}

void Envelope::stepDecay(Envelope& e) {
    e.level -= e.decayRate;
    if (e.sustainLevel >= e.level) e.stage = Sustain;
}

void Envelope::stepRelease(Envelope& e) {
    // Counting stops at zero so a release that never ends cannot overflow it.
    if (e.releaseHold > 0) e.releaseHold -= 1;
    if (e.releaseHold < 1) e.level -= e.releaseRate;
    if (e.level <= 0.0f) {
        e.level = 0.0f;
        e.stage = Idle;
    }
}

void Envelope::stepFastRelease(Envelope& e) {
    e.level -= 0.006f;
    if (e.level <= 0.0f) {
        e.level = 0.0f;
        e.stage = Idle;
    }
}

}  // namespace quorvel
