// QuorvelMono's engine in process: the numbers of the sound, the note stack,
// glide and retrigger, the event queue and what a careless host may send.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/MonoEngine.h"
#include "shell/NoteTable.h"

using namespace quorvel;

namespace {

class MonoEngineTest : public ::testing::Test {
protected:
    MonoEngineTest() { engine.setSampleRate(44100.0); }

    void play(int midiNote, int velocity = 100, int frame = 0) {
        engine.noteOn(midiNote - 12, noteFrequencies()[midiNote - 12], velocity * 0.007874016f, frame);
    }
    void release(int midiNote, int frame = 0) { engine.noteOff(midiNote - 12, frame); }
    // Renders frames and returns the left channel.
    std::vector<float> render(int frames) {
        std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
        engine.render(left.data(), right.data(), frames);
        return left;
    }
    static float peak(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
        float largest = 0.0f;
        for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
            largest = std::max(largest, std::fabs(samples[i]));
        return largest;
    }
    const MonoVoice& left() const { return engine.voice(0); }

    VoiceRandom random;
    MonoEngine engine{random};
};

TEST(MonoEngine, IsReadyForTheDefaultRateBeforeTheHostSetsOne) {
    VoiceRandom random;
    MonoEngine engine(random);
    EXPECT_EQ(engine.sampleRate, 44100.0);
    EXPECT_NEAR(engine.voice(0).getSmoothingCoefficient(), 0.71238f, 1e-5);
    engine.setSampleRate(48000.0);
    EXPECT_NEAR(engine.voice(1).getSmoothingCoefficient(), 0.65450f, 1e-5);
    engine.setSampleRate(22050.0);  // would be 1.42: kept at 1 so the stages stay tame
    EXPECT_EQ(engine.voice(1).getSmoothingCoefficient(), 1.0f);
}

TEST_F(MonoEngineTest, FirstNoteOfAFreshLibraryDrawsTheKnownDetuneRatios) {
    play(69);
    render(64);
    const float voice0[] = {1.00498f, 0.99303f, 0.99700f, 1.01100f};
    const float voice1[] = {1.00369f, 1.00401f, 0.99066f, 1.00708f};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(engine.voice(0).getDetuneRatio(k), voice0[k - 1], 1e-5) << k;
        EXPECT_NEAR(engine.voice(1).getDetuneRatio(k), voice1[k - 1], 1e-5) << k;
    }
}

TEST_F(MonoEngineTest, Note69RunsOscillatorZeroAt220HzPerSubSample) {
    play(69);
    render(1);
    EXPECT_EQ(left().getTargetIncrement(0), 21426140u);
    EXPECT_EQ(left().getIncrement(0), 21426140u);
}

TEST_F(MonoEngineTest, DetuneZeroStartsEveryOscillatorTogether) {
    engine.params[param::Detune] = 0.0f;
    play(60);
    render(0);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(left().getPhase(k), 0u);
        EXPECT_EQ(left().getIncrement(k), left().getIncrement(0));
    }
}

TEST_F(MonoEngineTest, LegatoGlidesOverTheDefaultDivisorAndKeepsVelocityAndEnvelopes) {
    play(57, 127);
    render(3000);
    const std::uint32_t from = left().getIncrement(0);
    const float gain = left().getVelocityGain();
    play(69, 20);
    render(1);
    const std::uint32_t to = left().getTargetIncrement(0);
    EXPECT_EQ(left().getGlideStep(), static_cast<std::int32_t>((to - from) / 100));
    EXPECT_EQ(left().getVelocityGain(), gain);
    EXPECT_NE(left().amp().getStage(), Envelope::Attack);
    render(98);
    EXPECT_LT(left().getIncrement(0), to);
    render(2);  // rising, the last step may pass the target for one sample
    EXPECT_LT(left().getIncrement(0) - to, static_cast<std::uint32_t>(left().getGlideStep()));
    render(1);
    EXPECT_EQ(left().getIncrement(0), to);
}

TEST_F(MonoEngineTest, RetrigRestartsEnvelopesAndTakesTheNewVelocity) {
    engine.params[param::ReTrig] = 1.0f;
    play(57, 127);
    render(3000);
    play(69, 64);
    render(1);
    EXPECT_EQ(left().amp().getStage(), Envelope::Attack);
    EXPECT_FLOAT_EQ(left().getVelocityGain(), (64 * 0.007874016f) * (64 * 0.007874016f));
    EXPECT_NE(left().getIncrement(0), left().getTargetIncrement(0));
}

