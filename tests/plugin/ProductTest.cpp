// Both instruments as a host sees them: identity, parameters, program and
// state chunk, checked through the record of the built library.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/RecordingHost.h"

using namespace vst2;
using testhost::Instance;
using vst2::PluginLibrary;
using testhost::RecordingHost;

namespace {

struct ProductCase {
    const char* name;
    int paramCount;
    const char* param5;
};

class Product : public ::testing::TestWithParam<ProductCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.isLoaded()) << library.error();
        ASSERT_NE(instance.record(), nullptr);
    }
    int chunkBytes() const { return GetParam().paramCount * 4; }

    PluginLibrary library{testhost::pluginFile(GetParam().name)};
    RecordingHost host;
    Instance instance{library, host};
};

TEST_P(Product, RecordAsTheHostFindsIt) {
    const AEffect* record = instance.record();
    EXPECT_EQ(record->magic, 0x56737450);
    EXPECT_EQ(record->numPrograms, 1);
    EXPECT_EQ(record->numParams, GetParam().paramCount);
    EXPECT_EQ(record->numInputs, 0);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags & ~effFlagsHasEditor, 0x130);
    EXPECT_EQ(record->uniqueID, 0x5176726C);
    EXPECT_EQ(record->version, 1);
    EXPECT_EQ(record->initialDelay, 0);
    EXPECT_EQ(record->ioRatio, 1.0f);

    Instance second(library, host);
    EXPECT_EQ(second.record()->uniqueID, record->uniqueID);
    EXPECT_NE(second.record()->object, record->object);
}

TEST_P(Product, IdentityTextsAreZeroFilledToTheirLimits) {
    struct Case {
        VstInt32 opcode;
        std::string text;
        int limit;
    };
    for (const Case& c : {Case{effGetEffectName, GetParam().name, 32}, Case{effGetProductString, GetParam().name, 64},
                          Case{effGetVendorString, "Fen Marlowbus Orchard Sound Studio", 64}}) {
        std::vector<char> buffer(100, 'x');
        EXPECT_EQ(instance.dispatch(c.opcode, 0, 0, buffer.data()), 1);
        EXPECT_EQ(std::string(buffer.data()), c.text);
        for (int i = static_cast<int>(c.text.size()); i <= c.limit; ++i) EXPECT_EQ(buffer[i], '\0') << i;
        EXPECT_EQ(buffer[c.limit + 1], 'x');
    }
    EXPECT_EQ(instance.dispatch(effGetVendorVersion), 1000);
    EXPECT_EQ(instance.dispatch(effGetPlugCategory), kPlugCategSynth);
    EXPECT_EQ(instance.dispatch(effGetVstVersion), 2400);
}

TEST_P(Product, CanDoKnowsExactlyThreeCapabilities) {
    const std::pair<const char*, VstIntPtr> cases[] = {
        {"receiveVstEvents", 1},      {"receiveVstMidiEvent", 1}, {"receiveVstTimeInfo", 1},
        {"receiveVstMidiEventX", -1}, {"ReceiveVstEvents", -1},   {"sendVstMidiEvent", -1},
        {"", -1},
    };
    for (const auto& [text, answer] : cases) {
        std::string copy = text;
        EXPECT_EQ(instance.dispatch(effCanDo, 0, 0, copy.data()), answer) << text;
    }
}

TEST_P(Product, SwitchingOnAlwaysAsksForMidi) {
    instance.dispatch(effMainsChanged, 0, 1);
    instance.dispatch(effMainsChanged, 0, 0);
    instance.dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(host.callsOf(audioMasterWantMidi).size(), 2u);
}

