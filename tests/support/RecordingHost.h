// A host callback that records every call and answers like a simple host,
// and a plug-in instance driven only through its AEffect record.
#pragma once

#include <string>
#include <vector>

#include "support/PluginLibrary.h"
#include "vst2/Vst2.h"

namespace testhost {

// File name of a plug-in library on this platform.
std::string pluginFile(const std::string& name);

struct HostCall {
    vst2::AEffect* effect;
    vst2::VstInt32 opcode;
    vst2::VstInt32 index;
    vst2::VstIntPtr value;
    void* ptr;
    float opt;
};

class RecordingHost {
public:
    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    static vst2::VstIntPtr VST_CALL callback(vst2::AEffect* effect, vst2::VstInt32 opcode, vst2::VstInt32 index,
                                             vst2::VstIntPtr value, void* ptr, float opt);

    std::vector<HostCall> calls;
    vst2::VstIntPtr versionAnswer = vst2::kVstVersion;

    std::vector<HostCall> callsOf(vst2::VstInt32 opcode) const;

private:
    static RecordingHost* current;  // the callback carries no context of its own
};

struct MidiMessage {
    int frame;  // delta frame inside the block it is sent with
    unsigned char status, data1, data2;
};

class Instance {
public:
    Instance(const PluginLibrary& library, RecordingHost& host, const char* entryName = "VSTPluginMain");
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    vst2::AEffect* record() const { return effect; }
    vst2::VstIntPtr dispatch(vst2::VstInt32 opcode, vst2::VstInt32 index = 0, vst2::VstIntPtr value = 0,
                             void* ptr = nullptr, float opt = 0.0f);
    // effClose through the record; the instance is gone afterwards.
    vst2::VstIntPtr close();
    void sendMidi(const std::vector<MidiMessage>& messages);
    // Renders frames into left and right through processReplacing.
    void render(float* left, float* right, int frames);
    std::string text(vst2::VstInt32 opcode, vst2::VstInt32 index = 0);

private:
    vst2::AEffect* effect;
};

}  // namespace testhost
