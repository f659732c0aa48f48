// Plays timed MIDI through a plug-in block by block and writes the output.
#pragma once

#include <cstdint>
#include <vector>

#include "MidiSource.h"

namespace render {

class AudioFile;
class Plugin;

struct RenderSettings {
    double sampleRate = 44100.0;
    int blockSize = 512;
    double maxTailSeconds = 10.0;  // after the last event, until silent, at most this long
    bool showProgress = false;
};

// Returns the number of frames written.
std::int64_t renderSong(Plugin& plugin, const std::vector<TimedMidi>& song, const RenderSettings& settings,
                        AudioFile& out);

}  // namespace render
