// The effect base classes in process: calls back to the host, their fixed
// answers without a host, the speaker-arrangement helpers and the texts.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "host/ExtendedEffectBase.h"

using namespace quorvel;
using namespace vst2;

namespace {

struct Recorded {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};
std::vector<Recorded> recorded;
VstIntPtr hostAnswer = 0;

VstIntPtr VST_CALL recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*, float opt) {
    recorded.push_back(Recorded{opcode, index, value, opt});
    return hostAnswer;
}

class BareEffect : public ExtendedEffectBase {
public:
    explicit BareEffect(audioMasterCallback host) : ExtendedEffectBase(host, 1, 4) {}
    void processReplacing(float**, float**, VstInt32) override {}
    void setParameter(VstInt32 index, float value) override {
        setIndex = index;
        setValue = value;
        setCallsSoFar = recorded.size();
    }
    std::string text(void (EffectBase::*operation)(float, char*, int), float value, int maxLen = 16) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        (this->*operation)(value, buffer, maxLen);
        return buffer;
    }
    VstInt32 setIndex = -1;
    float setValue = 0.0f;
    std::size_t setCallsSoFar = 99;
};

class HostLayer : public ::testing::Test {
protected:
    void SetUp() override {
        recorded.clear();
        hostAnswer = 0;
    }
    BareEffect withHost{recordingHost};
    BareEffect withoutHost{nullptr};
};

TEST_F(HostLayer, VersionIsOneWhenTheHostHasNoneToGive) {
    EXPECT_EQ(withoutHost.hostVersion(), 1);
    EXPECT_EQ(withHost.hostVersion(), 1);
    hostAnswer = 2400;
    EXPECT_EQ(withHost.hostVersion(), 2400);
}

TEST_F(HostLayer, PinsCountAsConnectedUnlessTheHostAnswersNonZero) {
    EXPECT_TRUE(withoutHost.hostInputConnected(0));
    EXPECT_TRUE(withHost.hostOutputConnected(1));
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].value, 1);
    hostAnswer = 1;
    EXPECT_FALSE(withHost.hostInputConnected(0));
}

TEST_F(HostLayer, SampleRateAndBlockSizeKeepTheirValueUnlessTheHostAnswersPositive) {
    hostAnswer = 48000;
    EXPECT_EQ(withHost.hostGetSampleRate(), 48000.0f);
    EXPECT_EQ(withHost.getSampleRate(), 48000.0f);
    hostAnswer = 0;
    EXPECT_EQ(withHost.hostGetSampleRate(), 48000.0f);
    hostAnswer = -5;
    EXPECT_EQ(withHost.hostGetBlockSize(), 1024);
    EXPECT_EQ(withoutHost.hostGetSampleRate(), 44100.0f);
}

TEST_F(HostLayer, AutomateSetsTheParameterFirstThenTellsTheHost) {
    withHost.automateParameter(3, 0.25f);
    EXPECT_EQ(withHost.setIndex, 3);
    EXPECT_EQ(withHost.setValue, 0.25f);
    EXPECT_EQ(withHost.setCallsSoFar, 0u);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].opcode, audioMasterAutomate);
    EXPECT_EQ(recorded[0].index, 3);
    EXPECT_EQ(recorded[0].opt, 0.25f);
    withoutHost.automateParameter(2, 0.5f);
    EXPECT_EQ(withoutHost.setIndex, 2);
}

TEST_F(HostLayer, HostCallsWithoutAHostGiveFixedAnswers) {
    EXPECT_EQ(withoutHost.hostWantMidi(1), 0);
    EXPECT_EQ(withoutHost.hostGetTime(0), nullptr);
    EXPECT_FALSE(withoutHost.hostCanDo(const_cast<char*>("sendVstEvents")));
    EXPECT_FALSE(withoutHost.hostSizeWindow(320, 260));
    EXPECT_EQ(withoutHost.hostGetNextPlug(), nullptr);
    EXPECT_EQ(withoutHost.hostCurrentId(), 0);
}

TEST_F(HostLayer, HostCallsPassTheirArgumentsInTheStandardPlaces) {
    hostAnswer = 1;
    EXPECT_TRUE(withHost.hostSizeWindow(320, 260));
    EXPECT_EQ(withHost.hostWantMidi(1), 1);
    EXPECT_TRUE(withHost.hostOfflineRead(nullptr, 7, true));
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[0].opcode, audioMasterSizeWindow);
    EXPECT_EQ(recorded[0].index, 320);
    EXPECT_EQ(recorded[0].value, 260);
    EXPECT_EQ(recorded[1].opcode, audioMasterWantMidi);
    EXPECT_EQ(recorded[1].value, 1);
    EXPECT_EQ(recorded[2].opcode, audioMasterOfflineRead);
    EXPECT_EQ(recorded[2].index, 1);
    EXPECT_EQ(recorded[2].value, 7);
}

