// Parameter indices shared by both products (index 5 and 17 differ per product).
#pragma once

namespace quorvel::param {

enum : int {
    Detune = 0,
    AmpAttack = 1,
    AmpDecay = 2,
    AmpSustain = 3,
    AmpRelease = 4,
    ReTrig = 5,  // QuorvelMono
    MidCut = 5,  // QuorvelPoly
    Cut = 6,
    Res = 7,
    FilterAttack = 8,
    FilterDecay = 9,
    FilterSustain = 10,
    FilterRelease = 11,
    EnvDepth = 12,
    AmpVelocity = 13,
    FilterVelocity = 14,
    Volume = 15,
    Harsh = 16,
    Slide = 17,  // QuorvelMono
};

}  // namespace quorvel::param
