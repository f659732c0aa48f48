// The second generation of the effect base: opcodes 25 to 79, the later host
// calls, asking for MIDI when switched on, and the speaker-arrangement helpers.
#pragma once

#include "host/EffectBase.h"

namespace quorvel {

class ExtendedEffectBase : public EffectBase {
public:
    using EffectBase::EffectBase;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) override;
    void mainsOn() override;

    virtual bool canBeAutomated(VstInt32 /*index*/) { return false; }
    virtual bool string2Parameter(VstInt32 /*index*/, char* /*text*/) { return false; }
    virtual bool getParameterProperties(VstInt32 /*index*/, void* /*properties*/) { return false; }
    virtual bool hostBeginEdit(VstInt32 index);
    virtual bool hostEndEdit(VstInt32 index);
    virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/, char* /*text*/) { return false; }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual VstInt32 beginLoadBank(void* /*patchInfo*/) { return 0; }
    virtual VstInt32 beginLoadProgram(void* /*patchInfo*/) { return 0; }
    virtual bool hostIoChanged();
    virtual float hostGetSampleRate();
    virtual VstInt32 hostGetBlockSize();
    virtual VstInt32 hostGetInputLatency();
    virtual VstInt32 hostGetOutputLatency();
    virtual bool getInputProperties(VstInt32 /*index*/, void* /*properties*/) { return false; }
    virtual bool getOutputProperties(VstInt32 /*index*/, void* /*properties*/) { return false; }
    virtual bool setSpeakerArrangement(vst2::VstSpeakerArrangement* /*input*/,
                                       vst2::VstSpeakerArrangement* /*output*/) {
        return false;
    }
    virtual bool getSpeakerArrangement(vst2::VstSpeakerArrangement** input, vst2::VstSpeakerArrangement** output);
    virtual bool setBypass(bool /*on*/) { return false; }
    virtual bool setPanLaw(VstInt32 /*type*/, float /*gain*/) { return false; }
    virtual bool setProcessPrecision(VstInt32 /*precision*/) { return false; }
    virtual VstInt32 getNumMidiInputChannels() { return 0; }
    virtual VstInt32 getNumMidiOutputChannels() { return 0; }
    virtual vst2::VstTimeInfo* hostGetTime(VstInt32 filter);
    virtual VstInt32 hostGetCurrentProcessLevel();
    virtual VstInt32 hostGetAutomationState();
    virtual VstInt32 processEvents(vst2::VstEvents* /*events*/) { return 0; }
    virtual VstInt32 startProcess() { return 0; }
    virtual VstInt32 stopProcess() { return 0; }
    virtual bool processVarIo(void* /*varIo*/) { return false; }
    virtual VstInt32 setTotalSampleToProcess(VstInt32 value) { return value; }
    virtual bool hostGetVendorString(char* text);
    virtual bool hostGetProductString(char* text);
    virtual VstInt32 hostGetVendorVersion();
    virtual VstIntPtr hostVendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt);
    virtual bool hostCanDo(char* text);
    virtual VstInt32 hostGetLanguage();
    virtual void setFlagIsSynth(bool on) { setFlag(vst2::effFlagsIsSynth, on); }
    virtual void setFlagNoSoundInStop(bool on) { setFlag(vst2::effFlagsNoSoundInStop, on); }
    virtual VstInt32 getTailSize() { return 0; }
    virtual void* hostGetDirectory();
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual VstInt32 getVendorVersion() { return 0; }
    virtual VstIntPtr vendorSpecific(VstInt32 /*index*/, VstIntPtr /*value*/, void* /*ptr*/, float /*opt*/) {
        return 0;
    }
    virtual VstInt32 canDo(char* /*text*/) { return 0; }
    virtual VstInt32 getVstVersion() { return vst2::kVstVersion; }
    virtual VstInt32 getPlugCategory() { return (effectRecord.flags & vst2::effFlagsIsSynth) >> 7; }
    virtual VstInt32 getMidiProgramName(VstInt32 /*channel*/, void* /*name*/) { return 0; }
    virtual VstInt32 getCurrentMidiProgram(VstInt32 /*channel*/, void* /*name*/) { return -1; }
    virtual VstInt32 getMidiProgramCategory(VstInt32 /*channel*/, void* /*category*/) { return 0; }
    virtual bool hasMidiProgramsChanged(VstInt32 /*channel*/) { return false; }
    virtual bool getMidiKeyName(VstInt32 /*channel*/, void* /*keyName*/) { return false; }
    virtual bool hostUpdateDisplay();
    virtual bool hostSizeWindow(VstInt32 width, VstInt32 height);
    virtual bool hostOpenFileSelector(void* selector);
    virtual bool hostCloseFileSelector(void* selector);
    virtual VstInt32 shellGetNextPlugin(char* /*name*/) { return 0; }
    virtual bool allocateSpeakerArrangement(vst2::VstSpeakerArrangement** slot, VstInt32 channels);
    virtual bool freeSpeakerArrangement(vst2::VstSpeakerArrangement** slot);
    virtual bool copySpeakerProperties(vst2::VstSpeakerProperties* to, const vst2::VstSpeakerProperties* from);
    virtual bool copySpeakerArrangement(vst2::VstSpeakerArrangement** slot, const vst2::VstSpeakerArrangement* from);
    virtual bool hostOfflineRead(void* task, VstInt32 option, bool readSource);
    virtual bool hostOfflineWrite(void* task, VstInt32 option);
    virtual bool hostOfflineStart(void* files, VstInt32 fileCount, VstInt32 newFileCount);
    virtual bool hostOfflineGetCurrentPass();
    virtual bool hostOfflineGetCurrentMetaPass();
    virtual bool offlineNotify(void* /*audioFiles*/, VstInt32 /*count*/, bool /*start*/) { return false; }
    virtual bool offlinePrepare(void* /*tasks*/, VstInt32 /*count*/) { return false; }
    virtual bool offlineRun(void* /*tasks*/, VstInt32 /*count*/) { return false; }
    virtual VstInt32 hostWantMidi(VstInt32 filter);
    virtual VstInt32 hostTempoAt(VstInt32 position);
    virtual VstInt32 hostGetNumAutomatableParameters();
    virtual VstInt32 hostGetParameterQuantization();
    virtual bool hostNeedIdle();
    virtual vst2::AEffect* hostGetPreviousPlug();
    virtual vst2::AEffect* hostGetNextPlug();
    virtual VstInt32 hostWillReplaceOrAccumulate();
    virtual void setFlagExtIsAsync(bool on) { setFlag(vst2::effFlagsExtIsAsync, on); }
    virtual void setFlagExtHasBuffer(bool on) { setFlag(vst2::effFlagsExtHasBuffer, on); }
    virtual void hostSetOutputSampleRate(float rate);
    virtual vst2::VstSpeakerArrangement* hostGetInputSpeakerArrangement();
    virtual vst2::VstSpeakerArrangement* hostGetOutputSpeakerArrangement();
    virtual VstIntPtr hostOpenWindow(void* window);
    virtual bool hostCloseWindow(void* window);
    virtual void setBlockSizeAndSampleRate(VstInt32 frames, float rate) {
        blockSize = frames;
        sampleRate = rate;
    }
    virtual bool hostGetChunkFile(void* buffer);

private:
    bool hostTruth(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr) {
        return callHost(opcode, index, value, ptr, 0.0f, 0) != 0;
    }
    VstInt32 hostValue(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0) {
        return static_cast<VstInt32>(callHost(opcode, index, value, nullptr, 0.0f, 0));
    }
    template <typename T>
    T* hostPointer(VstInt32 opcode, VstIntPtr value = 0) {
        return reinterpret_cast<T*>(callHost(opcode, 0, value, nullptr, 0.0f, 0));
    }
};

}  // namespace quorvel