TEST_F(HostLayer, NullSelectorsAndBuffersNeverReachTheHost) {
    hostAnswer = 1;
    EXPECT_FALSE(withHost.hostOpenFileSelector(nullptr));
    EXPECT_FALSE(withHost.hostCloseFileSelector(nullptr));
    EXPECT_FALSE(withHost.hostGetChunkFile(nullptr));
    EXPECT_TRUE(recorded.empty());
}

TEST_F(HostLayer, SpeakerArrangementsAreAllocatedCopiedAndFreed) {
    VstSpeakerArrangement* source = nullptr;
    ASSERT_TRUE(withoutHost.allocateSpeakerArrangement(&source, 12));
    EXPECT_EQ(source->numChannels, 12);
    source->type = 7;
    VstSpeakerProperties* speakers = source->speakers;
    for (int i = 0; i < 12; ++i) {
        speakers[i].azimuth = static_cast<float>(i);
        std::memset(speakers[i].name, 'a' + i, sizeof speakers[i].name);  // no terminator
        speakers[i].type = i * 10;
    }
    VstSpeakerArrangement* copy = nullptr;
    ASSERT_TRUE(withoutHost.copySpeakerArrangement(&copy, source));
    EXPECT_EQ(copy->type, 7);
    EXPECT_EQ(copy->numChannels, 12);
    const VstSpeakerProperties* copied = copy->speakers;
    EXPECT_EQ(copied[11].azimuth, 11.0f);
    EXPECT_EQ(copied[11].type, 110);
    EXPECT_EQ(std::strlen(copied[11].name), 63u);

    EXPECT_FALSE(withoutHost.copySpeakerArrangement(&copy, nullptr));
    EXPECT_FALSE(withoutHost.copySpeakerProperties(nullptr, copied));
    EXPECT_FALSE(withoutHost.allocateSpeakerArrangement(&copy, -1));
    EXPECT_EQ(copy, nullptr);
    EXPECT_TRUE(withoutHost.freeSpeakerArrangement(&source));
    EXPECT_EQ(source, nullptr);
}

TEST_F(HostLayer, FloatToText) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0.000000"},       {1.5f, "1.500000"},   {-0.5f, "-0.50000"},     {440.0f, "440.0000"},
        {123.456f, "123.4560"},   {1234567.0f, "1234567."}, {12345678.0f, "2345678."},
        {100000000.0f, "Huge!"},  {-10000000.0f, "Huge!"}, {-9999999.0f, "-999999."},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(withoutHost.text(&EffectBase::floatToText, value), text) << value;
    EXPECT_EQ(withoutHost.text(&EffectBase::floatToText, 440.0f, 5), "440.0");
    EXPECT_EQ(withoutHost.text(&EffectBase::floatToText, std::numeric_limits<float>::quiet_NaN()), "0.000000");
}

TEST_F(HostLayer, IntToText) {
    const std::pair<VstInt32, const char*> cases[] = {
        {0, "0"},       {-42, "-42"}, {99999999, "99999999"}, {100000000, "Huge!"},
        {-999999999, "-999999999"}, {-2147483647 - 1, "Huge!"},
    };
    for (const auto& [value, text] : cases) {
        char buffer[32];
        std::memset(buffer, 'x', sizeof buffer);
        withoutHost.intToText(value, buffer, 16);
        EXPECT_STREQ(buffer, text) << value;
    }
    char small[8];
    withoutHost.intToText(123456, small, 3);
    EXPECT_STREQ(small, "123");
}

TEST_F(HostLayer, DecibelsHertzAndMilliseconds) {
    EXPECT_EQ(withoutHost.text(&EffectBase::decibelsToText, 0.0f), "-oo");
    EXPECT_EQ(withoutHost.text(&EffectBase::decibelsToText, -1.0f), "-oo");
    EXPECT_EQ(withoutHost.text(&EffectBase::decibelsToText, 1.0f), "0.000000");
    EXPECT_EQ(withoutHost.text(&EffectBase::samplesToHertzText, 100.0f), "441.0000");
    EXPECT_EQ(withoutHost.text(&EffectBase::samplesToHertzText, 0.0f), "0.000000");
    EXPECT_EQ(withoutHost.text(&EffectBase::samplesToMillisecondsText, 441.0f), "10.00000");
}

}  // namespace
