#include "host/ExtendedEffectBase.h"

#include <cstdlib>
#include <cstring>

#include "editor/EditorBase.h"
#include "host/TextCopy.h"

namespace quorvel {

using namespace vst2;

namespace {

VstIntPtr truth(bool answer) { return answer ? 1 : 0; }

// Operations that dereference ptr; a null ptr from the host answers 0.
bool needsPointer(VstInt32 opcode) {
    switch (opcode) {
    case effProcessEvents:
    case effString2Parameter:
    case effGetProgramNameIndexed:
    case effGetInputProperties:
    case effGetOutputProperties:
    case effGetEffectName:
    case effGetVendorString:
    case effGetProductString:
    case effCanDo:
    case effGetParameterProperties:
    case effGetMidiProgramName:
    case effGetMidiProgramCategory:
    case effGetMidiKeyName:
    case effShellGetNextPlugin:
        return true;
    default:
        return false;
    }
}

VstKeyCode keyCodeOf(VstInt32 index, VstIntPtr value, float opt) {
    VstKeyCode key{};
    key.character = index;
    key.virt = static_cast<unsigned char>(value & 0xFF);
    // Truncation toward zero; the guard keeps out-of-range floats defined.
    const float clamped = opt > -2147483648.0f && opt < 2147483648.0f ? opt : 0.0f;
    key.modifier = static_cast<unsigned char>(static_cast<VstInt32>(clamped) & 0xFF);
    return key;
}

}  // namespace

VstIntPtr ExtendedEffectBase::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                         float opt) {
    if (opcode < effProcessEvents || opcode > effGetNumMidiOutputChannels)
        return EffectBase::dispatcher(opcode, index, value, ptr, opt);
    if (ptr == nullptr && needsPointer(opcode)) return 0;
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<VstEvents*>(ptr));
    case effCanBeAutomated:
        return truth(canBeAutomated(index));
    case effString2Parameter:
        return truth(string2Parameter(index, text));
    case effGetProgramNameIndexed:
        return truth(getProgramNameIndexed(static_cast<VstInt32>(value), index, text));
    case effGetInputProperties:
        return truth(getInputProperties(index, ptr));
    case effGetOutputProperties:
        return truth(getOutputProperties(index, ptr));
    case effGetPlugCategory:
        return getPlugCategory();
    case effOfflineNotify:
        return truth(offlineNotify(ptr, static_cast<VstInt32>(value), index != 0));
    case effOfflinePrepare:
        return truth(offlinePrepare(ptr, static_cast<VstInt32>(value)));
    case effOfflineRun:
        return truth(offlineRun(ptr, static_cast<VstInt32>(value)));
    case effProcessVarIo:
        return truth(processVarIo(ptr));
    case effSetSpeakerArrangement:
        return truth(setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                           static_cast<VstSpeakerArrangement*>(ptr)));
    case effSetBypass:
        return truth(setBypass(value != 0));
    case effGetEffectName:
        return truth(getEffectName(text));
    case effGetVendorString:
        return truth(getVendorString(text));
    case effGetProductString:
        return truth(getProductString(text));
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return canDo(text);
    case effGetTailSize:
        return getTailSize();
    case effGetParameterProperties:
        return truth(getParameterProperties(index, ptr));
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (editor == nullptr) return 0;
        VstKeyCode key = keyCodeOf(index, value, opt);
        return truth(opcode == effEditKeyDown ? editor->keyDown(key) : editor->keyUp(key));
    }
    case effSetEditKnobMode:
        return editor != nullptr && editor->setKnobMode(static_cast<int>(value)) ? 1 : 0;
    case effGetMidiProgramName:
        return getMidiProgramName(index, ptr);
    case effGetCurrentMidiProgram:
        return getCurrentMidiProgram(index, ptr);
    case effGetMidiProgramCategory:
        return getMidiProgramCategory(index, ptr);
    case effHasMidiProgramsChanged:
        return truth(hasMidiProgramsChanged(index));
    case effGetMidiKeyName:
        return truth(getMidiKeyName(index, ptr));
    case effBeginSetProgram:
        return truth(beginSetProgram());
    case effEndSetProgram:
        return truth(endSetProgram());
    case effGetSpeakerArrangement:
        return truth(getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                           static_cast<VstSpeakerArrangement**>(ptr)));
    case effShellGetNextPlugin:
        return shellGetNextPlugin(text);
    case effStartProcess:
        return startProcess();
    case effStopProcess:
        return stopProcess();
    case effSetTotalSampleToProcess:
        return setTotalSampleToProcess(static_cast<VstInt32>(value));
    case effSetPanLaw:
        return truth(setPanLaw(static_cast<VstInt32>(value), opt));
    case effBeginLoadBank:
        return beginLoadBank(ptr);
    case effBeginLoadProgram:
        return beginLoadProgram(ptr);
    case effSetProcessPrecision:
        return truth(setProcessPrecision(static_cast<VstInt32>(value)));
    case effGetNumMidiInputChannels:
        return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        return EffectBase::dispatcher(opcode, index, value, ptr, opt);
    }
}

