// The effect object behind the AEffect record: owns the record, turns the
// record's plain entry points into virtual operations and gives each a default.
#pragma once

#include "vst2/Vst2.h"

namespace quorvel {

class EditorBase;

using vst2::VstInt32;
using vst2::VstIntPtr;

class EffectBase {
public:
    EffectBase(vst2::audioMasterCallback hostCallback, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~EffectBase();
    EffectBase(const EffectBase&) = delete;
    EffectBase& operator=(const EffectBase&) = delete;

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void mainsOff() {}
    virtual void mainsOn() {}
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(VstInt32 frames) { blockSize = frames; }
    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/, VstInt32 /*sampleFrames*/) {}
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
    virtual float getParameter(VstInt32 /*index*/) { return 0.0f; }
    virtual void automateParameter(VstInt32 index, float value);
    virtual VstInt32 getProgram() { return curProgram; }
    virtual void setProgram(VstInt32 program) { curProgram = program; }
    virtual void setProgramName(char* /*name*/) {}
    virtual void getProgramName(char* name) { name[0] = '\0'; }
    virtual void getParamLabel(VstInt32 /*index*/, char* label) { label[0] = '\0'; }
    virtual void getParamDisplay(VstInt32 /*index*/, char* text) { text[0] = '\0'; }
    virtual void getParamName(VstInt32 /*index*/, char* text) { text[0] = '\0'; }
    virtual VstInt32 getChunk(void** /*data*/, bool /*isPreset*/) { return 0; }
    virtual VstInt32 setChunk(void* /*data*/, VstInt32 /*byteSize*/, bool /*isPreset*/) { return 0; }
    virtual void setUniqueId(VstInt32 id) { effectRecord.uniqueID = id; }
    virtual void setNumInputs(VstInt32 inputs) { effectRecord.numInputs = inputs; }
    virtual void setNumOutputs(VstInt32 outputs) { effectRecord.numOutputs = outputs; }
    virtual void setFlagCanReplacing(bool on) { setFlag(vst2::effFlagsCanReplacing, on); }
    virtual void setFlagCanDoubleReplacing(bool on) { setFlag(vst2::effFlagsCanDoubleReplacing, on); }
    virtual void setFlagProgramChunks(bool on) { setFlag(vst2::effFlagsProgramChunks, on); }
    virtual void setInitialDelay(VstInt32 delay) { effectRecord.initialDelay = delay; }
    virtual EditorBase* getEditor() { return editor; }
    virtual vst2::AEffect* getEffectRecord() { return &effectRecord; }
    virtual float getSampleRate() { return sampleRate; }
    virtual VstInt32 getBlockSize() { return blockSize; }
    virtual VstInt32 hostVersion();
    virtual VstInt32 hostCurrentId();
    virtual void hostIdle();
    virtual void decibelsToText(float gain, char* text, int maxLen);
    virtual void samplesToHertzText(float samples, char* text, int maxLen);
    virtual void samplesToMillisecondsText(float samples, char* text, int maxLen);
    virtual void floatToText(float value, char* text, int maxLen);
    virtual void intToText(VstInt32 value, char* text, int maxLen);
    virtual void process(float** /*inputs*/, float** /*outputs*/, VstInt32 /*sampleFrames*/) {}
    virtual float getMeterLevel() { return 0.0f; }
    virtual void setFlagHasVu(bool on) { setFlag(vst2::effFlagsHasVu, on); }
    virtual void setFlagHasClip(bool on) { setFlag(vst2::effFlagsHasClip, on); }
    virtual void setFlagCanMono(bool on) { setFlag(vst2::effFlagsCanMono, on); }
    virtual void setRealQualities(VstInt32 qualities) { effectRecord.realQualities = qualities; }
    virtual void setOffQualities(VstInt32 qualities) { effectRecord.offQualities = qualities; }
    virtual bool hostInputConnected(VstInt32 index);
    virtual bool hostOutputConnected(VstInt32 index);

protected:
    void setFlag(VstInt32 bit, bool on);
    // One call to the host, or the fixed answer when there is no callback.
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt,
                       VstIntPtr withoutHost);

    vst2::audioMasterCallback hostCallback;
    EditorBase* editor = nullptr;
    float sampleRate = 44100.0f;
    VstInt32 blockSize = 1024;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 curProgram = 0;
    vst2::AEffect effectRecord;
};

}  // namespace quorvel
