#include "shell/NoteTable.h"

namespace quorvel {

namespace {

struct NoteTable {
    float entries[128];
    NoteTable() {
        double x = 8.175798915636872;
        for (float& entry : entries) {
            entry = static_cast<float>(x);
            x *= 1.059463094359;
        }
    }
};

}  // namespace

const float* noteFrequencies() {
    static const NoteTable table;
    return table.entries;
}

}  // namespace quorvel