TEST_F(MonoEngineTest, ReleasingTheTopKeyFallsBackToThePreviousOne) {
    const auto increment = [&](int midiNote) { return left().phaseIncrement(noteFrequencies()[midiNote - 12]); };
    play(60);
    play(64);
    play(67);
    render(10);
    EXPECT_EQ(left().getTargetIncrement(0), increment(67));
    release(64);  // not the top key: the pitch stays
    render(10);
    EXPECT_EQ(left().getTargetIncrement(0), increment(67));
    release(67);
    render(10);
    EXPECT_EQ(left().getTargetIncrement(0), increment(60));
    EXPECT_EQ(left().getHeldCount(), 1);
    EXPECT_FALSE(left().isReleased());
    release(60);
    render(1);
    EXPECT_TRUE(left().isReleased());
}

TEST_F(MonoEngineTest, ANinthKeyPushesTheOldestOffTheStack) {
    for (int i = 0; i < 9; ++i) play(48 + i);
    render(1);
    EXPECT_EQ(left().getHeldCount(), 8);
    EXPECT_EQ(left().getHeldNote(0), 56 - 12);
    EXPECT_EQ(left().getHeldNote(7), 49 - 12);
}

TEST_F(MonoEngineTest, NotesStartAtTheirFrame) {
    play(69, 100, 100);
    const std::vector<float> out = render(512);
    EXPECT_EQ(peak(out, 0, 100), 0.0f);
    EXPECT_GT(peak(out, 100), 0.0f);
}

TEST_F(MonoEngineTest, AllNotesOffFadesWithin167SamplesOfTheNextBlock) {
    play(69);
    render(2000);
    engine.allNotesOff();
    const std::vector<float> out = render(512);
    EXPECT_GT(peak(out, 0, 10), 0.0f);
    EXPECT_EQ(peak(out, 167), 0.0f);
    EXPECT_FALSE(left().isActive());
}

TEST_F(MonoEngineTest, AFullQueueDropsNoteOnsButNeverANoteOff) {
    for (int i = 0; i < 3 * MonoEngine::kQueueCapacity; ++i) play(40 + i % 60, 100, i % 256);
    for (int i = 0; i < 3 * MonoEngine::kQueueCapacity; ++i) release(40 + i % 60, 300);
    EXPECT_EQ(engine.queuedEvents(), MonoEngine::kQueueCapacity);
    render(512);
    EXPECT_TRUE(left().isReleased());
    EXPECT_EQ(left().getHeldCount(), 0);
    render(44100);
    EXPECT_FALSE(left().isActive());
}

TEST_F(MonoEngineTest, EventPositionsOutsideTheBlockOrOutOfOrderLandInsideIt) {
    std::vector<float> left(600, 7.0f), right(600, 7.0f);
    play(69, 100, 400);
    play(72, 100, -50);
    release(72, 100000);
    play(60, 100, 200);
    engine.render(left.data(), right.data(), 512);
    EXPECT_EQ(left[0], 0.0f);
    EXPECT_NE(left[450], 0.0f);
    EXPECT_EQ(left[512], 7.0f);  // nothing written past the block
    EXPECT_EQ(engine.queuedEvents(), 0);
}

TEST_F(MonoEngineTest, NoSampleRateLetsTheOutputRunAway) {
    for (double rate : {1.0, 100.0, 8000.0, 15000.0, 22050.0, 192000.0}) {
        VoiceRandom fresh;
        MonoEngine slow(fresh);
        slow.setSampleRate(rate);
        slow.params[param::Res] = 1.0f;
        slow.noteOn(57, 220.0f, 1.0f, 0);
        std::vector<float> left(4096), right(4096);
        float largest = 0.0f;
        for (int block = 0; block < 20; ++block) {
            slow.render(left.data(), right.data(), 4096);
            for (float sample : left) largest = std::max(largest, std::fabs(sample));
        }
        EXPECT_TRUE(std::isfinite(largest)) << rate;
        EXPECT_LT(largest, 4.0f) << rate;
    }
}

}  // namespace
