// What a careless or hostile host may send, from outside the library: the
// instruments stay inside their buffers, lose no note-off and never run away.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/RecordingHost.h"

using namespace vst2;
using testhost::Instance;
using testhost::MidiMessage;
using vst2::PluginLibrary;
using testhost::RecordingHost;

namespace {

constexpr int kGuard = 64;
constexpr float kGuardValue = 12345.0f;

class HostileInput : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.isLoaded()) << library.error();
        ASSERT_NE(instance.record(), nullptr);
        // No random detune or start phase, so separate instances sound alike.
        instance.record()->setParameter(instance.record(), 0, 0.0f);
    }
    // Renders frames into buffers with a guard zone after them; returns the
    // peak of both channels and checks the guard.
    float renderPeak(Instance& target, int frames) {
        std::vector<float> left(static_cast<std::size_t>(std::max(frames, 0) + kGuard), kGuardValue);
        std::vector<float> right(left);
        target.render(left.data(), right.data(), frames);
        float largest = 0.0f;
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (i >= static_cast<std::size_t>(std::max(frames, 0))) {
                EXPECT_EQ(left[i], kGuardValue) << "written past the block at " << i;
                EXPECT_EQ(right[i], kGuardValue) << "written past the block at " << i;
                continue;
            }
            largest = std::max({largest, std::fabs(left[i]), std::fabs(right[i])});
        }
        return largest;
    }
    std::vector<float> renderLeft(Instance& target, int frames) {
        std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
        target.render(left.data(), right.data(), frames);
        return left;
    }

    PluginLibrary library{testhost::pluginFile(GetParam())};
    RecordingHost host;
    Instance instance{library, host};
};

TEST_P(HostileInput, ManyNotesInOneListLoseNoNoteOff) {
    instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    std::vector<MidiMessage> presses, releases;
    for (int i = 0; i < 3000; ++i) {
        presses.push_back({i % 512, 0x90, static_cast<unsigned char>(24 + i % 90), 100});
        releases.push_back({i % 512, 0x80, static_cast<unsigned char>(24 + i % 90), 0});
    }
    instance.sendMidi(presses);
    renderPeak(instance, 512);
    EXPECT_GT(renderPeak(instance, 512), 0.0f);
    instance.sendMidi(releases);
    for (int block = 0; block < 400; ++block) renderPeak(instance, 512);  // about 4.6 s
    EXPECT_EQ(renderPeak(instance, 512), 0.0f);
}

TEST_P(HostileInput, DeltaFramesOutOfOrderOrBeyondTheBlockStayInside) {
    instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    instance.sendMidi({{300, 0x90, 60, 100}, {-40, 0x90, 64, 100}, {1 << 30, 0x90, 67, 100}, {-7, 0x80, 64, 0}});
    renderPeak(instance, 256);
    EXPECT_GT(renderPeak(instance, 256), 0.0f);
    instance.sendMidi({{100000, 0x80, 60, 0}, {-1, 0x90, 72, 90}});
    renderPeak(instance, 0);
    renderPeak(instance, -5);
    EXPECT_GT(renderPeak(instance, 128), 0.0f);
}

TEST_P(HostileInput, NotesBelowTheTableAreIgnoredAndReleaseNothing) {
    instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    std::vector<MidiMessage> low;
    for (unsigned char note = 0; note < 12; ++note) low.push_back({0, 0x90, note, 127});
    instance.sendMidi(low);
    EXPECT_EQ(renderPeak(instance, 4096), 0.0f);

    instance.sendMidi({{0, 0x90, 60, 100}});
    renderPeak(instance, 4096);
    std::vector<MidiMessage> lowOffs;
    for (unsigned char note = 0; note < 12; ++note) lowOffs.push_back({0, 0x80, note, 0});
    instance.sendMidi(lowOffs);
    for (int block = 0; block < 20; ++block) renderPeak(instance, 4096);
    EXPECT_GT(renderPeak(instance, 4096), 0.0f);  // the key is still held at its sustain
}

TEST_P(HostileInput, UnusableSampleRatesAreIgnoredAndNoRateMeansTheDefault) {
    RecordingHost otherHost;
    Instance reference(library, otherHost);
    reference.record()->setParameter(reference.record(), 0, 0.0f);
    reference.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);

    for (float bad : {0.0f, -48000.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
        instance.dispatch(effSetSampleRate, 0, 0, nullptr, bad);
    for (Instance* target : {&reference, &instance}) target->sendMidi({{3, 0x90, 57, 100}});
    EXPECT_EQ(renderLeft(instance, 2048), renderLeft(reference, 2048));
}

TEST_P(HostileInput, NoSampleRateMakesTheOutputGrowWithoutBound) {
    for (float rate : {1.0f, 100.0f, 8000.0f, 16000.0f, 22050.0f}) {
        RecordingHost otherHost;
        Instance slow(library, otherHost);
        slow.record()->setParameter(slow.record(), 7, 1.0f);  // full resonance
        slow.dispatch(effSetSampleRate, 0, 0, nullptr, rate);
        slow.sendMidi({{0, 0x90, 45, 127}, {0, 0x90, 81, 127}});
        float largest = 0.0f;
        for (int block = 0; block < 40; ++block) largest = std::max(largest, renderPeak(slow, 2048));
        EXPECT_TRUE(std::isfinite(largest)) << rate;
        EXPECT_LT(largest, 8.0f) << rate;
    }
}

TEST_P(HostileInput, NullBuffersAndListsAreRefused) {
    AEffect* record = instance.record();
    record->processReplacing(record, nullptr, nullptr, 64);
    float left[8];
    float* oneMissing[2] = {left, nullptr};
    record->processReplacing(record, nullptr, oneMissing, 8);
    EXPECT_EQ(instance.dispatch(effProcessEvents, 0, 0, nullptr), 0);
    VstEvents empty{};
    empty.numEvents = -3;
    EXPECT_EQ(instance.dispatch(effProcessEvents, 0, 0, &empty), 1);
}

INSTANTIATE_TEST_SUITE_P(Instruments, HostileInput, ::testing::Values("QuorvelMono", "QuorvelPoly"));

}  // namespace