TEST_P(Product, ParameterNamesLabelsAndDisplay) {
    EXPECT_EQ(instance.text(effGetParamName, 0), "Detune");
    EXPECT_EQ(instance.text(effGetParamName, 1), "Attack");
    EXPECT_EQ(instance.text(effGetParamName, 8), "Attack");
    EXPECT_EQ(instance.text(effGetParamName, 5), GetParam().param5);
    EXPECT_EQ(instance.text(effGetParamName, 12), "Env Dpth");
    EXPECT_EQ(instance.text(effGetParamName, 16), "Harsh");
    EXPECT_EQ(instance.text(effGetParamName, 17), GetParam().paramCount == 18 ? "Slide" : "");
    for (VstInt32 index : {0, 16, 100, -5}) EXPECT_EQ(instance.text(effGetParamLabel, index), "Ynk");

    char untouched[16];
    std::memset(untouched, 'q', sizeof untouched);
    instance.dispatch(effGetParamName, -1, 0, untouched);
    instance.dispatch(effGetParamName, GetParam().paramCount, 0, untouched);
    EXPECT_EQ(instance.dispatch(effGetParamDisplay, 3, 0, untouched), 0);
    for (char c : untouched) EXPECT_EQ(c, 'q');
}

TEST_P(Product, ParametersAreStoredAsTheyComeAndOutOfRangeIndicesIgnored) {
    AEffect* record = instance.record();
    EXPECT_FLOAT_EQ(record->getParameter(record, 0), 0.85f);
    EXPECT_FLOAT_EQ(record->getParameter(record, 15), 0.375f);
    EXPECT_FLOAT_EQ(record->getParameter(record, 16), 0.01f);
    record->setParameter(record, 6, 1.5f);
    EXPECT_EQ(record->getParameter(record, 6), 1.5f);
    record->setParameter(record, GetParam().paramCount, 0.7f);
    record->setParameter(record, -1, 0.7f);
    EXPECT_EQ(record->getParameter(record, GetParam().paramCount), 0.0f);
    EXPECT_EQ(record->getParameter(record, -1), 0.0f);
    for (VstInt32 index : {0, 5, 100}) EXPECT_EQ(instance.dispatch(effCanBeAutomated, index), 1);
}

TEST_P(Product, SingleProgramWithATruncatedName) {
    EXPECT_EQ(instance.text(effGetProgramName), "Default");
    std::string longName(30, 'n');
    longName[0] = 'A';
    instance.dispatch(effSetProgramName, 0, 0, longName.data());
    char buffer[40];
    std::memset(buffer, 'x', sizeof buffer);
    instance.dispatch(effGetProgramName, 0, 0, buffer);
    EXPECT_EQ(std::string(buffer), longName.substr(0, 24));
    for (VstIntPtr program : {0, 1, 5}) {
        instance.dispatch(effSetProgram, 0, program);
        EXPECT_EQ(instance.dispatch(effGetProgram), 0);
    }
}

TEST_P(Product, ChunkIsTheLiveParameterStore) {
    AEffect* record = instance.record();
    for (VstInt32 isPreset : {0, 1}) {
        void* data = nullptr;
        ASSERT_EQ(instance.dispatch(effGetChunk, isPreset, 0, &data), chunkBytes());
        record->setParameter(record, 3, 0.125f);
        float stored;
        std::memcpy(&stored, static_cast<char*>(data) + 12, 4);
        EXPECT_EQ(stored, 0.125f);
    }
}

TEST_P(Product, SetChunkAcceptsExactlyTheParameterCount) {
    AEffect* record = instance.record();
    std::vector<float> values(GetParam().paramCount + 1);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = 0.05f * static_cast<float>(i);
    for (int bytes : {chunkBytes() - 4, chunkBytes() + 4, 0}) {
        EXPECT_EQ(instance.dispatch(effSetChunk, 0, bytes, values.data()), 0) << bytes;
        EXPECT_FLOAT_EQ(record->getParameter(record, 0), 0.85f);
    }
    EXPECT_EQ(instance.dispatch(effSetChunk, 1, chunkBytes(), values.data()), chunkBytes());
    for (int i = 0; i < GetParam().paramCount; ++i) EXPECT_EQ(record->getParameter(record, i), values[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Instruments, Product,
                         ::testing::Values(ProductCase{"QuorvelMono", 18, "ReTrig"},
                                           ProductCase{"QuorvelPoly", 17, "Mid Cut"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
