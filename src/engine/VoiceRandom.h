// The random source of oscillator detune and start phases, one per loaded
// library and shared by every voice of every instance in it.
#pragma once

#include <atomic>
#include <cstdint>

namespace quorvel {

class VoiceRandom {
public:
    static constexpr std::uint32_t kSeed = 656446;
    static constexpr double kModulus = 4294967291.0;

    explicit VoiceRandom(std::uint32_t seed = kSeed) : state(seed) {}

    // Schrage's form of x * 1588635695 mod 4294967291, without the final
    // correction of negative results; the wrap-around is part of the sound.
    static constexpr std::uint32_t next(std::uint32_t s) {
        return 1588635695u * (s % 2u) - 1117695901u * (s / 2u);
    }

    // Instances on different audio threads may draw at once; the update is
    // atomic so no draw is torn or repeated.
    std::int32_t draw() {
        std::uint32_t current = state.load(std::memory_order_relaxed);
        std::uint32_t drawn = next(current);
        while (!state.compare_exchange_weak(current, drawn, std::memory_order_relaxed)) drawn = next(current);
        return static_cast<std::int32_t>(drawn);
    }

    static VoiceRandom& shared();

private:
    std::atomic<std::uint32_t> state;
};

}  // namespace quorvel
