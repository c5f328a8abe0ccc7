// The threads of parallel searches and their engines, kept from one search to the next.
#pragma once

#include "search/subtree_walker.h"
#include "search/worker_thread.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane {

/// Search threads, each with its own subtree walker, made when first needed and kept for
/// later searches of the same session: a new search costs neither threads nor fresh memory.
class SearchThreads {
  public:
    SearchThreads() = default;
    /// Waits for running work, then ends the threads.
    ~SearchThreads();
    SearchThreads(const SearchThreads&) = delete;
    SearchThreads& operator=(const SearchThreads&) = delete;

    /// Roots `count` walkers at the prepared state of `root` (on `board`) and runs
    /// `body(index, walker)` on as many threads at once. Returns how many threads run it
    /// (fewer when the system makes no more threads). Only one run at a time: the previous
    /// one must have been waited for.
    std::size_t run(std::size_t count, const Board& board, const SearchSession& root,
                    const std::function<void(std::size_t, SubtreeWalker&)>& body);
    /// Waits until every body of the last run has returned.
    void wait();

  private:
    struct Slot {
        std::unique_ptr<SubtreeWalker> walker;
        std::function<void()> job; // set while the slot has work
        std::unique_ptr<WorkerThread> thread;
    };
    void serve(Slot& slot);

    // `mutex_` guards every slot's `job`, busy_ and stopping_. slots_, body_ and the walkers
    // change only in run, on the owner's thread, while no body runs (the last run was waited
    // for and every thread waits on workGiven_); a thread reaches body_ and its walker only
    // through the job it takes under the lock after run has set them.
    std::mutex mutex_;
    std::condition_variable workGiven_;
    std::condition_variable workDone_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::function<void(std::size_t, SubtreeWalker&)> body_; // of the current run
    std::size_t busy_ = 0;
    bool stopping_ = false;
};

} // namespace corvane