void ExtendedEffectBase::mainsOn() {
    if ((effectRecord.flags & effFlagsIsSynth) == 0) {
        char receive[] = "receiveVstMidiEvent";
        if (canDo(receive) != 1) return;
    }
    hostWantMidi(1);
}

bool ExtendedEffectBase::getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output) {
    if (input != nullptr) *input = nullptr;
    if (output != nullptr) *output = nullptr;
    return false;
}

bool ExtendedEffectBase::hostBeginEdit(VstInt32 index) { return hostTruth(audioMasterBeginEdit, index); }
bool ExtendedEffectBase::hostEndEdit(VstInt32 index) { return hostTruth(audioMasterEndEdit, index); }
bool ExtendedEffectBase::hostIoChanged() { return hostTruth(audioMasterIOChanged); }

float ExtendedEffectBase::hostGetSampleRate() {
    const VstIntPtr rate = callHost(audioMasterGetSampleRate, 0, 0, nullptr, 0.0f, 0);
    if (rate > 0) sampleRate = static_cast<float>(rate);
    return sampleRate;
}

VstInt32 ExtendedEffectBase::hostGetBlockSize() {
    const VstIntPtr frames = callHost(audioMasterGetBlockSize, 0, 0, nullptr, 0.0f, 0);
    if (frames > 0) blockSize = static_cast<VstInt32>(frames);
    return blockSize;
}

