// The sound itself, from outside: fixed scripts must render to the committed
// bits on every target, and a played A must measure 440 Hz.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "golden/GoldenScripts.h"
#include "support/RecordingHost.h"
#include "support/ScriptRender.h"

using namespace vst2;
using testhost::Instance;
using vst2::PluginLibrary;
using testhost::RecordingHost;

namespace {

std::string hex(std::uint64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llxull", static_cast<unsigned long long>(value));
    return text;
}

float peak(const std::vector<float>& samples) {
    float largest = 0.0f;
    for (float sample : samples) largest = std::max(largest, std::fabs(sample));
    return largest;
}

void expectGolden(const char* product, const testhost::Script& script, std::uint64_t golden::GoldenChecksum::*field) {
    for (const golden::GoldenChecksum& expected : golden::kChecksums) {
        // A fresh load each time: the random generator starts from its seed.
        PluginLibrary library(testhost::pluginFile(product));
        ASSERT_TRUE(library.isLoaded()) << library.error();
        RecordingHost host;
        Instance instance(library, host);
        const testhost::Rendered rendered = testhost::renderScript(instance, expected.sampleRate, script);
        EXPECT_GT(peak(rendered.left), 0.01f);
        EXPECT_GT(peak(rendered.right), 0.01f);
        EXPECT_EQ(hex(testhost::checksum(rendered)), hex(expected.*field))
            << product << " at " << expected.sampleRate << " Hz";
    }
}

TEST(GoldenRender, QuorvelMono) { expectGolden("QuorvelMono", golden::monoScript(), &golden::GoldenChecksum::mono); }

TEST(GoldenRender, QuorvelPoly) { expectGolden("QuorvelPoly", golden::polyScript(), &golden::GoldenChecksum::poly); }

// Magnitude of one frequency in a signal (Goertzel).
double magnitudeAt(const std::vector<float>& signal, double frequency, double sampleRate) {
    const double coefficient = 2.0 * std::cos(2.0 * 3.141592653589793 * frequency / sampleRate);
    double previous = 0.0, beforePrevious = 0.0;
    for (float sample : signal) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return std::sqrt(previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious);
}

class Pitch : public ::testing::TestWithParam<const char*> {};

TEST_P(Pitch, HeldNote69SoundsAt440Hz) {
    PluginLibrary library(testhost::pluginFile(GetParam()));
    ASSERT_TRUE(library.isLoaded()) << library.error();
    RecordingHost host;
    Instance instance(library, host);
    AEffect* record = instance.record();
    record->setParameter(record, 0, 0.0f);  // "Detune": one plain saw
    record->setParameter(record, 3, 1.0f);  // full sustain
    instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    instance.sendMidi({{0, 0x90, 69, 127}});
    std::vector<float> left(44100), right(44100);
    instance.render(left.data(), right.data(), 4410);  // let the attack settle
    instance.render(left.data(), right.data(), 44100);

    double best = 0.0, bestFrequency = 0.0;
    for (double frequency = 200.0; frequency <= 1000.0; frequency += 1.0) {
        const double magnitude = magnitudeAt(left, frequency, 44100.0);
        if (magnitude > best) {
            best = magnitude;
            bestFrequency = frequency;
        }
    }
    EXPECT_EQ(bestFrequency, 440.0);
}

INSTANTIATE_TEST_SUITE_P(Instruments, Pitch, ::testing::Values("QuorvelMono", "QuorvelPoly"));

}  // namespace
