#include "shell/SynthPlugin.h"

#include <cmath>
#include <cstring>
#include <new>

#include "engine/EngineBase.h"
#include "host/TextCopy.h"
#include "shell/NoteTable.h"

namespace quorvel {

using namespace vst2;

namespace {

const char kVendor[] = "Fen Marlowbus Orchard Sound Studio";
constexpr float kVelocityScale = 0.007874016f;  // 1/127
constexpr int kLowestNote = 12;                 // the table serves MIDI notes 12 and up

}  // namespace

SynthPlugin::SynthPlugin(audioMasterCallback hostCallback, const Product& product, ui::WindowFactory* windows)
    : ExtendedEffectBase(hostCallback, 1, product.paramCount), product(product) {
    setNumInputs(0);
    setNumOutputs(2);
    setUniqueId(kUniqueId);
    effectRecord.flags |= effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth;
    copyText(programName, "Default", kVstMaxProgNameLen);
    engine = product.createEngine();
    if (windows != nullptr) editor = panel = new SynthEditor(this, product.panel, windows);
    setFlag(effFlagsHasEditor, editor != nullptr);
    if (panel != nullptr) panel->refreshAll();
    noteFrequencies();
}

SynthPlugin::~SynthPlugin() { delete engine; }

EffectBase* SynthPlugin::create(audioMasterCallback hostCallback, const Product& product) {
    try {
        return new SynthPlugin(hostCallback, product);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void SynthPlugin::setSampleRate(float rate) {
    if (!(rate >= EngineBase::kMinimumSampleRate) || !std::isfinite(rate)) return;
    sampleRate = rate;
    engine->setSampleRate(rate);
}

void SynthPlugin::setBlockSize(VstInt32 frames) {
    ExtendedEffectBase::setBlockSize(frames);
    engine->setBlockSize(frames);
}

void SynthPlugin::processReplacing(float** /*inputs*/, float** outputs, VstInt32 sampleFrames) {
    if (outputs == nullptr || outputs[0] == nullptr || outputs[1] == nullptr) return;
    engine->render(outputs[0], outputs[1], sampleFrames);
}

VstInt32 SynthPlugin::processEvents(VstEvents* events) {
    const float* frequencies = noteFrequencies();
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = events->events[i];
        if (event == nullptr || event->type != kVstMidiType) continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        const int status = midi->midiData[0] & 0xF0;
        if (status == 0x90 || status == 0x80) {
            const int midiNote = midi->midiData[1] & 0x7F;
            const int velocity = midi->midiData[2] & 0x7F;
            // Notes below the table are ignored, their note-offs too, so they
            // can neither sound nor release a key that is held.
            if (midiNote < kLowestNote) continue;
            const int note = midiNote - kLowestNote;
            if (status == 0x80 || velocity == 0)
                engine->noteOff(note, midi->deltaFrames);
            else
                engine->noteOn(note, frequencies[note], static_cast<float>(velocity) * kVelocityScale,
                               midi->deltaFrames);
        } else if (status == 0xB0) {
            const int controller = static_cast<unsigned char>(midi->midiData[1]);
            if (controller == 123 || controller == 126) engine->allNotesOff();
        }
    }
    return 1;
}

bool SynthPlugin::isParameter(VstInt32 index) const { return index >= 0 && index < engine->paramCount; }

void SynthPlugin::setParameter(VstInt32 index, float value) {
    if (isParameter(index)) {
        engine->params[index] = value;
        engine->parameterChanged(index);
    }
    if (panel != nullptr) panel->parameterChanged(index, value);
}

float SynthPlugin::getParameter(VstInt32 index) { return isParameter(index) ? engine->params[index] : 0.0f; }

void SynthPlugin::setProgramName(char* name) { copyText(programName, name, kVstMaxProgNameLen); }

void SynthPlugin::getProgramName(char* name) { copyText(name, programName, kVstMaxProgNameLen); }

void SynthPlugin::getParamLabel(VstInt32 /*index*/, char* label) { copyText(label, "Ynk", kVstMaxParamStrLen); }

void SynthPlugin::getParamName(VstInt32 index, char* text) {
    if (isParameter(index)) copyText(text, product.paramNames[index], kVstMaxParamStrLen);
}

VstInt32 SynthPlugin::getChunk(void** data, bool /*isPreset*/) {
    *data = engine->params;
    return engine->paramCount * 4;
}

VstInt32 SynthPlugin::setChunk(void* data, VstInt32 byteSize, bool /*isPreset*/) {
    if (data == nullptr || byteSize != engine->paramCount * 4) return 0;
    std::memcpy(engine->params, data, static_cast<std::size_t>(byteSize));
    engine->parameterChanged(EngineBase::kAllParameters);
    if (panel != nullptr) panel->refreshAll();
    return byteSize;
}

bool SynthPlugin::getEffectName(char* name) {
    copyText(name, product.name, kVstMaxEffectNameLen);
    return true;
}

bool SynthPlugin::getVendorString(char* text) {
    copyText(text, kVendor, kVstMaxVendorStrLen);
    return true;
}

bool SynthPlugin::getProductString(char* text) {
    copyText(text, product.name, kVstMaxProductStrLen);
    return true;
}

VstInt32 SynthPlugin::canDo(char* text) {
    static const char* const kCapabilities[] = {"receiveVstEvents", "receiveVstMidiEvent", "receiveVstTimeInfo"};
    for (const char* capability : kCapabilities)
        if (std::strcmp(text, capability) == 0) return 1;
    return -1;
}

}  // namespace quorvel
