// Measures layouts' shares of clearable deals on a thread of its own, so that the chooser
// never waits for the solver. It works through a list of layouts, the first first; a new list
// replaces the old one, and the layout being measured is dropped at its next deal when the new
// list does not start with it.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/board.h"

namespace sorimo {

struct ShareJob {
  std::string key;  // ClearingShareKey of the cells and rule
  LayoutCells cells{};
  bool vertical = false;
};

class ClearingShareWorker {
 public:
  // done(key, percent) is called on the worker's thread when a layout is measured; percent is
  // -1 for a layout the game cannot deal.
  using Done = std::function<void(const std::string& key, int percent)>;
  ClearingShareWorker(Done done, int deals, int64_t nodesPerDeal);
  // Stops at the next deal and waits for the thread.
  ~ClearingShareWorker();
  ClearingShareWorker(const ClearingShareWorker&) = delete;
  ClearingShareWorker& operator=(const ClearingShareWorker&) = delete;

  void Measure(std::vector<ShareJob> jobs);

 private:
  void Run();

  Done done_;
  int deals_;
  int64_t nodes_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<ShareJob> jobs_;   // what is left to measure, the next first
  std::string current_;          // the key being measured
  bool quit_ = false;
  std::thread thread_;           // last: starts once the rest is ready
};

}  // namespace sorimo
