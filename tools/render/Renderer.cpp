#include "Renderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "AudioFile.h"
#include "Plugin.h"

namespace render {

namespace {

constexpr float kSilence = 1.0e-5f;  // -100 dBFS
constexpr double kSilentSpan = 0.1;  // seconds of silence that end the tail

class Progress {
public:
    Progress(bool enabled, std::int64_t songFrames) : enabled(enabled), songFrames(std::max<std::int64_t>(songFrames, 1)) {}
    ~Progress() {
        if (shown) std::fprintf(stderr, "\r%*s\r", 60, "");
    }
    void update(std::int64_t frame) {
        if (!enabled) return;
        const auto now = std::chrono::steady_clock::now();
        // Only renders that last longer than a moment get a bar.
        if (now - started < std::chrono::milliseconds(300) || now - lastShown < std::chrono::milliseconds(100))
            return;
        lastShown = now;
        shown = true;
        const double done = std::min(1.0, static_cast<double>(frame) / static_cast<double>(songFrames));
        const int filled = static_cast<int>(done * 40);
        std::fprintf(stderr, "\r[%.*s%*s] %3d%%%s", filled, "########################################", 40 - filled, "",
                     static_cast<int>(done * 100), frame > songFrames ? " tail" : "");
        std::fflush(stderr);
    }

private:
    bool enabled;
    std::int64_t songFrames;
    bool shown = false;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastShown{};
};

}  // namespace

std::int64_t renderSong(Plugin& plugin, const std::vector<TimedMidi>& song, const RenderSettings& settings,
                        AudioFile& out) {
    const int block = settings.blockSize;
    const std::int64_t songFrames = song.empty() ? 0 : song.back().frame + 1;
    const std::int64_t maxFrames = songFrames + static_cast<std::int64_t>(settings.maxTailSeconds * settings.sampleRate);
    const std::int64_t silentFrames = static_cast<std::int64_t>(kSilentSpan * settings.sampleRate);

    const int outputs = std::max(2, plugin.outputCount());
    const int inputs = std::max(0, plugin.inputCount());
    std::vector<std::vector<float>> buffers(static_cast<std::size_t>(outputs + inputs),
                                            std::vector<float>(static_cast<std::size_t>(block)));
    std::vector<float*> outputPointers, inputPointers;
    for (int i = 0; i < outputs; ++i) outputPointers.push_back(buffers[static_cast<std::size_t>(i)].data());
    for (int i = 0; i < inputs; ++i) inputPointers.push_back(buffers[static_cast<std::size_t>(outputs + i)].data());
    float* left = outputPointers[0];
    // A plug-in with one output is heard on both channels.
    float* right = plugin.outputCount() >= 2 ? outputPointers[1] : outputPointers[0];

    plugin.start(settings.sampleRate, block);
    Progress progress(settings.showProgress, songFrames);
    std::size_t next = 0;
    std::int64_t written = 0;
    std::int64_t quietSince = songFrames;
    while (written < maxFrames) {
        const int frames = static_cast<int>(std::min<std::int64_t>(block, maxFrames - written));
        std::vector<vst2::MidiMessage> messages;
        for (; next < song.size() && song[next].frame < written + frames; ++next) {
            const TimedMidi& event = song[next];
            messages.push_back({static_cast<int>(event.frame - written), event.status, event.data1, event.data2});
        }
        if (!messages.empty()) plugin.instance().sendMidi(messages);
        for (float* input : inputPointers) std::fill(input, input + frames, 0.0f);
        plugin.instance().process(inputPointers.data(), outputPointers.data(), frames);
        plugin.advance(frames);
        out.write(left, right, frames);

        for (int i = 0; i < frames; ++i)
            if (std::fabs(left[i]) > kSilence || std::fabs(right[i]) > kSilence)
                quietSince = std::max(songFrames, written + i + 1);
        written += frames;
        progress.update(written);
        if (written >= songFrames && written - quietSince >= silentFrames) break;
    }
    plugin.stop();
    return written;
}

}  // namespace render
