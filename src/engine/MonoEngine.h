// QuorvelMono's engine: two identical voices (left, right) that play one note
// line, and a queue that applies note events at their sample positions.
#pragma once

#include "engine/EngineBase.h"
#include "engine/MonoVoice.h"

namespace quorvel {

struct NoteEvent {
    enum Type : int { On = 1, Off = 2, ReleaseAll = 3 };
    int type;
    float frequency;
    int note;
    float velocity;
    int deltaFrame;
};

class MonoEngine : public EngineBase {
public:
    static constexpr int kParamCount = 18;
    // Far more note events than any block carries; allocated once, never grown.
    static constexpr int kQueueCapacity = 1024;

    explicit MonoEngine(VoiceRandom& random = VoiceRandom::shared());
    ~MonoEngine() override;

    void parameterChanged(int index) override;
    void noteOn(int note, float frequency, float velocity, int deltaFrame) override;
    void noteOff(int note, int deltaFrame) override;
    void allNotesOff() override;
    void render(float* left, float* right, int frames) override;

    const MonoVoice& voice(int index) const { return voices[index]; }
    int queuedEvents() const { return eventCount; }

private:
    void apply(const NoteEvent& event, MonoVoice& voice);

    MonoVoice voices[2];
    NoteEvent* events;
    int eventCount = 0;
};

}  // namespace quorvel
