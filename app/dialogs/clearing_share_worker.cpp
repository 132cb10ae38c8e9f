#include "app/dialogs/clearing_share_worker.h"

#include "layouts/clearing_share.h"

namespace sorimo {

ClearingShareWorker::ClearingShareWorker(Done done, int deals, int64_t nodesPerDeal)
    : done_(std::move(done)), deals_(deals), nodes_(nodesPerDeal), thread_([this] { Run(); }) {}

ClearingShareWorker::~ClearingShareWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
    jobs_.clear();
  }
  wake_.notify_one();
  thread_.join();
}

void ClearingShareWorker::Measure(std::vector<ShareJob> jobs) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    // The layout under way carries on when it is still wanted first.
    if (!jobs.empty() && jobs.front().key == current_)
      jobs.erase(jobs.begin());
    else
      current_.clear();
    jobs_ = std::move(jobs);
  }
  wake_.notify_one();
}

void ClearingShareWorker::Run() {
  for (;;) {
    ShareJob job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      current_.clear();
      wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
      if (quit_) return;
      job = std::move(jobs_.front());
      jobs_.erase(jobs_.begin());
      current_ = job.key;
    }
    // Dropped when a new list came that does not carry on with it, or the chooser closes.
    bool dropped = false;
    const auto stop = [&] {
      std::lock_guard<std::mutex> lock(mutex_);
      dropped = quit_ || current_ != job.key;
      return dropped;
    };
    const ClearingShare share = MeasureClearingShare(job.cells, job.vertical, deals_, nodes_, stop);
    if (!dropped) done_(job.key, share.Percent());
  }
}

}  // namespace sorimo
