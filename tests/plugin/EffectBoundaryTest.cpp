// The plug-in boundary seen from a host: entry, record, trampolines and the
// dispatcher defaults, checked on an effect made only of the base classes.
#include <gtest/gtest.h>

#include <cstring>

#include "support/RecordingHost.h"

using namespace vst2;
using testhost::Instance;
using vst2::PluginLibrary;
using testhost::RecordingHost;

namespace {

using LiveCountProc = int(VST_CALL*)();

class EffectBoundary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library.isLoaded()) << library.error(); }
    int liveInstances() const {
        auto count = reinterpret_cast<LiveCountProc>(reinterpret_cast<void*>(library.entry("testEffectLiveInstances")));
        return count != nullptr ? count() : -1;
    }

    PluginLibrary library{testhost::pluginFile("TestEffect")};
    RecordingHost host;
};

TEST_F(EffectBoundary, EntryAsksForTheVersionAndReturnsNullWhenTheHostAnswersZero) {
    host.versionAnswer = 0;
    Instance instance(library, host);
    EXPECT_EQ(instance.record(), nullptr);
    EXPECT_EQ(liveInstances(), 0);
    ASSERT_EQ(host.callsOf(audioMasterVersion).size(), 1u);
    EXPECT_EQ(host.callsOf(audioMasterVersion)[0].effect, nullptr);
}

TEST_F(EffectBoundary, MainIsTheSameEntryUnderASecondName) {
    EXPECT_NE(library.entry("main"), nullptr);
    EXPECT_EQ(library.entry("main"), library.entry("VSTPluginMain"));
}

TEST_F(EffectBoundary, RecordHoldsTheBaseDefaults) {
    Instance instance(library, host);
    const AEffect* record = instance.record();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->magic, 0x56737450);
    EXPECT_NE(record->object, nullptr);
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->numParams, 2);
    EXPECT_EQ(record->numInputs, 1);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, effFlagsCanReplacing);
    EXPECT_EQ(record->ioRatio, 1.0f);
    EXPECT_EQ(record->uniqueID, 0x4E6F4566);
    EXPECT_EQ(record->version, 1);
    EXPECT_EQ(record->resvd1, 0);
    EXPECT_EQ(record->user, nullptr);
    for (char byte : record->future) EXPECT_EQ(byte, 0);
    EXPECT_EQ(liveInstances(), 1);
}

TEST_F(EffectBoundary, CloseRunsCloseThenDestroysAndAnswersOne) {
    Instance instance(library, host);
    host.calls.clear();
    EXPECT_EQ(instance.close(), 1);
    EXPECT_EQ(host.callsOf(audioMasterIdle).size(), 1u);
    EXPECT_EQ(liveInstances(), 0);
}

TEST_F(EffectBoundary, AccumulatingAndDoubleEntriesLeaveTheBuffersAlone) {
    Instance instance(library, host);
    AEffect* record = instance.record();
    float left[4] = {1, 2, 3, 4}, right[4] = {5, 6, 7, 8};
    float* outputs[2] = {left, right};
    record->process(record, nullptr, outputs, 4);
    double dleft[4] = {1, 2, 3, 4}, dright[4] = {5, 6, 7, 8};
    double* doubleOutputs[2] = {dleft, dright};
    record->processDoubleReplacing(record, nullptr, doubleOutputs, 4);
    EXPECT_EQ(left[3], 4.0f);
    EXPECT_EQ(right[0], 5.0f);
    EXPECT_EQ(dleft[2], 3.0);
    record->processReplacing(record, nullptr, outputs, 4);
    EXPECT_EQ(left[3], 0.5f);
}

TEST_F(EffectBoundary, UnknownAndRoutedOpcodesAnswerZero) {
    Instance instance(library, host);
    for (VstInt32 opcode : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, 80, 1000, -1})
        EXPECT_EQ(instance.dispatch(opcode, 1, 1, nullptr, 1.0f), 0) << "opcode " << opcode;
}

