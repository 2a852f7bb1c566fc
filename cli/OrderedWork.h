#pragma once
// Work items done on several threads whose results are handed on in input order, each as soon
// as every earlier one is done (the pattern of the parallel classification batch). Only the
// results between the oldest unfinished item and the newest started one are held.

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace zelvo::cli {

// Runs work(i) for i = 0 .. count-1 on `jobs` threads (at least 1) and deliver(i, result) in the
// order of i, one delivery at a time. work must be safe to call from several threads at once.
template <typename Result>
void RunInOrder(std::size_t count, int jobs, const std::function<Result(std::size_t)>& work,
                const std::function<void(std::size_t, Result&)>& deliver) {
  std::mutex mutex;
  std::map<std::size_t, Result> finished;
  std::size_t nextToDeliver = 0;
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (;;) {
      const std::size_t i = next.fetch_add(1);
      if (i >= count) return;
      Result result = work(i);
      std::lock_guard<std::mutex> lock(mutex);
      finished.emplace(i, std::move(result));
      while (!finished.empty() && finished.begin()->first == nextToDeliver) {
        deliver(nextToDeliver, finished.begin()->second);
        finished.erase(finished.begin());
        ++nextToDeliver;
      }
    }
  };
  std::size_t threads = jobs < 1 ? 1 : static_cast<std::size_t>(jobs);
  if (threads > count) threads = count > 0 ? count : 1;
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
}

}  // namespace zelvo::cli
