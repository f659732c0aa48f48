// A minimal effect built only from the effect base classes, so the plug-in
// boundary can be tested from outside without an instrument behind it.
#include <atomic>
#include <string_view>

#include "editor/EditorBase.h"
#include "host/ExtendedEffectBase.h"
#include "host/PluginEntry.h"

namespace {

std::atomic<int> liveInstances{0};

class KeyEditor : public quorvel::EditorBase {
public:
    using EditorBase::EditorBase;
    bool keyDown(vst2::VstKeyCode& key) override {
        lastKey = key;
        return true;
    }
    vst2::VstKeyCode lastKey{};
};

class TestEffect : public quorvel::ExtendedEffectBase {
public:
    explicit TestEffect(vst2::audioMasterCallback hostCallback) : ExtendedEffectBase(hostCallback, 1, 2) {
        editor = keyEditor = new KeyEditor(this);
        ++liveInstances;
    }
    ~TestEffect() override { --liveInstances; }

    void processReplacing(float** /*inputs*/, float** outputs, vst2::VstInt32 sampleFrames) override {
        for (vst2::VstInt32 i = 0; i < sampleFrames; ++i) outputs[0][i] = outputs[1][i] = 0.5f;
    }
    // Lets the test see that close ran before the object went away.
    void close() override { hostIdle(); }
    vst2::VstInt32 canDo(char* text) override {
        return std::string_view(text) == "receiveVstMidiEvent" ? 1 : -1;
    }
    // Index 1, 2, 3: modifier, virtual key and character of the last key the editor got.
    vst2::VstIntPtr vendorSpecific(vst2::VstInt32 index, vst2::VstIntPtr, void*, float) override {
        switch (index) {
        case 1: return keyEditor->lastKey.modifier;
        case 2: return keyEditor->lastKey.virt;
        case 3: return keyEditor->lastKey.character;
        default: return 0;
        }
    }

private:
    KeyEditor* keyEditor;
};

}  // namespace

namespace quorvel {

EffectBase* createInstance(vst2::audioMasterCallback hostCallback) { return new TestEffect(hostCallback); }

}  // namespace quorvel

VST_EXPORT int VST_CALL testEffectLiveInstances() { return liveInstances.load(); }