VstInt32 ExtendedEffectBase::hostGetInputLatency() { return hostValue(audioMasterGetInputLatency); }
VstInt32 ExtendedEffectBase::hostGetOutputLatency() { return hostValue(audioMasterGetOutputLatency); }
VstTimeInfo* ExtendedEffectBase::hostGetTime(VstInt32 filter) {
    return hostPointer<VstTimeInfo>(audioMasterGetTime, filter);
}
VstInt32 ExtendedEffectBase::hostGetCurrentProcessLevel() { return hostValue(audioMasterGetCurrentProcessLevel); }
VstInt32 ExtendedEffectBase::hostGetAutomationState() { return hostValue(audioMasterGetAutomationState); }
bool ExtendedEffectBase::hostGetVendorString(char* text) {
    return hostTruth(audioMasterGetVendorString, 0, 0, text);
}
bool ExtendedEffectBase::hostGetProductString(char* text) {
    return hostTruth(audioMasterGetProductString, 0, 0, text);
}
VstInt32 ExtendedEffectBase::hostGetVendorVersion() { return hostValue(audioMasterGetVendorVersion); }
VstIntPtr ExtendedEffectBase::hostVendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    return callHost(audioMasterVendorSpecific, index, value, ptr, opt, 0);
}
bool ExtendedEffectBase::hostCanDo(char* text) { return hostTruth(audioMasterCanDo, 0, 0, text); }
VstInt32 ExtendedEffectBase::hostGetLanguage() { return hostValue(audioMasterGetLanguage); }
void* ExtendedEffectBase::hostGetDirectory() { return hostPointer<void>(audioMasterGetDirectory); }
bool ExtendedEffectBase::hostUpdateDisplay() { return hostTruth(audioMasterUpdateDisplay); }
bool ExtendedEffectBase::hostSizeWindow(VstInt32 width, VstInt32 height) {
    return hostTruth(audioMasterSizeWindow, width, height);
}
bool ExtendedEffectBase::hostOpenFileSelector(void* selector) {
    return selector != nullptr && hostTruth(audioMasterOpenFileSelector, 0, 0, selector);
}
bool ExtendedEffectBase::hostCloseFileSelector(void* selector) {
    return selector != nullptr && hostTruth(audioMasterCloseFileSelector, 0, 0, selector);
}
bool ExtendedEffectBase::hostOfflineRead(void* task, VstInt32 option, bool readSource) {
    return hostTruth(audioMasterOfflineRead, readSource ? 1 : 0, option, task);
}
bool ExtendedEffectBase::hostOfflineWrite(void* task, VstInt32 option) {
    return hostTruth(audioMasterOfflineWrite, 0, option, task);
}
bool ExtendedEffectBase::hostOfflineStart(void* files, VstInt32 fileCount, VstInt32 newFileCount) {
    return hostTruth(audioMasterOfflineStart, newFileCount, fileCount, files);
}
bool ExtendedEffectBase::hostOfflineGetCurrentPass() { return hostTruth(audioMasterOfflineGetCurrentPass); }
bool ExtendedEffectBase::hostOfflineGetCurrentMetaPass() {
    return hostTruth(audioMasterOfflineGetCurrentMetaPass);
}
VstInt32 ExtendedEffectBase::hostWantMidi(VstInt32 filter) { return hostValue(audioMasterWantMidi, 0, filter); }
VstInt32 ExtendedEffectBase::hostTempoAt(VstInt32 position) { return hostValue(audioMasterTempoAt, 0, position); }
VstInt32 ExtendedEffectBase::hostGetNumAutomatableParameters() {
    return hostValue(audioMasterGetNumAutomatableParameters);
}
VstInt32 ExtendedEffectBase::hostGetParameterQuantization() {
    return hostValue(audioMasterGetParameterQuantization);
}
bool ExtendedEffectBase::hostNeedIdle() { return hostTruth(audioMasterNeedIdle); }
AEffect* ExtendedEffectBase::hostGetPreviousPlug() { return hostPointer<AEffect>(audioMasterGetPreviousPlug); }
AEffect* ExtendedEffectBase::hostGetNextPlug() { return hostPointer<AEffect>(audioMasterGetNextPlug); }
VstInt32 ExtendedEffectBase::hostWillReplaceOrAccumulate() {
    return hostValue(audioMasterWillReplaceOrAccumulate);
}
void ExtendedEffectBase::hostSetOutputSampleRate(float rate) {
    callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, rate, 0);
}
VstSpeakerArrangement* ExtendedEffectBase::hostGetInputSpeakerArrangement() {
    return hostPointer<VstSpeakerArrangement>(audioMasterGetInputSpeakerArrangement);
}
VstSpeakerArrangement* ExtendedEffectBase::hostGetOutputSpeakerArrangement() {
    return hostPointer<VstSpeakerArrangement>(audioMasterGetOutputSpeakerArrangement);
}
VstIntPtr ExtendedEffectBase::hostOpenWindow(void* window) {
    return callHost(audioMasterOpenWindow, 0, 0, window, 0.0f, 0);
}
bool ExtendedEffectBase::hostCloseWindow(void* window) { return hostTruth(audioMasterCloseWindow, 0, 0, window); }
bool ExtendedEffectBase::hostGetChunkFile(void* buffer) {
    return buffer != nullptr && hostTruth(audioMasterGetChunkFile, 0, 0, buffer);
}

bool ExtendedEffectBase::allocateSpeakerArrangement(VstSpeakerArrangement** slot, VstInt32 channels) {
    if (slot == nullptr) return false;
    freeSpeakerArrangement(slot);
    if (channels < 0) return false;
    const std::size_t bytes = offsetof(VstSpeakerArrangement, speakers) +
                              static_cast<std::size_t>(channels) * sizeof(VstSpeakerProperties);
    auto* arrangement = static_cast<VstSpeakerArrangement*>(std::calloc(1, bytes));
    if (arrangement == nullptr) return false;
    arrangement->numChannels = channels;
    *slot = arrangement;
    return true;
}

bool ExtendedEffectBase::freeSpeakerArrangement(VstSpeakerArrangement** slot) {
    if (slot == nullptr) return true;
    std::free(*slot);
    *slot = nullptr;
    return true;
}

bool ExtendedEffectBase::copySpeakerProperties(VstSpeakerProperties* to, const VstSpeakerProperties* from) {
    if (to == nullptr || from == nullptr) return false;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    copyText(to->name, from->name, 63);
    to->type = from->type;
    std::memcpy(to->future, from->future, sizeof to->future);
    return true;
}

bool ExtendedEffectBase::copySpeakerArrangement(VstSpeakerArrangement** slot, const VstSpeakerArrangement* from) {
    if (from == nullptr || !allocateSpeakerArrangement(slot, from->numChannels)) return false;
    (*slot)->type = from->type;
    // Arrangements hold numChannels speakers, more than the declared eight.
    VstSpeakerProperties* to = (*slot)->speakers;
    const VstSpeakerProperties* source = from->speakers;
    for (VstInt32 i = 0; i < from->numChannels; ++i)
        if (!copySpeakerProperties(to + i, source + i)) return false;
    return true;
}

}  // namespace quorvel
