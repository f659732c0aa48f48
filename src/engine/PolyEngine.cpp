#include "engine/PolyEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace quorvel {

PolyEngine::PolyEngine(VoiceRandom& random)
    : EngineBase(kParamCount), midScale(static_cast<float>(1.0 / std::sqrt(2.0))), scratch(new float[1]) {
    writeSharedDefaults();
    rightVoices.reserve(kPairs);
    leftVoices.reserve(kPairs);
    for (int i = 0; i < kPairs; ++i) {
        rightVoices.emplace_back(params, sampleRate, random);
        leftVoices.emplace_back(params, sampleRate, random);
    }
    setSampleRate(kDefaultSampleRate);
}

PolyEngine::~PolyEngine() { delete[] scratch; }

void PolyEngine::parameterChanged(int index) {
    for (int i = 0; i < kPairs; ++i) {
        rightVoices[i].parameterChanged(index);
        leftVoices[i].parameterChanged(index);
    }
}

bool PolyEngine::growScratch(int frames) {
    if (frames <= scratchCapacity) return true;
    float* larger = new (std::nothrow) float[static_cast<std::size_t>(frames)];
    if (larger == nullptr) return false;
    delete[] scratch;
    scratch = larger;
    scratchCapacity = frames;
    return true;
}

void PolyEngine::setBlockSize(int frames) { growScratch(frames); }

void PolyEngine::startPair(int pair, int note, float frequency, float velocity, int deltaFrame) {
    rightVoices[pair].noteOn(noteCounter, deltaFrame, frequency, velocity, note);
    leftVoices[pair].noteOn(noteCounter, deltaFrame, frequency, velocity, note);
}

void PolyEngine::noteOn(int note, float frequency, float velocity, int deltaFrame) {
    ++noteCounter;
    constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();
    std::int64_t oldestReleasedAge = kNone;
    std::int64_t oldestHeldAge = kNone;
    int oldestReleased = -1;
    int oldestHeld = -1;
    for (int i = 0; i < kPairs; ++i) {
        if (i == reserveIndex) continue;
        const PolyVoice& voice = rightVoices[i];
        if (!voice.isActive()) {
            startPair(i, note, frequency, velocity, deltaFrame);
            return;
        }
        if (voice.isReleased()) {
            if (voice.getAge() < oldestReleasedAge) {
                oldestReleasedAge = voice.getAge();
                oldestReleased = i;
            }
        } else if (voice.getAge() < oldestHeldAge) {
            oldestHeldAge = voice.getAge();
            oldestHeld = i;
        }
    }
    const int victim = oldestReleased >= 0 ? oldestReleased : oldestHeld;
    if (victim < 0) return;
    startPair(reserveIndex, note, frequency, velocity, deltaFrame);
    reserveIndex = victim;
    rightVoices[victim].steal();
    leftVoices[victim].steal();
}

void PolyEngine::noteOff(int note, int deltaFrame) {
    for (int i = 0; i < kPairs; ++i) {
        if (rightVoices[i].getNote() != note) continue;
        rightVoices[i].release(deltaFrame);
        leftVoices[i].release(deltaFrame);
    }
}

void PolyEngine::allNotesOff() {
    for (int i = 0; i < kPairs; ++i) {
        rightVoices[i].silence();
        leftVoices[i].silence();
    }
}

void PolyEngine::render(float* left, float* right, int frames) {
    frames = std::max(frames, 0);
    if (!growScratch(frames)) {
        // Out of memory for an unannounced long block: silence beats a crash.
        std::fill(left, left + frames, 0.0f);
        std::fill(right, right + frames, 0.0f);
        return;
    }
    std::fill(right, right + frames, 0.0f);
    for (PolyVoice& voice : rightVoices) voice.render(left, right, frames);
    std::fill(left, left + frames, 0.0f);
    for (PolyVoice& voice : leftVoices) voice.render(scratch, left, frames);

    for (int j = 0; j < frames; ++j) {
        const float cut = ((left[j] + right[j]) * midScale) * (params[param::MidCut] * 0.5f);
        left[j] -= cut;
        right[j] -= cut;
    }
}

}  // namespace quorvel
