// Renders a fixed script of MIDI and parameter changes through a plug-in
// instance, block by block, the way a sequencer plays a track.
#pragma once

#include <cstdint>
#include <vector>

#include "support/RecordingHost.h"

namespace testhost {

struct ScriptEvent {
    int frame;  // absolute position in the render
    unsigned char status, data1, data2;  // a MIDI message, or status 0 for a parameter change
    int paramIndex = 0;
    float paramValue = 0.0f;
};

inline ScriptEvent midi(int frame, unsigned char status, unsigned char data1, unsigned char data2) {
    return ScriptEvent{frame, status, data1, data2};
}

inline ScriptEvent parameter(int frame, int index, float value) { return ScriptEvent{frame, 0, 0, 0, index, value}; }

struct Script {
    std::vector<ScriptEvent> events;  // in frame order
    std::vector<int> blockSizes;      // used in turn, repeating
    int totalFrames;
};

struct Rendered {
    std::vector<float> left;
    std::vector<float> right;
};

// Sets the rate, switches the instance on and plays the script. Parameter
// changes take effect at the start of the block that holds their frame.
Rendered renderScript(Instance& instance, float sampleRate, const Script& script);

// FNV-1a over the bit patterns of every left, then every right sample.
std::uint64_t checksum(const Rendered& rendered);

}  // namespace testhost
