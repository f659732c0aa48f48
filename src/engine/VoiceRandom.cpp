#include "engine/VoiceRandom.h"

namespace quorvel {

VoiceRandom& VoiceRandom::shared() {
    static VoiceRandom instance;
    return instance;
}

}  // namespace quorvel
