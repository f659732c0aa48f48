#include "host/EffectBase.h"

#include <cstring>

#include "editor/EditorBase.h"

namespace quorvel {

namespace {

EffectBase* objectOf(vst2::AEffect* effect) { return static_cast<EffectBase*>(effect->object); }

VstIntPtr VST_CALL dispatchEntry(vst2::AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                 void* ptr, float opt) {
    EffectBase* object = objectOf(effect);
    if (opcode == vst2::effClose) {
        object->dispatcher(opcode, index, value, ptr, opt);
        delete object;
        return 1;
    }
    return object->dispatcher(opcode, index, value, ptr, opt);
}

void VST_CALL processEntry(vst2::AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames) {
    objectOf(effect)->process(inputs, outputs, sampleFrames);
}

void VST_CALL processReplacingEntry(vst2::AEffect* effect, float** inputs, float** outputs,
                                    VstInt32 sampleFrames) {
    objectOf(effect)->processReplacing(inputs, outputs, sampleFrames);
}

void VST_CALL processDoubleReplacingEntry(vst2::AEffect* effect, double** inputs, double** outputs,
                                          VstInt32 sampleFrames) {
    objectOf(effect)->processDoubleReplacing(inputs, outputs, sampleFrames);
}

void VST_CALL setParameterEntry(vst2::AEffect* effect, VstInt32 index, float value) {
    objectOf(effect)->setParameter(index, value);
}

float VST_CALL getParameterEntry(vst2::AEffect* effect, VstInt32 index) {
    return objectOf(effect)->getParameter(index);
}

// Opcodes whose operations read or write through ptr; a host that passes null
// gets 0 and nothing is called.
bool needsPointer(VstInt32 opcode) {
    switch (opcode) {
    case vst2::effSetProgramName:
    case vst2::effGetProgramName:
    case vst2::effGetParamLabel:
    case vst2::effGetParamDisplay:
    case vst2::effGetParamName:
    case vst2::effEditGetRect:
    case vst2::effEditOpen:
    case vst2::effGetChunk:
    case vst2::effSetChunk:
        return true;
    default:
        return false;
    }
}

}  // namespace

EffectBase::EffectBase(vst2::audioMasterCallback hostCallback, VstInt32 numPrograms, VstInt32 numParams)
    : hostCallback(hostCallback), numPrograms(numPrograms), numParams(numParams) {
    std::memset(&effectRecord, 0, sizeof effectRecord);
    effectRecord.magic = vst2::kEffectMagic;
    effectRecord.dispatcher = dispatchEntry;
    effectRecord.process = processEntry;
    effectRecord.setParameter = setParameterEntry;
    effectRecord.getParameter = getParameterEntry;
    effectRecord.numPrograms = numPrograms;
    effectRecord.numParams = numParams;
    effectRecord.numInputs = 1;
    effectRecord.numOutputs = 2;
    effectRecord.flags = vst2::effFlagsCanReplacing;
    effectRecord.ioRatio = 1.0f;
    effectRecord.object = this;
    effectRecord.uniqueID = vst2::fourCC('N', 'o', 'E', 'f');
    effectRecord.version = 1;
    effectRecord.processReplacing = processReplacingEntry;
    effectRecord.processDoubleReplacing = processDoubleReplacingEntry;
}

EffectBase::~EffectBase() { delete editor; }

void EffectBase::setFlag(VstInt32 bit, bool on) {
    if (on)
        effectRecord.flags |= bit;
    else
        effectRecord.flags &= ~bit;
}

VstIntPtr EffectBase::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt,
                               VstIntPtr withoutHost) {
    if (hostCallback == nullptr) return withoutHost;
    return hostCallback(&effectRecord, opcode, index, value, ptr, opt);
}

VstIntPtr EffectBase::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    if (ptr == nullptr && needsPointer(opcode)) return 0;
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case vst2::effOpen:
        open();
        return 0;
    case vst2::effClose:
        close();
        return 0;
    case vst2::effSetProgram:
        if (value < numPrograms) setProgram(static_cast<VstInt32>(value));
        return 0;
    case vst2::effGetProgram:
        return getProgram();
    case vst2::effSetProgramName:
        setProgramName(text);
        return 0;
    case vst2::effGetProgramName:
        getProgramName(text);
        return 0;
    case vst2::effGetParamLabel:
        getParamLabel(index, text);
        return 0;
    case vst2::effGetParamDisplay:
        getParamDisplay(index, text);
        return 0;
    case vst2::effGetParamName:
        getParamName(index, text);
        return 0;
    case vst2::effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case vst2::effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case vst2::effMainsChanged:
        if (value == 0)
            mainsOff();
        else
            mainsOn();
        return 0;
    case vst2::effEditGetRect:
        return editor != nullptr && editor->getRect(static_cast<vst2::ERect**>(ptr)) ? 1 : 0;
    case vst2::effEditOpen:
        return editor != nullptr && editor->open(ptr) ? 1 : 0;
    case vst2::effEditClose:
        if (editor != nullptr) editor->close();
        return 0;
    case vst2::effEditIdle:
        if (editor != nullptr) editor->idle();
        return 0;
    case vst2::effIdentify:
        return vst2::fourCC('N', 'v', 'E', 'f');
    case vst2::effGetChunk:
        return getChunk(static_cast<void**>(ptr), index != 0);
    case vst2::effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}

void EffectBase::automateParameter(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(vst2::audioMasterAutomate, index, 0, nullptr, value, 0);
}

VstInt32 EffectBase::hostVersion() {
    const VstIntPtr version = callHost(vst2::audioMasterVersion, 0, 0, nullptr, 0.0f, 1);
    return version == 0 ? 1 : static_cast<VstInt32>(version);
}

VstInt32 EffectBase::hostCurrentId() {
    return static_cast<VstInt32>(callHost(vst2::audioMasterCurrentId, 0, 0, nullptr, 0.0f, 0));
}

void EffectBase::hostIdle() { callHost(vst2::audioMasterIdle, 0, 0, nullptr, 0.0f, 0); }

bool EffectBase::hostInputConnected(VstInt32 index) {
    return callHost(vst2::audioMasterPinConnected, index, 0, nullptr, 0.0f, 0) == 0;
}

bool EffectBase::hostOutputConnected(VstInt32 index) {
    return callHost(vst2::audioMasterPinConnected, index, 1, nullptr, 0.0f, 0) == 0;
}

}  // namespace quorvel
