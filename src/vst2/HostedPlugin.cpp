#include "vst2/HostedPlugin.h"

#include <cstring>

namespace vst2 {

HostedPlugin::HostedPlugin(PluginEntryProc entry, audioMasterCallback hostCallback)
    : effect(entry != nullptr ? entry(hostCallback) : nullptr) {}

HostedPlugin::~HostedPlugin() {
    if (effect != nullptr) close();
}

VstIntPtr HostedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

VstIntPtr HostedPlugin::close() {
    const VstIntPtr answer = dispatch(effClose);
    effect = nullptr;
    return answer;
}

void HostedPlugin::sendMidi(const std::vector<MidiMessage>& messages) {
    midiEvents.assign(messages.size(), VstMidiEvent{});
    // VstEvents ends in a two-entry array; the host allocates as many entries as it sends.
    eventList.assign(sizeof(VstEvents) + messages.size() * sizeof(VstEvent*), 0);
    auto* list = reinterpret_cast<VstEvents*>(eventList.data());
    list->numEvents = static_cast<VstInt32>(messages.size());
    VstEvent** slots = list->events;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        VstMidiEvent& event = midiEvents[i];
        event.type = kVstMidiType;
        event.byteSize = sizeof event;
        event.deltaFrames = messages[i].frame;
        event.midiData[0] = static_cast<char>(messages[i].status);
        event.midiData[1] = static_cast<char>(messages[i].data1);
        event.midiData[2] = static_cast<char>(messages[i].data2);
        slots[i] = reinterpret_cast<VstEvent*>(&event);
    }
    dispatch(effProcessEvents, 0, 0, list);
}

void HostedPlugin::render(float* left, float* right, int frames) {
    float* outputs[2] = {left, right};
    float* inputs[2] = {nullptr, nullptr};
    process(inputs, outputs, frames);
}

void HostedPlugin::process(float** inputs, float** outputs, int frames) {
    effect->processReplacing(effect, inputs, outputs, frames);
}

std::string HostedPlugin::text(VstInt32 opcode, VstInt32 index) {
    char buffer[256] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

}  // namespace vst2
