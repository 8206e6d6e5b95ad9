#pragma once
// The fixed partition of a pass over the survey into chunks of persons. It depends on the
// survey alone, never on the machine, and each chunk knows how many uniform draws come
// before its first person, so that chunks can run on any number of threads and be merged
// in order into the same figures.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace acute {

// The persons [first, last) and the uniform draws taken by the persons before `first`.
struct PassChunk {
  std::size_t first = 0;
  std::size_t last = 0;
  std::uint64_t first_draw = 0;
  std::uint64_t draws = 0;  // taken by the chunk's own persons
};

// At most 64 chunks of at least 16 persons each (one chunk for a smaller survey).
inline constexpr std::size_t kMaxPassChunks = 64;
inline constexpr std::size_t kMinChunkPersons = 16;

// The chunks of a survey of `persons` person records; `draws_of(first, last)` gives the
// draws the persons [first, last) take (null: a pass without draws).
template <typename DrawsOf>
std::vector<PassChunk> ChunkPass(std::size_t persons, DrawsOf&& draws_of) {
  std::size_t count = persons / kMinChunkPersons;
  if (count > kMaxPassChunks) count = kMaxPassChunks;
  if (count == 0) count = 1;
  std::vector<PassChunk> chunks(count);
  std::uint64_t before = 0;
  for (std::size_t c = 0; c < count; ++c) {
    PassChunk& chunk = chunks[c];
    chunk.first = persons * c / count;
    chunk.last = persons * (c + 1) / count;
    chunk.first_draw = before;
    chunk.draws = draws_of(chunk.first, chunk.last);
    before += chunk.draws;
  }
  return chunks;
}

}  // namespace acute
