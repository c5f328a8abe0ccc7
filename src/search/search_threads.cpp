// Kept search threads: each waits for a body to run with its walker, then waits again.
#include "search/search_threads.h"

namespace corvane {

SearchThreads::~SearchThreads() {
    wait();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workGiven_.notify_all();
    for (auto& slot : slots_) slot->thread.reset(); // joins
}

std::size_t SearchThreads::run(std::size_t count, const Board& board, const SearchSession& root,
                               const std::function<void(std::size_t, SubtreeWalker&)>& body) {
    while (slots_.size() < count) {
        auto slot = std::make_unique<Slot>();
        slot->walker = std::make_unique<SubtreeWalker>();
        Slot* raw = slot.get();
        slot->thread = std::make_unique<WorkerThread>([this, raw] { serve(*raw); });
        if (!slot->thread->started()) break;
        slots_.push_back(std::move(slot));
    }
    const std::size_t n = std::min(count, slots_.size());
    // Every walker is rooted before any body runs: a body may change what `root` holds.
    for (std::size_t i = 0; i < n; ++i) slots_[i]->walker->reset(board, root);
    body_ = body;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < n; ++i) {
            SubtreeWalker& walker = *slots_[i]->walker;
            slots_[i]->job = [this, i, &walker] { body_(i, walker); };
        }
        busy_ = n;
    }
    workGiven_.notify_all();
    return n;
}

void SearchThreads::wait() {
    std::unique_lock lock(mutex_);
    workDone_.wait(lock, [&] { return busy_ == 0; });
}

void SearchThreads::serve(Slot& slot) {
    std::unique_lock lock(mutex_);
    for (;;) {
        workGiven_.wait(lock, [&] { return stopping_ || slot.job != nullptr; });
        if (!slot.job) return; // stopping
        const std::function<void()> job = std::move(slot.job);
        slot.job = nullptr;
        lock.unlock();
        job();
        lock.lock();
        if (--busy_ == 0) workDone_.notify_all();
    }
}

} // namespace corvane
