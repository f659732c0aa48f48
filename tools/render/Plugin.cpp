#include "Plugin.h"

#include <cstring>
#include <fstream>

#include "RenderError.h"

namespace render {

using namespace vst2;

namespace {

// The callback carries no context of its own; the tool hosts one plug-in.
Plugin* current = nullptr;
double currentRate = 44100.0;

}  // namespace

VstIntPtr VST_CALL Plugin::hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    switch (opcode) {
    case audioMasterVersion:
        return kVstVersion;
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(currentRate);
    case audioMasterGetBlockSize:
        return current != nullptr ? current->blockSize : 512;
    case audioMasterGetTime:
        return current != nullptr ? reinterpret_cast<VstIntPtr>(&current->time) : 0;
    case audioMasterGetVendorString:
        if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "quorvel-render");
        return 1;
    case audioMasterGetProductString:
        if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "quorvel-render");
        return 1;
    case audioMasterCanDo:
        return ptr != nullptr && (std::strcmp(static_cast<char*>(ptr), "sendVstEvents") == 0 ||
                                  std::strcmp(static_cast<char*>(ptr), "sendVstMidiEvent") == 0 ||
                                  std::strcmp(static_cast<char*>(ptr), "sendVstTimeInfo") == 0)
                   ? 1
                   : 0;
    default:
        return 0;
    }
}

Plugin::Plugin(const std::string& path) : path(path), library(path) {
    if (!std::ifstream(path, std::ios::binary)) throw RenderError("cannot read plug-in '" + path + "'");
    if (!library.isLoaded()) throw RenderError("cannot load '" + path + "': " + library.error());
    PluginEntryProc entry = library.entry("VSTPluginMain");
    if (entry == nullptr) entry = library.entry("main");
    if (entry == nullptr) throw RenderError("'" + path + "' is not a VST 2 plug-in (no VSTPluginMain or main)");
    hosted = std::make_unique<HostedPlugin>(entry, hostCallback);
    AEffect* record = hosted->record();
    if (record == nullptr) {
        hosted.reset();
        throw RenderError("'" + path + "' refused to start: its entry returned no effect");
    }
    if (record->magic != kEffectMagic) {
        hosted->abandon();  // never call into a record we do not understand
        hosted.reset();
        throw RenderError("'" + path + "' returned something that is not a VST 2 effect");
    }
    if (record->numOutputs < 1 || record->numOutputs > 64 || record->numInputs < 0 || record->numInputs > 64) {
        hosted.reset();
        throw RenderError("'" + path + "' has an unusable number of inputs or outputs");
    }
    current = this;
    hosted->dispatch(effOpen);
}

Plugin::~Plugin() {
    if (hosted != nullptr) stop();
    hosted.reset();
    current = nullptr;
}

void Plugin::start(double sampleRate, int frames) {
    currentRate = sampleRate;
    blockSize = frames;
    time = VstTimeInfo{};
    time.sampleRate = sampleRate;
    time.tempo = 120.0;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    hosted->dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    hosted->dispatch(effSetBlockSize, 0, frames);
    hosted->dispatch(effMainsChanged, 0, 1);
    hosted->dispatch(effStartProcess);
    running = true;
}

void Plugin::stop() {
    if (!running) return;
    hosted->dispatch(effStopProcess);
    hosted->dispatch(effMainsChanged, 0, 0);
    running = false;
}

void Plugin::advance(int frames) { time.samplePos += frames; }

bool Plugin::hasChunks() const { return (hosted->record()->flags & effFlagsProgramChunks) != 0; }

std::string Plugin::effectName() { return hosted->text(effGetEffectName); }
std::string Plugin::vendor() { return hosted->text(effGetVendorString); }
std::string Plugin::product() { return hosted->text(effGetProductString); }

std::vector<ParameterInfo> Plugin::parameters() {
    std::vector<ParameterInfo> all;
    for (int i = 0; i < parameterCount(); ++i)
        all.push_back(ParameterInfo{i, hosted->text(effGetParamName, i), hosted->text(effGetParamLabel, i),
                                    hosted->text(effGetParamDisplay, i), hosted->getParameter(i)});
    return all;
}

}  // namespace render
