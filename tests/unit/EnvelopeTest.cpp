#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <thread>
#include <vector>

#include "engine/EngineBase.h"
#include "engine/Envelope.h"
#include "engine/VoiceRandom.h"

using namespace quorvel;

namespace {

int stepsUntilIdle(Envelope& envelope, int limit = 1000000) {
    int steps = 0;
    while (envelope.getStage() != Envelope::Idle && steps < limit) {
        envelope.step();
        ++steps;
    }
    return steps;
}

// An envelope in Sustain at the given level.
Envelope sustainingAt(double sustain, double release) {
    Envelope envelope;
    envelope.setRates(0.0, 0.0, sustain, release, 44100.0);
    while (envelope.getStage() != Envelope::Sustain) envelope.step();
    return envelope;
}

TEST(Envelope, FastReleaseFromFullLevelTakes167Steps) {
    Envelope envelope = sustainingAt(1.0, 0.5);
    envelope.fastRelease();
    EXPECT_EQ(stepsUntilIdle(envelope), 167);
    EXPECT_EQ(envelope.getLevel(), 0.0f);
}

TEST(Envelope, ReleaseFromSustainFallsAtAFixedSlope) {
    Envelope envelope = sustainingAt(0.45, 0.09);
    envelope.release(0);
    EXPECT_NEAR(stepsUntilIdle(envelope), 824, 2);
}

TEST(Envelope, SustainOfOneEntersSustainOnTheFirstDecayStep) {
    Envelope envelope;
    envelope.setRates(0.0, 0.5, 1.0, 0.0, 44100.0);
    while (envelope.getStage() == Envelope::Attack) envelope.step();
    EXPECT_EQ(envelope.getLevel(), 1.0f);
    envelope.step();
    EXPECT_EQ(envelope.getStage(), Envelope::Sustain);
    EXPECT_LT(envelope.getLevel(), 1.0f);
}

TEST(Envelope, SustainOfZeroStaysAudibleAtOrBelowZero) {
    Envelope envelope = sustainingAt(0.0, 0.1);
    EXPECT_LE(envelope.getLevel(), 0.0f);
    for (int i = 0; i < 1000; ++i) envelope.step();
    EXPECT_EQ(envelope.getStage(), Envelope::Sustain);
}

TEST(Envelope, ReleaseHoldCountsSteps) {
    const std::pair<int, int> holdAndFirstFallingStep[] = {{0, 1}, {1, 1}, {5, 5}, {-3, 1}};
    for (const auto& [hold, firstFall] : holdAndFirstFallingStep) {
        Envelope envelope = sustainingAt(0.5, 0.5);
        const float sustained = envelope.getLevel();
        envelope.release(hold);
        int step = 0;
        while (envelope.getLevel() == sustained) {
            envelope.step();
            ++step;
        }
        EXPECT_EQ(step, firstFall) << "hold " << hold;
    }
}

TEST(Envelope, TriggerWithoutResetContinuesTheAttackFromTheCurrentLevel) {
    Envelope envelope = sustainingAt(0.5, 0.5);
    envelope.release(0);
    for (int i = 0; i < 100; ++i) envelope.step();
    const float level = envelope.getLevel();
    envelope.trigger(false);
    envelope.step();
    EXPECT_EQ(envelope.getStage(), Envelope::Attack);
    EXPECT_GT(envelope.getLevel(), level);
    envelope.trigger(true);
    EXPECT_EQ(envelope.getLevel(), 0.0f);
}

TEST(VoiceRandom, FirstEightDrawsOfAFreshGenerator) {
    VoiceRandom random;
    const double expected[] = {0.263069, 0.370532, -0.119543, -0.435078, -0.286490, 0.325403, -0.499423, 0.205559};
    for (double value : expected) EXPECT_NEAR(random.draw() / 4294967291.0, value, 1e-6);
}

TEST(VoiceRandom, DrawsFromTwoThreadsTakeEveryValueOfTheSequenceOnce) {
    constexpr int kPerThread = 20000;
    VoiceRandom shared;
    std::vector<std::int32_t> first, second;
    std::thread a([&] { for (int i = 0; i < kPerThread; ++i) first.push_back(shared.draw()); });
    std::thread b([&] { for (int i = 0; i < kPerThread; ++i) second.push_back(shared.draw()); });
    a.join();
    b.join();
    std::vector<std::int32_t> drawn = first;
    drawn.insert(drawn.end(), second.begin(), second.end());
    std::vector<std::int32_t> sequence;
    VoiceRandom reference;
    for (int i = 0; i < 2 * kPerThread; ++i) sequence.push_back(reference.draw());
    std::sort(drawn.begin(), drawn.end());
    std::sort(sequence.begin(), sequence.end());
    EXPECT_EQ(drawn, sequence);
}

class CountingEngine : public EngineBase {
public:
    CountingEngine() : EngineBase(3) {}
    void parameterChanged(int index) override { notified.push_back(index); }
    void noteOn(int, float, float, int) override {}
    void noteOff(int, int) override {}
    void allNotesOff() override {}
    void render(float*, float*, int) override {}
    std::vector<int> notified;
};

TEST(EngineBase, SampleRateNotifiesOncePerChangeAndIgnoresUnusableRates) {
    CountingEngine engine;
    EXPECT_EQ(engine.params[2], 0.01f);
    engine.setSampleRate(44100.0);
    engine.setSampleRate(44100.0);
    EXPECT_EQ(engine.notified, std::vector<int>{100});
    for (double bad : {0.0, -48000.0, 0.5, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        engine.setSampleRate(bad);
    EXPECT_EQ(engine.sampleRate, 44100.0);
    engine.setSampleRate(48000.0);
    EXPECT_EQ(engine.notified, (std::vector<int>{100, 100}));
}

}  // namespace
