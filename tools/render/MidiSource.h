// Reads a Standard MIDI File (type 0 or 1, tempo changes, running status, all
// channels) into channel messages at sample positions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace render {

struct TimedMidi {
    std::int64_t frame;  // sample position from the start of the song
    unsigned char status, data1, data2;
};

// Channel messages in time order; throws RenderError for a missing,
// unreadable, truncated or malformed file.
std::vector<TimedMidi> readMidiFile(const std::string& path, double sampleRate);

}  // namespace render
