// A VST 2 plug-in loaded for rendering: the library, one instance, and the
// host's answers to it (version, sample rate, block size, transport time).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vst2/HostedPlugin.h"
#include "vst2/PluginLibrary.h"

namespace render {

struct ParameterInfo {
    int index;
    std::string name;
    std::string label;
    std::string display;
    float value;
};

class Plugin {
public:
    // Loads the library and makes an instance; throws RenderError when the
    // file is not a usable VST 2 plug-in.
    explicit Plugin(const std::string& path);
    ~Plugin();

    // Sample rate and block size, then switched on, ready for blocks.
    void start(double sampleRate, int blockSize);
    void stop();

    vst2::HostedPlugin& instance() { return *hosted; }
    int uniqueId() const { return hosted->record()->uniqueID; }
    int version() const { return hosted->record()->version; }
    int parameterCount() const { return hosted->record()->numParams; }
    int inputCount() const { return hosted->record()->numInputs; }
    int outputCount() const { return hosted->record()->numOutputs; }
    bool hasChunks() const;
    std::string effectName();
    std::string vendor();
    std::string product();
    std::vector<ParameterInfo> parameters();

    // Moves the transport on, for plug-ins that ask the host for the time.
    void advance(int frames);

private:
    static vst2::VstIntPtr VST_CALL hostCallback(vst2::AEffect* effect, vst2::VstInt32 opcode, vst2::VstInt32 index,
                                                 vst2::VstIntPtr value, void* ptr, float opt);

    std::string path;
    vst2::PluginLibrary library;
    std::unique_ptr<vst2::HostedPlugin> hosted;
    vst2::VstTimeInfo time{};
    int blockSize = 512;
    bool running = false;
};

}  // namespace render
