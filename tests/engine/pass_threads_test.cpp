// The chunks of a pass on several threads: each chunk runs once, the progress counts every
// person, a failing chunk's failure comes back to the caller, and a failure of the progress
// (a confirmed Cancel) stops the other threads.
#include "engine/pass_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "engine/pass_chunks.h"

namespace acute {
namespace {

TEST(PassThreads, EveryChunkRunsOnceWhateverTheThreads) {
  for (int threads : {1, 2, 3, 8}) {
    std::vector<std::atomic<int>> runs(40);
    std::size_t last_progress = 0;
    RunChunksOnThreads(
        runs.size(), threads, [&](std::size_t done) { last_progress = done; },
        [&](int worker, std::size_t chunk, const PersonTick& tick) {
          EXPECT_LT(worker, threads);
          for (int person = 0; person < 3; ++person) tick();
          ++runs[chunk];
        });
    for (const auto& r : runs) EXPECT_EQ(r.load(), 1) << threads << " threads";
    // The calling thread counts the persons of all; alone, it counts every one.
    EXPECT_LE(last_progress, 120u);
    if (threads == 1) {
      EXPECT_EQ(last_progress, 120u);
    }
  }
}

// Chunks after the failing one run until they are stopped: the pass ends only if the
// failure stops them.
TEST(PassThreads, AFailingChunkStopsThePass) {
  for (int threads : {1, 3}) {
    std::atomic<int> started{0};
    EXPECT_THROW(RunChunksOnThreads(
                     64, threads, [](std::size_t) {},
                     [&](int, std::size_t chunk, const PersonTick& tick) {
                       ++started;
                       tick();
                       if (chunk == 5) throw std::invalid_argument("chunk 5");
                       while (chunk > 5) tick();
                     }),
                 std::invalid_argument);
    EXPECT_LE(started.load(), 6 + threads) << threads << " threads";
  }
}

// Every chunk runs until it is stopped: the pass ends only if the Cancel stops them all.
TEST(PassThreads, ACancelOnTheCallingThreadStopsTheOthers) {
  EXPECT_THROW(RunChunksOnThreads(
                   64, 2,
                   [](std::size_t done) {
                     if (done >= 10) throw std::runtime_error("cancelled");
                   },
                   [&](int, std::size_t, const PersonTick& tick) {
                     for (;;) tick();
                   }),
               std::runtime_error);
}

TEST(PassThreads, ThreadsAskedOrEveryCoreGivenAtMostOnePerChunk) {
  EXPECT_EQ(ThreadsFor(3, 64), 3);
  EXPECT_EQ(ThreadsFor(7, 2), 2);
  EXPECT_EQ(ThreadsFor(0, 1), 1);
  EXPECT_EQ(ThreadsFor(0, 1000), CoresGiven());
  EXPECT_GE(CoresGiven(), 1);
}

TEST(PassChunks, FixedPartitionWithTheDrawsBeforeEachChunk) {
  const auto draws = [](std::size_t first, std::size_t last) {
    return static_cast<std::uint64_t>(last - first) * 3;
  };
  const std::vector<PassChunk> tiny = ChunkPass(20, draws);
  ASSERT_EQ(tiny.size(), 1u);
  EXPECT_EQ(tiny[0].last, 20u);
  const std::vector<PassChunk> large = ChunkPass(28358, draws);
  ASSERT_EQ(large.size(), kMaxPassChunks);
  std::size_t next = 0;
  std::uint64_t before = 0;
  for (const PassChunk& c : large) {
    EXPECT_EQ(c.first, next);
    EXPECT_EQ(c.first_draw, before);
    EXPECT_EQ(c.draws, (c.last - c.first) * 3);
    next = c.last;
    before += c.draws;
  }
  EXPECT_EQ(next, 28358u);
  EXPECT_EQ(ChunkPass(0, draws).size(), 1u);
}

}  // namespace
}  // namespace acute