TEST_F(EffectBoundary, FixedAnswers) {
    Instance instance(library, host);
    EXPECT_EQ(instance.dispatch(effIdentify), 0x4E764566);
    EXPECT_EQ(instance.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(instance.dispatch(effGetPlugCategory), kPlugCategUnknown);
    EXPECT_EQ(instance.dispatch(effGetTailSize), 0);
    EXPECT_EQ(instance.dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(instance.dispatch(effSetTotalSampleToProcess, 0, 12345), 12345);
    EXPECT_EQ(instance.dispatch(effGetChunk, 0, 0, nullptr), 0);
}

TEST_F(EffectBoundary, SetProgramPassesOnlyValuesBelowTheProgramCount) {
    Instance instance(library, host);
    instance.dispatch(effSetProgram, 0, -3);
    EXPECT_EQ(instance.dispatch(effGetProgram), -3);
    instance.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(instance.dispatch(effGetProgram), -3);
    instance.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(instance.dispatch(effGetProgram), 0);
}

TEST_F(EffectBoundary, SpeakerArrangementQueryNullsBothSlots) {
    Instance instance(library, host);
    int dummy = 0;
    auto* input = reinterpret_cast<VstSpeakerArrangement*>(&dummy);
    auto* output = reinterpret_cast<VstSpeakerArrangement*>(&dummy);
    EXPECT_EQ(instance.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output), 0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST_F(EffectBoundary, KeyDownTruncatesTheModifierAndTakesTheLowByteOfTheKey) {
    Instance instance(library, host);
    EXPECT_EQ(instance.dispatch(effEditKeyDown, 'a', 0x1234, nullptr, 3.9f), 1);
    EXPECT_EQ(instance.dispatch(effVendorSpecific, 1), 3);
    EXPECT_EQ(instance.dispatch(effVendorSpecific, 2), 0x34);
    EXPECT_EQ(instance.dispatch(effVendorSpecific, 3), 'a');
    EXPECT_EQ(instance.dispatch(effEditKeyDown, 'b', 0, nullptr, -2.7f), 1);
    EXPECT_EQ(instance.dispatch(effVendorSpecific, 1), 0xFE);
    EXPECT_EQ(instance.dispatch(effEditKeyUp, 'a', 0, nullptr, 1.0f), 0);
    EXPECT_EQ(instance.dispatch(effSetEditKnobMode, 0, 2), 0);
}

TEST_F(EffectBoundary, SwitchingOnAsksForMidiWhenTheEffectCanReceiveIt) {
    Instance instance(library, host);
    instance.dispatch(effMainsChanged, 0, 0);
    EXPECT_TRUE(host.callsOf(audioMasterWantMidi).empty());
    for (VstIntPtr value : {1, 2, -1}) {
        host.calls.clear();
        instance.dispatch(effMainsChanged, 0, value);
        const auto wants = host.callsOf(audioMasterWantMidi);
        ASSERT_EQ(wants.size(), 1u) << "value " << value;
        EXPECT_EQ(wants[0].value, 1);
        EXPECT_EQ(wants[0].effect, instance.record());
    }
}

TEST_F(EffectBoundary, NullPointersFromTheHostAnswerZeroAndTouchNothing) {
    Instance instance(library, host);
    for (VstInt32 opcode : {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
                            effGetParamName, effEditGetRect, effEditOpen, effGetChunk, effSetChunk,
                            effProcessEvents, effString2Parameter, effGetProgramNameIndexed, effGetEffectName,
                            effGetVendorString, effGetProductString, effCanDo, effGetMidiKeyName,
                            effShellGetNextPlugin, effGetSpeakerArrangement})
        EXPECT_EQ(instance.dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
}

TEST_F(EffectBoundary, BaseTextOperationsWriteEmptyTexts) {
    Instance instance(library, host);
    for (VstInt32 opcode : {effGetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName}) {
        char buffer[32];
        std::memset(buffer, 'x', sizeof buffer);
        instance.dispatch(opcode, 0, 0, buffer);
        EXPECT_EQ(buffer[0], '\0') << "opcode " << opcode;
    }
}

}  // namespace
