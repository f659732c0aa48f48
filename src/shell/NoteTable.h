#pragma once

namespace quorvel {

// Equal-tempered frequency of MIDI note k in hertz, entry 69 at 440 Hz.
// Built once per library by repeated multiplication, as the instruments were tuned.
const float* noteFrequencies();

}  // namespace quorvel
