// A search of one puzzle on several threads whose result is exactly the serial search's.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace corvane {

struct Engine;
struct Session;
struct SearchSession;
class SearchThreads;
class StepGate;

/// How a parallel search runs.
struct ParallelOptions {
    unsigned threads = 2;    // search threads
    std::uint64_t limit = 0; // stop at this many solutions, as the serial search would; 0 = all
    /// Subtrees kept waiting beyond those idle threads ask for. More means finer splitting
    /// (and more replay); 0 splits only when a thread runs out of work.
    std::size_t spareTasks = 0;
    /// Memory the solutions of subtrees not yet merged may hold before their threads wait.
    std::size_t bufferBytes = std::size_t(32) << 20;
    /// Test hook: when set, every step of every thread passes this gate first.
    StepGate* gate = nullptr;
};

/// Where a parallel search stands after a merge.
enum class ParallelOutcome {
    Running,      // not over yet
    Exhausted,    // over; the session holds the serial result, finishSearch reports it
    LimitReached, // the limit-th solution is final and something was left to search
};

/// The prepared search tree cut into subtrees, each searched on a thread (of the session's
/// kept SearchThreads) by its own engine rebuilt from the root; the results are merged in the
/// serial search's order on the thread that owns the session. Splitting: the search starts
/// as one subtree (the whole tree); when a thread is idle, the busy thread whose shallowest
/// open choice lies nearest the root gives away its second branch, which follows the giver's
/// own remaining work in the serial order.
class ParallelSearch {
  public:
    /// Takes the root from `search` as prepareSearch left it; starts no thread. `session` and
    /// `search` must outlive the object and are changed only by merge on the owner's thread.
    ParallelSearch(Session& session, SearchSession& search, const ParallelOptions& options);
    /// Cancels the threads and waits for them.
    ~ParallelSearch();
    ParallelSearch(const ParallelSearch&) = delete;
    ParallelSearch& operator=(const ParallelSearch&) = delete;

    /// Starts the threads; false when none could be made (nothing was searched).
    bool start();
    /// Waits up to `timeout` until merge has something to take (or everything is over).
    void waitForProgress(std::chrono::milliseconds timeout);
    /// Waits up to `timeout` until every thread is done.
    void waitUntilOver(std::chrono::milliseconds timeout);
    /// Moves every result that is final into the session, in serial order: the solution count,
    /// the answers (observer, kept answers and their view items), the first answer's blanks,
    /// and stepCount (the steps so far while running; the serial count once over).
    ParallelOutcome merge();
    /// Stops every thread at its next step boundary and returns once all stand still.
    void pause();
    /// Lets paused threads go on.
    void resume();
    /// Copies the engine of the earliest subtree being searched into `target`, as it stands
    /// between two steps; false (nothing copied) when no subtree is being searched.
    bool publishEarliest(Engine& target);
    /// Steps of every subtree so far, merged or not.
    std::uint64_t stepsSoFar();

  private:
    struct Shared;
    std::unique_ptr<Shared> shared_;
};

/// Deletes a ParallelSearch where its type is complete (SearchSession holds one).
struct ParallelSearchDeleter {
    void operator()(ParallelSearch* search) const;
};

/// Deletes the kept search threads where their type is complete (SearchSession holds them).
struct SearchThreadsDeleter {
    void operator()(SearchThreads* threads) const;
};

} // namespace corvane
