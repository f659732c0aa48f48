// QuorvelPoly's engine in process: pair allocation and stealing, note-off,
// start offsets, the centre cut and the work buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/PolyEngine.h"

using namespace quorvel;

namespace {

class PolyEngineTest : public ::testing::Test {
protected:
    PolyEngineTest() { engine.setSampleRate(44100.0); }

    void play(int note, int frame = 0) { engine.noteOn(note, 110.0f * (1 + note % 12), 0.8f, frame); }
    void render(int frames) {
        left.assign(static_cast<std::size_t>(frames), 0.0f);
        right.assign(left.size(), 0.0f);
        engine.render(left.data(), right.data(), frames);
    }
    // Pair that plays note, or -1.
    int pairOf(int note) const {
        for (int i = 0; i < PolyEngine::kPairs; ++i)
            if (engine.rightVoice(i).isActive() && engine.rightVoice(i).getNote() == note &&
                !engine.rightVoice(i).isReleased())
                return i;
        return -1;
    }

    VoiceRandom random;
    PolyEngine engine{random};
    std::vector<float> left, right;
};

TEST_F(PolyEngineTest, SevenNotesTakePairsOneToSevenAndTheReserveStealsOldestFirst) {
    for (int n = 1; n <= 7; ++n) play(n);
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(pairOf(n), n);
    EXPECT_FALSE(engine.rightVoice(0).isActive());

    play(8);
    EXPECT_EQ(pairOf(8), 0);
    EXPECT_EQ(engine.getReserveIndex(), 1);
    EXPECT_TRUE(engine.rightVoice(1).isReleased());
    EXPECT_EQ(engine.rightVoice(1).amp().getStage(), Envelope::FastRelease);
    EXPECT_EQ(engine.leftVoice(1).amp().getStage(), Envelope::FastRelease);

    play(9);
    EXPECT_EQ(pairOf(9), 1);
    EXPECT_EQ(engine.getReserveIndex(), 2);
}

TEST_F(PolyEngineTest, ReleasedPairsAreStolenBeforeHeldOnes) {
    struct Case {
        std::vector<int> released;
        int victim;
    };
    for (const Case& c : {Case{{1, 2, 3}, 1}, Case{{3}, 3}, Case{{6, 4}, 4}}) {
        VoiceRandom fresh;
        PolyEngine poly(fresh);
        poly.setSampleRate(44100.0);
        for (int n = 1; n <= 7; ++n) poly.noteOn(n, 220.0f, 1.0f, 0);
        for (int n : c.released) poly.noteOff(n, 0);
        poly.noteOn(8, 220.0f, 1.0f, 0);
        EXPECT_EQ(poly.getReserveIndex(), c.victim);
        EXPECT_EQ(poly.rightVoice(0).getNote(), 8);
    }
}

TEST_F(PolyEngineTest, OneNoteOffReleasesEveryPairOfThatNoteAndEndsAFastRelease) {
    play(5);
    play(5);
    EXPECT_TRUE(engine.rightVoice(1).isActive() && engine.rightVoice(2).isActive());
    engine.noteOff(5, 10);
    for (int pair : {1, 2}) {
        EXPECT_TRUE(engine.rightVoice(pair).isReleased());
        EXPECT_EQ(engine.leftVoice(pair).filter().getStage(), Envelope::Release);
    }
    for (int n = 1; n <= 6; ++n) play(10 + n);  // fills the rest and steals pair 1
    EXPECT_EQ(engine.rightVoice(1).amp().getStage(), Envelope::FastRelease);
    engine.noteOff(5, 0);
    EXPECT_EQ(engine.rightVoice(1).amp().getStage(), Envelope::Release);
}

TEST_F(PolyEngineTest, AllNotesOffSilencesAtOnce) {
    for (int n = 1; n <= 3; ++n) play(n);
    render(256);
    engine.allNotesOff();
    render(256);
    for (float sample : left) EXPECT_EQ(sample, 0.0f);
}

TEST_F(PolyEngineTest, StartOffsetsSilenceTheHeadOfTheBlockAndLastOneBlock) {
    play(1, 10);
    render(64);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(left[i], 0.0f) << i;
    EXPECT_NE(right[10], 0.0f);
    EXPECT_EQ(engine.rightVoice(1).getStartOffset(), 0);

    play(2, 40);
    render(0);  // a block of no frames still consumes the offset
    EXPECT_EQ(engine.rightVoice(2).getStartOffset(), 0);
}

TEST_F(PolyEngineTest, OffsetsOutsideTheBlockNeverWriteOutsideTheBuffers) {
    play(1, -100);
    play(2, 1 << 30);
    std::vector<float> l(80, 9.0f), r(80, 9.0f);
    engine.render(l.data(), r.data(), 64);
    EXPECT_NE(l[0], 0.0f);
    EXPECT_EQ(l[64], 9.0f);
    EXPECT_EQ(r[64], 9.0f);
}

TEST_F(PolyEngineTest, MidCutRemovesTheCentreOnly) {
    play(1);
    render(512);
    const std::vector<float> plainLeft = left, plainRight = right;

    VoiceRandom same;
    PolyEngine cut(same);
    cut.setSampleRate(44100.0);
    cut.params[param::MidCut] = 1.0f;
    cut.noteOn(1, 220.0f, 0.8f, 0);
    std::vector<float> l(512), r(512);
    cut.render(l.data(), r.data(), 512);
    for (int j = 0; j < 512; j += 37) {
        EXPECT_FLOAT_EQ(l[j] - r[j], plainLeft[j] - plainRight[j]) << j;
        const float m = ((plainLeft[j] + plainRight[j]) * (1.0f / std::sqrt(2.0f))) * 0.5f;
        EXPECT_FLOAT_EQ(l[j], plainLeft[j] - m) << j;
    }
}

TEST_F(PolyEngineTest, AnnouncedBlockSizeIsAllocatedUpFront) {
    engine.setBlockSize(4096);
    EXPECT_EQ(engine.getScratchCapacity(), 4096);
    render(4096);
    render(100);
    EXPECT_EQ(engine.getScratchCapacity(), 4096);
    render(5000);  // longer than announced: grows, as before
    EXPECT_EQ(engine.getScratchCapacity(), 5000);
    engine.setBlockSize(-1);
    EXPECT_EQ(engine.getScratchCapacity(), 5000);
}

}  // namespace
