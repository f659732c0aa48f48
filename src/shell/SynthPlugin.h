// The instrument both products are made of: identity, the parameter surface,
// the single program, the state chunk, and MIDI and audio handed to the engine.
#pragma once

#include "host/ExtendedEffectBase.h"
#include "shell/Product.h"
#include "ui/Window.h"

namespace quorvel {

class EngineBase;

class SynthPlugin : public ExtendedEffectBase {
public:
    static constexpr VstInt32 kUniqueId = vst2::fourCC('Q', 'v', 'r', 'l');

    // The editor shows its windows through windows; without one there is no editor.
    SynthPlugin(vst2::audioMasterCallback hostCallback, const Product& product,
                ui::WindowFactory* windows = ui::nativeWindowFactory());
    ~SynthPlugin() override;

    // The instance for the plug-in entry, or null when memory runs out.
    static EffectBase* create(vst2::audioMasterCallback hostCallback, const Product& product);

    void setSampleRate(float rate) override;
    void setBlockSize(VstInt32 frames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void setProgram(VstInt32 /*program*/) override {}
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParamLabel(VstInt32 index, char* label) override;
    void getParamDisplay(VstInt32 /*index*/, char* /*text*/) override {}
    void getParamName(VstInt32 index, char* text) override;
    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    bool canBeAutomated(VstInt32 /*index*/) override { return true; }
    VstInt32 processEvents(vst2::VstEvents* events) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override { return 1000; }
    VstInt32 canDo(char* text) override;

    EngineBase& getEngine() { return *engine; }
    SynthEditor* getPanel() { return panel; }

private:
    bool isParameter(VstInt32 index) const;

    const Product& product;
    EngineBase* engine = nullptr;
    SynthEditor* panel = nullptr;  // the editor, owned as such by EffectBase
    char programName[vst2::kVstMaxProgNameLen + 1];
};

}  // namespace quorvel
