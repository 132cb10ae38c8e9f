// Timing shared by the benchmarks: CPU seconds of the calling thread, and the median of
// several timed batches, so that neither other programs on a shared machine nor one slow
// batch decide a figure.
#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

namespace sorimo::bench {

inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Seconds per call of f, the median of 15 batches of callsPerBatch calls.
template <typename F>
double SecondsPerCall(F&& f, int callsPerBatch) {
  std::vector<double> batches;
  for (int i = 0; i < 15; ++i) {
    const double start = ThreadSeconds();
    for (int k = 0; k < callsPerBatch; ++k) f();
    batches.push_back((ThreadSeconds() - start) / callsPerBatch);
  }
  std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
  return batches[7];
}

// Seconds per call of f, the least of 25 batches of callsPerBatch calls: what the work costs
// when nothing else gets in its way.
template <typename F>
double LeastSecondsPerCall(F&& f, int callsPerBatch) {
  double least = 1e300;
  for (int i = 0; i < 25; ++i) {
    const double start = ThreadSeconds();
    for (int k = 0; k < callsPerBatch; ++k) f();
    least = std::min(least, (ThreadSeconds() - start) / callsPerBatch);
  }
  return least;
}

}  // namespace sorimo::bench
