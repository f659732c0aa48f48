// QuorvelPoly's engine: eight voice pairs (right voice, left voice), seven
// handed out freely and one held in reserve for stealing, and the centre cut.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/EngineBase.h"
#include "engine/PolyVoice.h"

namespace quorvel {

class PolyEngine : public EngineBase {
public:
    static constexpr int kParamCount = 17;
    static constexpr int kPairs = 8;

    explicit PolyEngine(VoiceRandom& random = VoiceRandom::shared());
    ~PolyEngine() override;

    void parameterChanged(int index) override;
    // Sizes the work buffer so blocks up to frames long render without allocating.
    void setBlockSize(int frames) override;
    void noteOn(int note, float frequency, float velocity, int deltaFrame) override;
    void noteOff(int note, int deltaFrame) override;
    void allNotesOff() override;
    void render(float* left, float* right, int frames) override;

    const PolyVoice& rightVoice(int pair) const { return rightVoices[pair]; }
    const PolyVoice& leftVoice(int pair) const { return leftVoices[pair]; }
    int getReserveIndex() const { return reserveIndex; }
    int getScratchCapacity() const { return scratchCapacity; }

private:
    void startPair(int pair, int note, float frequency, float velocity, int deltaFrame);
    bool growScratch(int frames);

    const float midScale;
    int reserveIndex = 0;
    std::vector<PolyVoice> rightVoices;
    std::vector<PolyVoice> leftVoices;
    // Stamps note starts; 64 bits so the oldest-first scan never runs out.
    std::int64_t noteCounter = 1;
    float* scratch;
    int scratchCapacity = 1;
};

}  // namespace quorvel
