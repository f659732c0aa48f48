#include "support/RecordingHost.h"

namespace testhost {

using namespace vst2;

std::string pluginFile(const std::string& name) {
#if defined(_WIN32)
    return vst2::besideExecutable(name + ".dll");
#else
    return vst2::besideExecutable(name + ".so");
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

Instance::Instance(const PluginLibrary& library, RecordingHost& /*host*/, const char* entryName)
    : HostedPlugin(library.entry(entryName), &RecordingHost::callback) {}

}  // namespace testhost
