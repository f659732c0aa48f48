// The audio path allocates nothing: global allocations are counted while the
// engines render and take events.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "engine/MonoEngine.h"
#include "engine/PolyEngine.h"

namespace {

std::atomic<long> allocations{0};

void* counted(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace quorvel;

// Allocations made by playing a few blocks with notes in them.
long allocationsWhilePlaying(EngineBase& engine, int blockFrames) {
    std::vector<float> left(static_cast<std::size_t>(blockFrames)), right(left.size());
    const long before = allocations.load();
    for (int block = 0; block < 20; ++block) {
        for (int n = 0; n < 12; ++n) engine.noteOn(30 + (block + n) % 40, 220.0f, 0.8f, (n * 37) % blockFrames);
        engine.render(left.data(), right.data(), blockFrames);
        for (int n = 0; n < 12; n += 2) engine.noteOff(30 + (block + n) % 40, n);
        engine.parameterChanged(6);
        engine.render(left.data(), right.data(), blockFrames);
    }
    return allocations.load() - before;
}

TEST(AudioPath, MonoRendersWithoutAllocating) {
    VoiceRandom random;
    MonoEngine engine(random);
    EXPECT_EQ(allocationsWhilePlaying(engine, 512), 0);
}

TEST(AudioPath, PolyRendersWithoutAllocatingUpToTheAnnouncedBlockSize) {
    VoiceRandom random;
    PolyEngine engine(random);
    engine.setBlockSize(2048);
    EXPECT_EQ(allocationsWhilePlaying(engine, 2048), 0);
    EXPECT_EQ(allocationsWhilePlaying(engine, 100), 0);
    EXPECT_EQ(allocationsWhilePlaying(engine, 4096), 1);  // longer than announced: grows once
}

}  // namespace
