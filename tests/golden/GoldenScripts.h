// The fixed scripts behind the golden renders and the checksums of their
// sound. A change of a checksum changes what users hear: make it on purpose
// and say why in the commit.
#pragma once

#include <cstdint>

#include "support/ScriptRender.h"

namespace golden {

using testhost::midi;
using testhost::parameter;

// A bass line: legato overlap with glide, a release, retriggered notes with
// their own velocity, all notes off, and a chord of two keys on one frame.
inline const testhost::Script& monoScript() {
    static const testhost::Script script{
        {
            midi(0, 0x90, 45, 100),
            midi(5000, 0x90, 48, 80),
            midi(9000, 0x80, 45, 0),
            midi(12000, 0x80, 48, 64),
            parameter(13000, 5, 1.0f),
            midi(13000, 0x91, 52, 127),
            midi(16000, 0x92, 55, 60),
            midi(20000, 0x90, 55, 0),
            midi(24000, 0xB1, 123, 0),
            parameter(26000, 17, 0.2f),
            midi(26000, 0x90, 40, 90),
            midi(26000, 0x90, 64, 110),
            midi(30000, 0x80, 64, 0),
            midi(31000, 0x80, 40, 0),
        },
        {512, 300, 97, 1024, 1},
        40000,
    };
    return script;
}

// Chords beyond eight notes, two keys of one pitch, "Mid Cut" changed while
// playing and controller 126.
inline const testhost::Script& polyScript() {
    static const testhost::Script script{
        {
            midi(0, 0x90, 48, 100),
            midi(0, 0x90, 52, 90),
            midi(0, 0x90, 55, 80),
            midi(10, 0x90, 59, 70),
            midi(20, 0x90, 62, 60),
            midi(3000, 0x90, 64, 100),
            midi(3000, 0x90, 67, 100),
            midi(3001, 0x90, 71, 100),
            midi(3500, 0x90, 74, 127),
            midi(8000, 0x80, 48, 0),
            midi(8000, 0x90, 52, 0),
            midi(9000, 0x90, 60, 100),
            midi(9400, 0x90, 60, 50),
            parameter(12000, 5, 1.0f),
            midi(14000, 0x80, 60, 0),
            midi(16000, 0xB3, 126, 0),
            midi(17000, 0x90, 45, 100),
            midi(17000, 0x90, 57, 100),
            midi(17000, 0x90, 69, 100),
            midi(20000, 0x80, 45, 0),
            midi(20000, 0x80, 57, 0),
            parameter(21000, 5, 0.5f),
            midi(24000, 0x80, 69, 0),
        },
        {512, 300, 97, 1024, 1},
        30000,
    };
    return script;
}

struct GoldenChecksum {
    float sampleRate;
    std::uint64_t mono;
    std::uint64_t poly;
};

inline constexpr GoldenChecksum kChecksums[] = {
    {44100.0f, 0x4d4d34168162db5aull, 0x18ae1d4f68da82efull},
    {48000.0f, 0xc3155116b13aa9cbull, 0x248f6f76efcdcb7full},
};

}  // namespace golden
