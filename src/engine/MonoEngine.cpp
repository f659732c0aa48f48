#include "engine/MonoEngine.h"

#include <algorithm>

namespace quorvel {

MonoEngine::MonoEngine(VoiceRandom& random)
    : EngineBase(kParamCount),
      voices{MonoVoice(params, sampleRate, random), MonoVoice(params, sampleRate, random)},
      events(new NoteEvent[kQueueCapacity]) {
    writeSharedDefaults();
    setSampleRate(kDefaultSampleRate);
}

MonoEngine::~MonoEngine() { delete[] events; }

void MonoEngine::parameterChanged(int index) {
    for (MonoVoice& voice : voices) voice.parameterChanged(index);
}

// The last slot is kept for a note-off: a full queue drops note-ons, never
// note-offs, so no key is left stuck.
void MonoEngine::noteOn(int note, float frequency, float velocity, int deltaFrame) {
    if (eventCount >= kQueueCapacity - 1) return;
    events[eventCount++] = NoteEvent{NoteEvent::On, frequency, note, velocity, deltaFrame};
}

void MonoEngine::noteOff(int note, int deltaFrame) {
    if (eventCount < kQueueCapacity) {
        events[eventCount++] = NoteEvent{NoteEvent::Off, 0.0f, note, 0.0f, deltaFrame};
        return;
    }
    // Still more note-offs: the last one becomes a release of every key.
    NoteEvent& last = events[kQueueCapacity - 1];
    last.type = NoteEvent::ReleaseAll;
    last.deltaFrame = std::max(last.deltaFrame, deltaFrame);
}

void MonoEngine::allNotesOff() {
    for (MonoVoice& voice : voices) voice.allNotesOff();
}

void MonoEngine::apply(const NoteEvent& event, MonoVoice& voice) {
    switch (event.type) {
    case NoteEvent::On:
        voice.noteOn(event.frequency, event.velocity, event.note);
        break;
    case NoteEvent::Off:
        voice.noteOff(event.note);
        break;
    default:
        voice.releaseAllKeys();
        break;
    }
}

void MonoEngine::render(float* left, float* right, int frames) {
    frames = std::max(frames, 0);
    std::fill(right, right + frames, 0.0f);
    std::fill(left, left + frames, 0.0f);

    // Positions are clamped into the block and never run backwards, so events
    // out of order or beyond the block still land inside the buffers.
    int start = 0;
    for (int e = 0; e < eventCount; ++e) {
        const int at = std::clamp(events[e].deltaFrame, start, frames);
        voices[0].render(left + start, at - start);
        voices[1].render(right + start, at - start);
        apply(events[e], voices[0]);
        apply(events[e], voices[1]);
        start = at;
    }
    voices[0].render(left + start, frames - start);
    voices[1].render(right + start, frames - start);
    eventCount = 0;
}

}  // namespace quorvel
