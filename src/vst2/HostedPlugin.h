// Host side: one plug-in instance, driven only through its AEffect record.
#pragma once

#include <string>
#include <vector>

#include "vst2/Vst2.h"

namespace vst2 {

struct MidiMessage {
    int frame;  // delta frame inside the block it is sent with
    unsigned char status, data1, data2;
};

class HostedPlugin {
public:
    // Calls the entry with the host's callback; record() is null when the entry refuses.
    HostedPlugin(PluginEntryProc entry, audioMasterCallback hostCallback);
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    AEffect* record() const { return effect; }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);
    // effClose through the record; the instance is gone afterwards.
    VstIntPtr close();
    // Lets go of a record that must not be called, such as one with a wrong magic.
    void abandon() { effect = nullptr; }
    void sendMidi(const std::vector<MidiMessage>& messages);
    // Renders frames into two output buffers through processReplacing.
    void render(float* left, float* right, int frames);
    // processReplacing with the host's own buffers, one per input and output.
    void process(float** inputs, float** outputs, int frames);
    float getParameter(VstInt32 index) const { return effect->getParameter(effect, index); }
    void setParameter(VstInt32 index, float value) { effect->setParameter(effect, index, value); }
    // A text answer of opcode, such as a parameter name, read into a generous buffer.
    std::string text(VstInt32 opcode, VstInt32 index = 0);

private:
    AEffect* effect;
    std::vector<VstMidiEvent> midiEvents;  // kept until the next list: hosts own the events
    std::vector<char> eventList;
};

}  // namespace vst2
