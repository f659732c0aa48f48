#include "support/ScriptRender.h"

#include <algorithm>
#include <cstring>

namespace testhost {

Rendered renderScript(Instance& instance, float sampleRate, const Script& script) {
    const int largestBlock = *std::max_element(script.blockSizes.begin(), script.blockSizes.end());
    instance.dispatch(vst2::effSetSampleRate, 0, 0, nullptr, sampleRate);
    instance.dispatch(vst2::effSetBlockSize, 0, largestBlock);
    instance.dispatch(vst2::effMainsChanged, 0, 1);

    Rendered out;
    out.left.resize(static_cast<std::size_t>(script.totalFrames));
    out.right.resize(static_cast<std::size_t>(script.totalFrames));
    std::size_t next = 0;
    std::size_t blockIndex = 0;
    for (int start = 0; start < script.totalFrames; ++blockIndex) {
        const int frames = std::min(script.blockSizes[blockIndex % script.blockSizes.size()],
                                    script.totalFrames - start);
        std::vector<MidiMessage> messages;
        for (; next < script.events.size() && script.events[next].frame < start + frames; ++next) {
            const ScriptEvent& event = script.events[next];
            if (event.status == 0)
                instance.record()->setParameter(instance.record(), event.paramIndex, event.paramValue);
            else
                messages.push_back(MidiMessage{event.frame - start, event.status, event.data1, event.data2});
        }
        if (!messages.empty()) instance.sendMidi(messages);
        instance.render(&out.left[static_cast<std::size_t>(start)], &out.right[static_cast<std::size_t>(start)],
                        frames);
        start += frames;
    }
    return out;
}

std::uint64_t checksum(const Rendered& rendered) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::vector<float>* channel : {&rendered.left, &rendered.right}) {
        for (float sample : *channel) {
            std::uint32_t bits;
            std::memcpy(&bits, &sample, sizeof bits);
            for (int byte = 0; byte < 4; ++byte) {
                hash ^= (bits >> (8 * byte)) & 0xFFu;
                hash *= 1099511628211ull;
            }
        }
    }
    return hash;
}

}  // namespace testhost
