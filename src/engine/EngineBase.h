// Common base of both synthesis engines: the parameter store, the sample rate
// and the change notification (index 100 means "anything may have changed").
#pragma once

#include <cstdint>
#include <limits>

namespace quorvel {

class EngineBase {
public:
    static constexpr int kAllParameters = 100;
    static constexpr double kDefaultSampleRate = 44100.0;
    // Below one hertz the per-sample rates stop making sense; such rates are ignored.
    static constexpr double kMinimumSampleRate = 1.0;

    explicit EngineBase(int paramCount);
    virtual ~EngineBase();
    EngineBase(const EngineBase&) = delete;
    EngineBase& operator=(const EngineBase&) = delete;

    // Rates below kMinimumSampleRate or not finite are ignored.
    virtual void setSampleRate(double rate);
    virtual void parameterChanged(int /*index*/) {}

    // The block size the host announced; an engine may prepare for it.
    virtual void setBlockSize(int /*frames*/) {}
    // velocity is 0..1; deltaFrame is the sample position in the next block.
    virtual void noteOn(int note, float frequency, float velocity, int deltaFrame) = 0;
    virtual void noteOff(int note, int deltaFrame) = 0;
    virtual void allNotesOff() = 0;
    // Overwrites frames samples of both buffers.
    virtual void render(float* left, float* right, int frames) = 0;

    float* params;
    int paramCount;
    // Unset until the first setSampleRate; engines apply kDefaultSampleRate at
    // construction, so notes and blocks before the host's rate still sound.
    double sampleRate = std::numeric_limits<double>::quiet_NaN();

protected:
    // The defaults of parameters 0 to 15, the same in both products; the
    // others keep the 0.01 every entry starts with.
    void writeSharedDefaults();
};

}  // namespace quorvel
