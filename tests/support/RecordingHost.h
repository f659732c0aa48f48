// A host callback that records every call and answers like a simple host,
// and a plug-in instance driven only through its AEffect record.
#pragma once

#include <string>
#include <vector>

#include "vst2/HostedPlugin.h"
#include "vst2/PluginLibrary.h"
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

using vst2::MidiMessage;
using vst2::PluginLibrary;

// A plug-in instance made through the library's entry with the recording host.
class Instance : public vst2::HostedPlugin {
public:
    Instance(const PluginLibrary& library, RecordingHost& host, const char* entryName = "VSTPluginMain");
};

}  // namespace testhost
