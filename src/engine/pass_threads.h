#pragma once
// Runs the chunks of a pass on several threads. Chunks are claimed in increasing order, so a
// thread's generator only ever moves forward; the calling thread takes part, shows the
// progress and watches the Cancel button.
#include <cstddef>
#include <functional>

namespace acute {

// What a chunk's work calls once per person: it throws when the pass must stop.
using PersonTick = std::function<void()>;

// Runs job(worker, chunk, tick) for chunks 0 to count - 1 on `threads` threads (worker 0 is
// the calling thread). `progress` is called on the calling thread with the persons done so
// far, at each of its own persons and while it waits for the others; it may throw to end
// the pass. The first failure of a chunk stops the others and is rethrown here.
void RunChunksOnThreads(
    std::size_t count, int threads, const std::function<void(std::size_t persons_done)>& progress,
    const std::function<void(int worker, std::size_t chunk, const PersonTick& tick)>& job);

// The cores the program may run on: those of its processor affinity (what a batch system
// or taskset gives it), else every core of the machine.
int CoresGiven();

// The threads a pass uses: `asked` (every core given when 0 or less), at most one per chunk.
int ThreadsFor(int asked, std::size_t chunks);

}  // namespace acute
