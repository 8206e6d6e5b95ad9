#include "engine/pass_threads.h"

#ifdef __linux__
#include <sched.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace acute {
namespace {

// Thrown into a chunk's work when another chunk failed.
struct Stopped {};

class ChunkPool {
 public:
  ChunkPool(std::size_t count, int threads) : count_(count), running_(threads - 1) {}

  // The claiming loop of one thread.
  void Work(int worker, const PersonTick& tick,
            const std::function<void(int, std::size_t, const PersonTick&)>& job) {
    for (;;) {
      if (stop_.load(std::memory_order_relaxed)) return;
      const std::size_t chunk = next_.fetch_add(1, std::memory_order_relaxed);
      if (chunk >= count_) return;
      job(worker, chunk, tick);
    }
  }
  void Fail(std::exception_ptr error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!error_) error_ = error;
    stop_ = true;
  }
  void Finished() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      --running_;
    }
    signal_.notify_one();
  }
  // Waits up to 20 ms for the other threads; true when they are all done.
  bool WaitForOthers() {
    std::unique_lock<std::mutex> lock(mutex_);
    return signal_.wait_for(lock, std::chrono::milliseconds(20), [&] { return running_ == 0; });
  }
  void CountPerson() { done_.fetch_add(1, std::memory_order_relaxed); }
  std::size_t OthersDone() const { return done_.load(std::memory_order_relaxed); }
  bool Stopping() const { return stop_.load(std::memory_order_relaxed); }
  void Stop() { stop_ = true; }
  std::exception_ptr Error() {
    std::lock_guard<std::mutex> lock(mutex_);
    return error_;
  }

 private:
  const std::size_t count_;
  std::atomic<std::size_t> next_{0};
  std::atomic<std::size_t> done_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable signal_;
  int running_;
  std::exception_ptr error_;
};

}  // namespace

int CoresGiven() {
#ifdef __linux__
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
#endif
  const int n = static_cast<int>(std::thread::hardware_concurrency());
  return n > 0 ? n : 1;
}

int ThreadsFor(int asked, std::size_t chunks) {
  int n = asked > 0 ? asked : CoresGiven();
  if (n < 1) n = 1;
  if (static_cast<std::size_t>(n) > chunks) n = chunks == 0 ? 1 : static_cast<int>(chunks);
  return n;
}

void RunChunksOnThreads(std::size_t count, int threads,
                        const std::function<void(std::size_t)>& progress,
                        const std::function<void(int, std::size_t, const PersonTick&)>& job) {
  if (threads < 1) threads = 1;
  ChunkPool pool(count, threads);
  std::vector<std::thread> others;
  for (int w = 1; w < threads; ++w)
    others.emplace_back([&pool, &job, w] {
      const PersonTick tick = [&pool] {
        if (pool.Stopping()) throw Stopped{};
        pool.CountPerson();
      };
      try {
        pool.Work(w, tick, job);
      } catch (const Stopped&) {
      } catch (...) {
        pool.Fail(std::current_exception());
      }
      pool.Finished();
    });
  auto join = [&] {
    for (std::thread& t : others) t.join();
    others.clear();
  };
  std::size_t mine = 0;
  try {
    const PersonTick tick = [&] {
      if (pool.Stopping()) throw Stopped{};
      progress(++mine + pool.OthersDone());
    };
    pool.Work(0, tick, job);
    // The others may still run: keep the progress and the Cancel button alive.
    while (!pool.WaitForOthers()) progress(mine + pool.OthersDone());
  } catch (const Stopped&) {  // another thread failed: its failure is rethrown below
  } catch (...) {
    pool.Stop();
    join();
    throw;
  }
  join();
  if (const std::exception_ptr error = pool.Error()) std::rethrow_exception(error);
}

}  // namespace acute
