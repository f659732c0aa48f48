#include "support/RecordingHost.h"

#include <cstring>

namespace testhost {

using namespace vst2;

std::string pluginFile(const std::string& name) {
#if defined(_WIN32)
    return besideExecutable(name + ".dll");
#else
    return besideExecutable(name + ".so");
#endif
}

RecordingHost* RecordingHost::current = nullptr;

RecordingHost::RecordingHost() { current = this; }

RecordingHost::~RecordingHost() { current = nullptr; }

VstIntPtr VST_CALL RecordingHost::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                           void* ptr, float opt) {
    if (current == nullptr) return 0;
    current->calls.push_back(HostCall{effect, opcode, index, value, ptr, opt});
    switch (opcode) {
    case audioMasterVersion:
        return current->versionAnswer;
    case audioMasterGetSampleRate:
        return 44100;
    case audioMasterGetBlockSize:
        return 512;
    default:
        return 0;
    }
}

std::vector<HostCall> RecordingHost::callsOf(VstInt32 opcode) const {
    std::vector<HostCall> matching;
    for (const HostCall& call : calls)
        if (call.opcode == opcode) matching.push_back(call);
    return matching;
}

Instance::Instance(const PluginLibrary& library, RecordingHost& /*host*/, const char* entryName) {
    PluginEntryProc entry = library.entry(entryName);
    effect = entry != nullptr ? entry(&RecordingHost::callback) : nullptr;
}

Instance::~Instance() {
    if (effect != nullptr) close();
}

VstIntPtr Instance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

VstIntPtr Instance::close() {
    const VstIntPtr answer = dispatch(effClose);
    effect = nullptr;
    return answer;
}

void Instance::sendMidi(const std::vector<MidiMessage>& messages) {
    std::vector<VstMidiEvent> midi(messages.size());
    // VstEvents ends in a two-entry array; the host allocates as many as it sends.
    std::vector<char> storage(sizeof(VstEvents) + messages.size() * sizeof(VstEvent*));
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = static_cast<VstInt32>(messages.size());
    VstEvent** slots = list->events;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        VstMidiEvent& event = midi[i];
        std::memset(&event, 0, sizeof event);
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

void Instance::render(float* left, float* right, int frames) {
    float* outputs[2] = {left, right};
    effect->processReplacing(effect, nullptr, outputs, frames);
}

std::string Instance::text(VstInt32 opcode, VstInt32 index) {
    char buffer[256] = {};
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

}  // namespace testhost
