// A joinable thread with a stack large enough for the engine's recursive rules.
#pragma once

#include <cstddef>
#include <functional>
#include <pthread.h>

namespace corvane {

/// Stack of each search thread: the engine's rules recurse along paths (a few hundred levels
/// on a 100 x 100 board); the margin is generous, and untouched stack pages cost no memory.
inline constexpr std::size_t WorkerStackBytes = std::size_t(32) << 20;

/// Runs a function on its own thread with a WorkerStackBytes stack; the destructor joins it.
class WorkerThread {
  public:
    explicit WorkerThread(std::function<void()> body);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    /// False when the system could not create the thread (the function then never runs).
    bool started() const { return started_; }
    /// Waits for the function to return; does nothing when it was never started or is joined.
    void join();

  private:
    static void* run(void* self);

    std::function<void()> body_;
    pthread_t thread_{};
    bool started_ = false;
};

} // namespace corvane
